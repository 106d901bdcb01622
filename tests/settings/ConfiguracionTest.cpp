#include "settings/Configuracion.h"

#include <gtest/gtest.h>

namespace rebanex {
namespace {

TEST(Configuracion, FirmarEnTrozosCuentaMarcadoYHabilitado) {
    struct Caso {
        bool marcado, habilitado;
        int posicion;
        const char* firma;
        bool enVigor, firmados;
    };
    const Caso casos[] = {
        {true, true, 1, "Quelvo", true, true},    {true, true, 2, "Quelvo", true, true},
        {true, true, 3, "Quelvo", true, false},   {true, true, 1, "", true, false},
        {true, false, 1, "Quelvo", false, false}, {false, true, 1, "Quelvo", false, false}};
    for (const Caso& caso : casos) {
        Configuracion c;
        c.FirmarEnTrozos = caso.marcado;
        c.FirmarEnTrozosHabilitado = caso.habilitado;
        c.FirmarEnPosicion = caso.posicion;
        EXPECT_EQ(FirmarEnTrozosEnVigor(c), caso.enVigor);
        EXPECT_EQ(TrozosFirmados(c, caso.firma), caso.firmados);
    }
}

}  // namespace
}  // namespace rebanex
