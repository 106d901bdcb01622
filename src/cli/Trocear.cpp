#include "cli/Trocear.h"

#include "cli/Argumentos.h"
#include "cli/AvisadorConsola.h"
#include "cli/Entrada.h"
#include "cli/EstadoInicial.h"
#include "cli/Formato.h"
#include "cli/OpcionesPorClave.h"
#include "cli/Salida.h"
#include "split/Contador.h"
#include "split/Partir.h"

namespace rebanex::consola {

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

int EscribirTrozos(Consola& consola, Modo modo, const EntradaPartir& entrada) {
    AvisadorConsola avisador(consola.error, consola.conversion);
    ListaTrozos lista;
    if (auto fallo = Partir(entrada, avisador, PasosPartir{}, lista)) {
        avisador.Avisar(fallo->aviso);
        return kSalidaComprobacion;
    }
    const std::vector<std::string> trozos(lista.Trozos.begin() + 1,
                                          lista.Trozos.begin() + 1 + lista.NumTrozos);
    if (modo == Modo::Json) {
        consola.salida << TrozosJson(trozos) << consola.conversion.Salto();
        return kSalidaBien;
    }
    for (const std::string& trozo : trozos) {
        consola.salida << consola.conversion.Texto(trozo) << consola.conversion.Salto();
    }
    return kSalidaBien;
}

std::optional<std::string> LeerMensaje(const ArgumentosTrocear& args, std::istream& entrada) {
    std::optional<std::string> texto = LeerTextoEntrada(args.fichero, entrada);
    if (!texto) {
        return std::nullopt;
    }
    return MensajeDeConsola(std::move(*texto), args.codificacion);
}

int Ejecutar(Consola& consola, const ArgumentosTrocear& args, std::istream& entradaEstandar) {
    std::optional<EstadoInicial> estado =
        args.rutaIni ? EstadoDesdeAjustes(*args.rutaIni) : EstadoPorDefecto();
    if (!estado) {
        return consola.Fallo(kSalidaUso,
                             "no se puede leer el fichero de ajustes '" + *args.rutaIni + "'");
    }
    EntradaPartir entrada = PrepararEntrada(args, std::move(*estado));

    std::optional<std::string> mensaje = LeerMensaje(args, entradaEstandar);
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
                                  TextoContador(entrada.mensaje, entrada.opciones.MsgMax, "."))
                           << consola.conversion.Salto();
            return kSalidaBien;
        case Modo::Formato: {
            AvisadorConsola avisador(consola.error, consola.conversion);
            consola.salida << consola.conversion.Texto(
                AplicarFormato(args.formato, entrada, avisador));
            return kSalidaBien;
        }
        case Modo::Trozos:
        case Modo::Json:
            break;
    }
    return EscribirTrozos(consola, args.modo, entrada);
}

}  // namespace

int EjecutarTrocear(const std::vector<std::string>& argumentos, std::istream& entrada,
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
    if (args.ayuda) {
        salida << consola.conversion.Texto(TextoAyuda());
        return kSalidaBien;
    }
    return Ejecutar(consola, args, entrada);
}

}  // namespace rebanex::consola
