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

struct CasoComprobar {
    const char* nombre;
    std::string mensaje;
    std::string lon;
    bool indicador = false;
    bool firmarEnTrozos = false;
    bool habilitado = true;
    std::string firma;
    std::optional<Aviso> aviso;  // nullopt: accepted
    ControlFoco foco = ControlFoco::Lon;
    bool seleccionarTodo = false;
    int16_t msgMax = 0;  // when accepted
};

class ComprobarPartirTest : public ::testing::TestWithParam<CasoComprobar> {};

TEST_P(ComprobarPartirTest, PrimerFalloOAceptado) {
    const CasoComprobar& c = GetParam();
    EntradaPartir entrada;
    entrada.mensaje = c.mensaje;
    entrada.opciones.MsgMax = c.lon;
    entrada.opciones.IndicadorTrozos = c.indicador;
    entrada.opciones.FirmarEnTrozos = c.firmarEnTrozos;
    entrada.opciones.FirmarEnTrozosHabilitado = c.habilitado;
    entrada.firma = c.firma;

    int16_t msgMax = -999;
    const std::optional<FalloPartir> fallo = ComprobarPartir(entrada, msgMax);
    if (!c.aviso) {
        ASSERT_FALSE(fallo.has_value()) << fallo->aviso.texto;
        EXPECT_EQ(msgMax, c.msgMax);
        return;
    }
    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->aviso.texto, c.aviso->texto);
    EXPECT_EQ(fallo->aviso.titulo, c.aviso->titulo);
    EXPECT_EQ(fallo->aviso.icono, Icono::Exclamacion);
    EXPECT_EQ(fallo->aviso.botones, Botones::Aceptar);
    EXPECT_EQ(fallo->foco, c.foco);
    EXPECT_EQ(fallo->seleccionarTodo, c.seleccionarTodo);
}

CasoComprobar Caso(const char* nombre, std::string mensaje, std::string lon) {
    CasoComprobar c;
    c.nombre = nombre;
    c.mensaje = std::move(mensaje);
    c.lon = std::move(lon);
    return c;
}

CasoComprobar Acepta(const char* nombre, std::string lon, int16_t msgMax) {
    CasoComprobar c = Caso(nombre, "hola", std::move(lon));
    c.msgMax = msgMax;
    return c;
}

CasoComprobar NoNumero(const char* nombre, std::string lon) {
    CasoComprobar c = Caso(nombre, "hola", std::move(lon));
    c.aviso = kNumeros;
    c.seleccionarTodo = true;
    return c;
}

CasoComprobar Rechaza(const char* nombre, std::string lon, const Aviso& aviso) {
    CasoComprobar c = Caso(nombre, "hola", std::move(lon));
    c.aviso = aviso;
    return c;
}

CasoComprobar ConIndicador(CasoComprobar c) {
    c.indicador = true;
    return c;
}

CasoComprobar ConFirmaEnTrozos(CasoComprobar c, std::string firma, bool habilitado = true) {
    c.firmarEnTrozos = true;
    c.habilitado = habilitado;
    c.firma = std::move(firma);
    if (c.aviso == kFirma) {
        c.foco = ControlFoco::Msg;
    }
    return c;
}

CasoComprobar MensajeVacio(const char* nombre, std::string lon) {
    CasoComprobar c = Caso(nombre, "", std::move(lon));
    c.aviso = kVacio;
    c.foco = ControlFoco::Msg;
    return c;
}

CasoComprobar SoloEspacios() {
    CasoComprobar c = Caso("solo_espacios", "   ", "160");  // not empty: it passes
    c.msgMax = 160;
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Pasos, ComprobarPartirTest,
    ::testing::Values(
        MensajeVacio("vacio", "160"),
        MensajeVacio("vacio_antes_que_lon", "abc"),  // the empty message is checked first
        SoloEspacios(), Acepta("normal", "160", 160), Acepta("maximo", "32767", 32767),
        NoNumero("lon_vacio", ""), NoNumero("espacio_delante", " 160"),
        NoNumero("espacio_detras", "160 "), NoNumero("cero_delante", "0160"),
        NoNumero("menos_cero", "-0"), NoNumero("decimal", "160.0"), NoNumero("exponente", "1e3"),
        NoNumero("letra", "16a"), NoNumero("mas", "+160"), NoNumero("separador", "1.600"),
        NoNumero("fuera_int16", "32768"), NoNumero("fuera_int16_negativo", "-32769"),
        Rechaza("cero", "0", kCero), ConIndicador(Rechaza("cero_con_indicador", "0", kCero)),
        Rechaza("uno", "1", kGuion), Rechaza("menos_cinco", "-5", kGuion),
        Rechaza("minimo_int16", "-32768", kGuion),
        ConIndicador(Rechaza("uno_con_indicador", "1", kGuion)),
        ConIndicador(Rechaza("once_con_indicador", "11", kIndicadores)),
        Acepta("once_sin_indicador", "11", 11), ConIndicador(Acepta("doce", "12", 12)),
        ConFirmaEnTrozos(Acepta("firma_mitad", "15", 15), "1234567"),
        ConFirmaEnTrozos(Rechaza("firma_grande", "15", kFirma), "12345678"),
        // the tick alone counts, enabled or not
        ConFirmaEnTrozos(Rechaza("firma_grande_deshabilitada", "15", kFirma), "12345678", false),
        ConFirmaEnTrozos(ConIndicador(Rechaza("indicador_antes_que_firma", "11", kIndicadores)),
                         "12345678")),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ComprobarPartirSinTick, UnaFirmaLargaNoImportaSiNoSeFirmanLosTrozos) {
    EntradaPartir entrada;
    entrada.mensaje = "hola";
    entrada.opciones.MsgMax = "15";
    entrada.opciones.FirmarAutomaticamente = true;
    entrada.firma = "una firma bastante larga";
    int16_t msgMax = 0;
    EXPECT_FALSE(ComprobarPartir(entrada, msgMax).has_value());
    EXPECT_EQ(msgMax, 15);
}

}  // namespace
}  // namespace rebanex
