#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "split/Partir.h"

namespace rebanex {
namespace {

TEST(ComprobarPartir, PrimerFalloEnSuOrdenOAceptado) {
    struct Caso {
        std::string mensaje = "hola", lon;
        bool indicador = false;
        std::string firmaEnTrozos;   // non-empty: FirmarEnTrozos ticked with this signature
        std::optional<Aviso> aviso;  // nullopt: accepted
    };
    const Caso casos[] = {
        {"", "160", false, "", AvisoMensajeVacio()},
        {"", "abc", false, "", AvisoMensajeVacio()},  // the empty message is checked first
        {"   ", "160", false, "", std::nullopt},      // spaces are not empty
        {"hola", "32767", false, "", std::nullopt},
        {"hola", "", false, "", AvisoSoloNumeros()},
        {"hola", " 160", false, "", AvisoSoloNumeros()},
        {"hola", "160 ", false, "", AvisoSoloNumeros()},
        {"hola", "0160", false, "", AvisoSoloNumeros()},
        {"hola", "-0", false, "", AvisoSoloNumeros()},
        {"hola", "160.0", false, "", AvisoSoloNumeros()},
        {"hola", "1e3", false, "", AvisoSoloNumeros()},
        {"hola", "+160", false, "", AvisoSoloNumeros()},
        {"hola", "32768", false, "", AvisoSoloNumeros()},  // beyond int16
        {"hola", "-32769", false, "", AvisoSoloNumeros()},
        {"hola", "0", true, "", AvisoTamanyoCero()},
        {"hola", "1", true, "", AvisoSinSitioGuion()},
        {"hola", "-32768", false, "", AvisoSinSitioGuion()},
        {"hola", "11", true, "", AvisoMinimoIndicadores()},
        {"hola", "11", false, "", std::nullopt},
        {"hola", "12", true, "", std::nullopt},  // 12 is accepted, whatever the box says
        {"hola", "15", false, "1234567", std::nullopt},
        {"hola", "15", false, "12345678", AvisoFirmaGrande()},
        {"hola", "11", true, "12345678", AvisoMinimoIndicadores()},
    };
    for (const Caso& c : casos) {
        EntradaPartir entrada;
        entrada.mensaje = c.mensaje;
        entrada.opciones.MsgMax = c.lon;
        entrada.opciones.IndicadorTrozos = c.indicador;
        entrada.opciones.FirmarEnTrozos = !c.firmaEnTrozos.empty();
        entrada.opciones.FirmarEnTrozosHabilitado = false;  // the tick alone counts here
        entrada.firma = c.firmaEnTrozos.empty() ? "una firma muy larga" : c.firmaEnTrozos;
        int16_t msgMax = -999;
        const std::optional<FalloPartir> fallo = ComprobarPartir(entrada, msgMax);
        SCOPED_TRACE("'" + c.mensaje + "' '" + c.lon + "'");
        if (!c.aviso) {
            ASSERT_FALSE(fallo.has_value()) << fallo->aviso.texto;
            EXPECT_EQ(std::to_string(msgMax), c.lon);
            continue;
        }
        ASSERT_TRUE(fallo.has_value());
        EXPECT_EQ(fallo->aviso, *c.aviso);
        // The focus goes to the message for its own faults, to Lon for the others.
        const bool enMensaje = *c.aviso == AvisoMensajeVacio() || *c.aviso == AvisoFirmaGrande();
        EXPECT_EQ(fallo->foco, enMensaje ? ControlFoco::Msg : ControlFoco::Lon);
        EXPECT_EQ(fallo->seleccionarTodo, *c.aviso == AvisoSoloNumeros());
    }
}

}  // namespace
}  // namespace rebanex
