// Reference files under tests/golden; REBANEX_ACTUALIZAR_GOLDEN=1 rewrites them from the code.
#pragma once

#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"

namespace rebanex::pruebas {

inline void CompararConReferencia(const std::string& nombre, const std::string& real) {
    const std::string ruta = std::string(REBANEX_DIR_GOLDEN) + "/" + nombre;
    if (std::getenv("REBANEX_ACTUALIZAR_GOLDEN") != nullptr) {
        EscribirBytes(ruta, real);
    }
    EXPECT_EQ(LeerBytes(ruta), real) << ruta << ": if the change is meant, rewrite it with "
                                     << "REBANEX_ACTUALIZAR_GOLDEN=1 and review its diff.";
}

}  // namespace rebanex::pruebas
