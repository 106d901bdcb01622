#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "split/Partir.h"

namespace rebanex {
namespace {

// The boxes, spelt out here so that a changed word in the program shows up.
const Aviso kVacio{"Escribe algo no seas timidin", "Eres mudo ?"};
const Aviso kNumeros{"Ein?? Que tal si ponemos solo números en el campo tamaño máximo",
                     "Sólo Números"};
const Aviso kCero{"Por que no te multiplicas tu por 0  ;)", "Mensaje tamaño 0 !!!!!!!"};
const Aviso kGuion{
    "Joeeee, no me dejas sitio ni pa meter el guioncito de separador de palabras xDD\r\r"
    "Anda estírate un poco con el tamaño máximo :P",
    "Epp.... Cuidadín!!"};
const Aviso kIndicadores{
    "Si quieres añadir indicadores de nº de Trozo, la longitud máxima debe de ser mayor de "
    "12\r\rSi no ande meto los indicadores xDDD",
    "Epp, cuidadín!!!"};
const Aviso kFirma{"La firma no puede ser tan grande!", "Epp, cuidadín!!!"};

struct Caso {
    std::string mensaje = "hola", lon;
    bool indicador = false;
    std::string firmaEnTrozos;   // non-empty: FirmarEnTrozos ticked with this signature
    std::optional<Aviso> aviso;  // nullopt: accepted
};

// Where the focus goes after each box.
ControlFoco Foco(const Aviso& aviso) {
    return aviso == kVacio || aviso == kFirma ? ControlFoco::Msg : ControlFoco::Lon;
}

TEST(ComprobarPartir, PrimerFalloEnSuOrdenOAceptado) {
    const Caso casos[] = {
        {"", "160", false, "", kVacio},
        {"", "abc", false, "", kVacio},           // the empty message is checked first
        {"   ", "160", false, "", std::nullopt},  // spaces are not empty
        {"hola", "160", false, "", std::nullopt},
        {"hola", "32767", false, "", std::nullopt},
        {"hola", "", false, "", kNumeros},
        {"hola", " 160", false, "", kNumeros},
        {"hola", "160 ", false, "", kNumeros},
        {"hola", "0160", false, "", kNumeros},
        {"hola", "-0", false, "", kNumeros},
        {"hola", "160.0", false, "", kNumeros},
        {"hola", "1e3", false, "", kNumeros},
        {"hola", "16a", false, "", kNumeros},
        {"hola", "+160", false, "", kNumeros},
        {"hola", "32768", false, "", kNumeros},  // beyond int16
        {"hola", "-32769", false, "", kNumeros},
        {"hola", "0", true, "", kCero},
        {"hola", "1", true, "", kGuion},
        {"hola", "-5", false, "", kGuion},
        {"hola", "-32768", false, "", kGuion},
        {"hola", "11", true, "", kIndicadores},
        {"hola", "11", false, "", std::nullopt},
        {"hola", "12", true, "", std::nullopt},  // 12 is accepted, whatever the box says
        {"hola", "15", false, "1234567", std::nullopt},
        {"hola", "15", false, "12345678", kFirma},
        {"hola", "11", true, "12345678", kIndicadores},
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
        EXPECT_EQ(fallo->foco, Foco(*c.aviso));
        EXPECT_EQ(fallo->seleccionarTodo, *c.aviso == kNumeros);
    }
}

}  // namespace
}  // namespace rebanex
