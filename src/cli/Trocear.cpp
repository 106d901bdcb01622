#include "cli/Trocear.h"

#include <new>

#include "cli/Argumentos.h"
#include "cli/AvisadorConsola.h"
#include "cli/Entrada.h"
#include "cli/EstadoInicial.h"
#include "cli/Formato.h"
#include "cli/OpcionesPorClave.h"
#include "cli/Salida.h"
#include "split/Contador.h"
#include "split/Partir.h"

namespace rebanex::cli {

namespace {

// One run's streams, with the encoding of its console.
struct Consola {
    std::ostream& salida;
    std::ostream& error;
    Salida conversion;

    int Fallo(int codigo, const std::string& mensaje) {
        error << "trocear: " << conversion.Texto(mensaje) << '\n';
        return codigo;
    }
};

// The options as the window would hold them after starting with these settings and the
// user ticking what the command line asks for.
EntradaPartir PrepararEntrada(const ArgumentosTrocear& args, EstadoInicial estado) {
    EntradaPartir entrada;
    entrada.opciones = std::move(estado.opciones);
    for (const Asignacion& a : args.asignaciones) {
        AsignarOpcion(entrada.opciones, a.clave, a.valor);
    }
    // At start-up only the signature position decides whether the item is enabled.
    entrada.opciones.FirmarEnTrozosHabilitado =
        HabilitadoTrasPosicion(entrada.opciones.FirmarEnPosicion);
    // There is no Mensatel to ask for its size limit.
    entrada.opciones.ObtenerTamanyoMsg = false;
    entrada.firma = args.firma.value_or(estado.firma);
    entrada.rutaReemplazos = args.rutaReemplazos.value_or(estado.rutaReemplazos);
    return entrada;
}

// The pieces leave through one buffer, written out each time it fills.
class SalidaTrozos {
  public:
    explicit SalidaTrozos(Consola& consola) : consola_(consola) { bufer_.reserve(kBloque + 1024); }
    std::string& Bufer() { return bufer_; }
    void Seguir() {
        if (bufer_.size() >= kBloque) {
            Vaciar();
        }
    }
    void Vaciar() {
        consola_.salida.write(bufer_.data(), static_cast<std::streamsize>(bufer_.size()));
        bufer_.clear();
    }

  private:
    static constexpr std::size_t kBloque = 1 << 16;
    Consola& consola_;
    std::string bufer_;
};

int EscribirTrozos(Consola& consola, Modo modo, EntradaPartir entrada) {
    AvisadorConsola avisador(consola.error, consola.conversion);
    ResultadoPartir resultado = Partir(std::move(entrada), avisador, PasosPartir{});
    if (const auto* fallo = std::get_if<FalloPartir>(&resultado)) {
        avisador.Avisar(fallo->aviso);
        return kSalidaComprobacion;
    }
    const ListaTrozos& lista = std::get<ListaTrozos>(resultado);
    SalidaTrozos salida(consola);
    std::string& bufer = salida.Bufer();
    std::string trozo;  // one piece at a time, in the program's own text
    if (modo == Modo::Json) {
        bufer += "{\"trozos\": [";
    }
    for (std::size_t i = 0; i < lista.Cuantos(); ++i) {
        trozo.clear();
        lista.Anyadir(i, trozo);
        if (modo == Modo::Json) {
            if (i > 0) {
                bufer += ", ";
            }
            AnyadirCadenaJson(bufer, trozo);
        } else {
            consola.conversion.Anyadir(bufer, trozo);
            bufer += consola.conversion.Salto();
        }
        salida.Seguir();
    }
    if (modo == Modo::Json) {
        bufer += "]}";
        bufer += consola.conversion.Salto();
    }
    salida.Vaciar();
    return kSalidaBien;
}

int Ejecutar(Consola& consola, const ArgumentosTrocear& args, std::istream& entradaEstandar) {
    std::optional<EstadoInicial> estado =
        args.rutaIni ? EstadoDesdeAjustes(*args.rutaIni) : EstadoPorDefecto();
    if (!estado) {
        return consola.Fallo(kSalidaUso,
                             "no se puede leer el fichero de ajustes '" + *args.rutaIni + "'");
    }
    EntradaPartir entrada = PrepararEntrada(args, std::move(*estado));

    std::optional<std::string> mensaje =
        LeerMensaje(args.fichero, entradaEstandar, args.codificacion);
    if (!mensaje) {
        return consola.Fallo(kSalidaUso, args.fichero
                                             ? "no se puede leer el fichero '" + *args.fichero + "'"
                                             : std::string("no se puede leer la entrada estándar"));
    }
    entrada.mensaje = std::move(*mensaje);
    // Without --cursor the caret sits where typing or loading leaves it: after the text.
    entrada.cursor = args.cursor.value_or(static_cast<long long>(entrada.mensaje.size()));

    switch (args.modo) {
        case Modo::Contar:
            consola.salida << consola.conversion.Texto(
                                  TextoContador(static_cast<long long>(entrada.mensaje.size()),
                                                entrada.opciones.MsgMax, "."))
                           << consola.conversion.Salto();
            return kSalidaBien;
        case Modo::Formato: {
            AvisadorConsola avisador(consola.error, consola.conversion);
            const std::optional<std::string> texto =
                AplicarFormato(args.formato, entrada, avisador);
            if (!texto) {
                return kSalidaComprobacion;
            }
            consola.salida << consola.conversion.Texto(*texto);
            return kSalidaBien;
        }
        case Modo::Trozos:
        case Modo::Json:
            break;
    }
    return EscribirTrozos(consola, args.modo, std::move(entrada));
}

int EjecutarArgumentos(const std::vector<std::string>& argumentos, std::istream& entrada,
                       std::ostream& salida, std::ostream& error) {
    auto leidos = LeerArgumentos(argumentos);
    if (const auto* uso = std::get_if<ErrorUso>(&leidos)) {
        Consola consola{salida, error, Salida(uso->codificacion)};
        consola.Fallo(kSalidaUso, uso->mensaje);
        error << consola.conversion.Texto("Prueba 'trocear --ayuda'.") << '\n';
        return kSalidaUso;
    }
    const ArgumentosTrocear& args = std::get<ArgumentosTrocear>(leidos);
    Consola consola{salida, error, Salida(args.codificacion)};
    const int codigo = [&] {
        if (args.ayuda) {
            salida << consola.conversion.Texto(TextoAyuda());
            return kSalidaBien;
        }
        return Ejecutar(consola, args, entrada);
    }();
    // Whatever went out must have gone out whole: a full disk or a closed pipe is a failure.
    if (!salida.flush()) {
        return consola.Fallo(kSalidaEscritura, "no se puede escribir la salida");
    }
    return codigo;
}

}  // namespace

int EjecutarTrocear(const std::vector<std::string>& argumentos, std::istream& entrada,
                    std::ostream& salida, std::ostream& error) {
    // Nothing may escape to the caller: it would end the process with no word of why.
    try {
        return EjecutarArgumentos(argumentos, entrada, salida, error);
    } catch (const std::bad_alloc&) {
        error << "trocear: no hay memoria suficiente para este mensaje\n";
    } catch (const std::exception& e) {
        error << "trocear: error inesperado: " << e.what() << '\n';
    } catch (...) {
        error << "trocear: error inesperado\n";
    }
    return kSalidaExcepcion;
}

}  // namespace rebanex::cli
