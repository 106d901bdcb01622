// Reference files under tests/golden: texts whose every byte is reviewed once, compared whole.
// REBANEX_ACTUALIZAR_GOLDEN=1 rewrites them from the code; review their diff before keeping it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "comun/CarpetaTemporal.h"

namespace rebanex::pruebas {

inline void CompararConReferencia(const std::string& nombre, const std::string& real) {
    std::string ruta = std::string(REBANEX_DIR_GOLDEN) + "/" + nombre;
#ifdef _WIN32
    if (ruta.starts_with('/')) {
        ruta = "Z:" + ruta;  // Wine's drive for the host's root
    }
#endif
    if (std::getenv("REBANEX_ACTUALIZAR_GOLDEN") != nullptr) {
        EscribirBytes(ruta, real);
    }
    const std::string esperado = LeerBytes(ruta);
    if (esperado == real) {
        return;
    }
    // Only the first line that differs: the rest is for a diff of the rewritten file.
    std::istringstream a(esperado), b(real);
    std::string de, del;
    int linea = 1;
    while (std::getline(a, de) && std::getline(b, del) && de == del) {
        ++linea;
    }
    ADD_FAILURE() << ruta << " differs from what the program gives, first at line " << linea
                  << ":\n  file:    " << de << "\n  program: " << del
                  << "\nIf the change is meant, rewrite it with REBANEX_ACTUALIZAR_GOLDEN=1 and "
                     "review its diff.";
}

}  // namespace rebanex::pruebas
