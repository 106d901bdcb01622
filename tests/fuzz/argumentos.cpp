// trocear's command line: any arguments (NUL-separated in the input), then the options they
// set applied as the tool applies them.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/Argumentos.h"
#include "cli/OpcionesPorClave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    using namespace rebanex;
    const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);
    std::vector<std::string> args;
    for (std::size_t desde = 0; desde < bytes.size();) {
        const std::size_t nul = std::min(bytes.find('\0', desde), bytes.size());
        args.emplace_back(bytes.substr(desde, nul - desde));
        consola::TextoDeArgumento(args.back());
        desde = nul + 1;
    }
    const auto leidos = consola::LeerArgumentos(args);
    if (const auto* a = std::get_if<consola::ArgumentosTrocear>(&leidos)) {
        Configuracion opciones;
        for (const consola::Asignacion& asignacion : a->asignaciones) {
            consola::AsignarOpcion(opciones, asignacion.clave, asignacion.valor);
        }
    }
    return 0;
}
