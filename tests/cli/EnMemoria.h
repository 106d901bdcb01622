// Runs trocear in memory, for the console tool's tests.
#pragma once

#include <sstream>

#include "cli/Trocear.h"

namespace rebanex::cli::pruebas {

struct Resultado {
    int codigo = -1;
    std::string salida, error;
};

inline Resultado Trocear(const std::vector<std::string>& argumentos,
                         const std::string& entrada = {}) {
    std::istringstream in(entrada);
    std::ostringstream out, err;
    return {EjecutarTrocear(argumentos, in, out, err), out.str(), err.str()};  // in this order
}

}  // namespace rebanex::cli::pruebas
