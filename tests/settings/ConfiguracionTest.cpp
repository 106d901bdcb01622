#include "settings/Configuracion.h"

#include <gtest/gtest.h>

namespace rebanex {
namespace {

struct CasoFirma {
    bool marcado, habilitado;
    int posicion;
    const char* firma;
    bool enVigor, firmados;
};

class ConfiguracionFirmaEnTrozos : public ::testing::TestWithParam<CasoFirma> {};

TEST_P(ConfiguracionFirmaEnTrozos, CuentaSoloMarcadoYHabilitado) {
    const CasoFirma& caso = GetParam();
    Configuracion c;
    c.FirmarEnTrozos = caso.marcado;
    c.FirmarEnTrozosHabilitado = caso.habilitado;
    c.FirmarEnPosicion = caso.posicion;
    EXPECT_EQ(FirmarEnTrozosEnVigor(c), caso.enVigor);
    EXPECT_EQ(TrozosFirmados(c, caso.firma), caso.firmados);
}

INSTANTIATE_TEST_SUITE_P(Tabla, ConfiguracionFirmaEnTrozos,
                         ::testing::Values(CasoFirma{true, true, 1, "Quelvo", true, true},
                                           CasoFirma{true, true, 2, "Quelvo", true, true},
                                           CasoFirma{true, true, 3, "Quelvo", true, false},
                                           CasoFirma{true, true, 1, "", true, false},
                                           CasoFirma{true, false, 1, "Quelvo", false, false},
                                           CasoFirma{false, true, 1, "Quelvo", false, false}));

}  // namespace
}  // namespace rebanex
