#include "cli/Trocear.h"

#include <new>

#include "cli/Argumentos.h"
#include "cli/AvisadorConsola.h"
#include "cli/Entrada.h"
#include "cli/EstadoInicial.h"
#include "cli/Formato.h"
#include "cli/OpcionesPorClave.h"
#include "cli/Salida.h"
#include "comun/Numeros.h"
#include "comun/Windows1252.h"
#include "split/Contador.h"
#include "split/Partir.h"
#include "split/Sms.h"

namespace rebanex::cli {

namespace {

// One run's streams, with the encoding of its console.
struct Consola {
    Destino& salida;
    Destino& error;
    Salida conversion;

    int Fallo(int codigo, const std::string& mensaje) {
        error.Escribir("trocear: " + conversion.Texto(mensaje) + '\n');
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
        consola_.salida.Escribir(bufer_);
        bufer_.clear();
    }

  private:
    static constexpr std::size_t kBloque = 1 << 16;
    Consola& consola_;
    std::string bufer_;
};

std::string_view NombreCodificacion(Codificacion c) {
    return c == Codificacion::Gsm7 ? "GSM-7" : "UCS-2";
}

// Beside the pieces, in the same order, what each one costs as the SMS it is.
void AnyadirMedidasJson(SalidaTrozos& salida, const ListaTrozos& lista) {
    std::string& bufer = salida.Bufer();
    bufer += ", \"sms\": [";
    for (std::size_t i = 0; i < lista.Cuantos(); ++i) {
        const MedidaTrozo medida = lista.Medida(i);
        bufer += i > 0 ? ", {\"codificacion\": \"" : "{\"codificacion\": \"";
        bufer += NombreCodificacion(medida.codificacion);
        bufer += "\", \"unidades\": " + Decimal(medida.unidades) + "}";
        salida.Seguir();
    }
    bufer += "]";
}

// The real count of the message as given: as JSON, or as one line in Spanish.
std::string TextoCuenta(const std::string& mensaje, TablaGsm tabla, bool json) {
    const CuentaSms c = ContarSms(mensaje, tabla);
    if (json) {
        std::string t = "{\"codificacion\": \"" + std::string(NombreCodificacion(c.codificacion)) +
                        "\", \"unidades\": " + Decimal(c.unidades) + ", \"sms\": " + Decimal(c.sms);
        if (c.demasiados) {
            t += ", \"mas_de_255\": true";  // too many parts for one linked message
        }
        t += ", \"fuerzan_ucs2\": ";
        AnyadirCadenaJson(t, c.distintos);
        return t + "}";
    }
    std::string t = std::string(NombreCodificacion(c.codificacion)) + ": " +
                    DecimalAgrupado(c.unidades, ".") +
                    (c.codificacion == Codificacion::Gsm7 ? " septetos, " : " unidades, ");
    t += c.demasiados ? "más de " + Decimal(kMaxPartes) + " SMS (" + DecimalAgrupado(c.sms, ".") +
                            "), demasiados para un mensaje enlazado"
                      : DecimalAgrupado(c.sms, ".") + (c.sms == 1 ? " SMS" : " SMS enlazados");
    if (!c.distintos.empty()) {
        t += "; fuerzan UCS-2:";
        for (const char ch : c.distintos) {
            t += ' ';
            t += ch;
        }
    }
    return t;
}

int EscribirTrozos(Consola& consola, Modo modo, EntradaPartir entrada) {
    const bool sms = entrada.opciones.TrozosSMS;
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
        if (modo != Modo::Json && consola.conversion.TalCual()) {
            lista.Anyadir(i, bufer);
            bufer += consola.conversion.Salto();
            salida.Seguir();
            continue;
        }
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
        bufer += "]";
        if (sms) {
            AnyadirMedidasJson(salida, lista);
        }
        bufer += "}";
        bufer += consola.conversion.Salto();
    }
    salida.Vaciar();
    return kSalidaBien;
}

int Ejecutar(Consola& consola, const ArgumentosTrocear& args, Origen& entradaEstandar) {
    std::optional<EstadoInicial> estado =
        args.rutaIni ? EstadoDesdeAjustes(*args.rutaIni) : EstadoPorDefecto();
    if (!estado) {
        return consola.Fallo(kSalidaUso,
                             "no se puede leer el fichero de ajustes '" + *args.rutaIni + "'");
    }
    EntradaPartir entrada = PrepararEntrada(args, std::move(*estado));

    // The real count takes the line breaks of standard input as they come.
    const bool cuentaReal =
        args.modo == Modo::ContarJson || (args.modo == Modo::Contar && entrada.opciones.TrozosSMS);
    std::u32string sinConvertir;
    std::optional<std::string> mensaje =
        LeerMensaje(args.fichero, entradaEstandar,
                    cuentaReal ? CodificacionConsola::Cp1252 : args.codificacion, &sinConvertir);
    if (!mensaje) {
        return consola.Fallo(kSalidaUso, args.fichero
                                             ? "no se puede leer el fichero '" + *args.fichero + "'"
                                             : std::string("no se puede leer la entrada estándar"));
    }
    entrada.mensaje = std::move(*mensaje);
    // Said, never silent, and the run goes on with the "?".
    if (!sinConvertir.empty()) {
        AvisadorConsola(consola.error, consola.conversion)
            .Avisar(AvisoSinWindows1252("El mensaje", sinConvertir));
    }
    // Without --cursor the caret sits where typing or loading leaves it: after the text.
    entrada.cursor = args.cursor.value_or(static_cast<long long>(entrada.mensaje.size()));

    switch (args.modo) {
        case Modo::Contar:
        case Modo::ContarJson:
            if (cuentaReal) {
                const std::string texto = TextoCuenta(entrada.mensaje, TablaDe(entrada.opciones),
                                                      args.modo == Modo::ContarJson);
                // JSON is UTF-8 whatever the console.
                consola.salida.Escribir(
                    (args.modo == Modo::ContarJson ? texto : consola.conversion.Texto(texto)) +
                    std::string(consola.conversion.Salto()));
                return kSalidaBien;
            }
            consola.salida.Escribir(
                consola.conversion.Texto(TextoContador(
                    static_cast<long long>(entrada.mensaje.size()), entrada.opciones.MsgMax, ".")) +
                std::string(consola.conversion.Salto()));
            return kSalidaBien;
        case Modo::Formato: {
            AvisadorConsola avisador(consola.error, consola.conversion);
            const std::optional<std::string> texto =
                AplicarFormato(args.formato, entrada, avisador);
            if (!texto) {
                return kSalidaComprobacion;
            }
            consola.salida.Escribir(consola.conversion.Texto(*texto));
            return kSalidaBien;
        }
        case Modo::Trozos:
        case Modo::Json:
            break;
    }
    return EscribirTrozos(consola, args.modo, std::move(entrada));
}

int EjecutarArgumentos(const std::vector<std::string>& argumentos, Origen& entrada, Destino& salida,
                       Destino& error) {
    auto leidos = LeerArgumentos(argumentos);
    if (const auto* uso = std::get_if<ErrorUso>(&leidos)) {
        Consola consola{salida, error, Salida(uso->codificacion)};
        consola.Fallo(kSalidaUso, uso->mensaje);
        error.Escribir(consola.conversion.Texto("Prueba 'trocear --ayuda'.") + '\n');
        return kSalidaUso;
    }
    const ArgumentosTrocear& args = std::get<ArgumentosTrocear>(leidos);
    Consola consola{salida, error, Salida(args.codificacion)};
    const int codigo = [&] {
        if (args.ayuda) {
            salida.Escribir(consola.conversion.Texto(TextoAyuda()));
            return kSalidaBien;
        }
        return Ejecutar(consola, args, entrada);
    }();
    // Whatever went out must have gone out whole: a full disk or a closed pipe is a failure.
    if (!salida.Terminar()) {
        return consola.Fallo(kSalidaEscritura, "no se puede escribir la salida");
    }
    return codigo;
}

}  // namespace

int EjecutarTrocear(const std::vector<std::string>& argumentos, Origen& entrada, Destino& salida,
                    Destino& error) {
    // Nothing may escape to the caller: it would end the process with no word of why.
    try {
        return EjecutarArgumentos(argumentos, entrada, salida, error);
    } catch (const std::bad_alloc&) {
        error.Escribir("trocear: no hay memoria suficiente para este mensaje\n");
    } catch (const std::exception& e) {
        error.Escribir("trocear: error inesperado: ");
        error.Escribir(e.what());
        error.Escribir("\n");
    } catch (...) {
        error.Escribir("trocear: error inesperado\n");
    }
    return kSalidaExcepcion;
}

}  // namespace rebanex::cli
