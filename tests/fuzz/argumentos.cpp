// trocear's command line (NUL-separated arguments), then the options they set applied.
#include <string>
#include <variant>
#include <vector>

#include "cli/Argumentos.h"
#include "cli/OpcionesPorClave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamanyo) {
    using namespace rebanex::cli;
    std::vector<std::string> args(1);
    for (size_t i = 0; i < tamanyo; ++i) {
        datos[i] == 0 ? void(args.emplace_back())
                      : args.back().push_back(static_cast<char>(datos[i]));
    }
    for (std::string& a : args) {
        TextoDeArgumento(a);
    }
    const auto leidos = LeerArgumentos(args);
    if (const auto* a = std::get_if<ArgumentosTrocear>(&leidos)) {
        rebanex::Configuracion opciones;
        for (const Asignacion& asignacion : a->asignaciones) {
            AsignarOpcion(opciones, asignacion.clave, asignacion.valor);
        }
    }
    return 0;
}
