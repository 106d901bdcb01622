#include "settings/PerfilEnMemoria.h"

#include <gtest/gtest.h>

namespace rebanex {
namespace {

const std::string kIni = "C:\\Rebanex\\Rebanex.ini";

class PerfilEnMemoriaTest : public ::testing::Test {
  protected:
    std::string Leer(std::string_view seccion, std::string_view clave, std::size_t tamano = 255) {
        return perfil.ObtenerCadena(kIni, seccion, clave, "defecto", tamano);
    }
    void Escribir(std::string_view seccion, std::string_view clave, std::string_view valor) {
        ASSERT_TRUE(perfil.EscribirCadena(kIni, seccion, clave, valor));
    }

    PerfilEnMemoria perfil;
};

TEST_F(PerfilEnMemoriaTest, LoQueFaltaDevuelveElDefectoCortado) {
    EXPECT_FALSE(perfil.Existe(kIni));
    EXPECT_EQ(Leer("Rebanex", "MsgMax"), "defecto");
    Escribir("Rebanex", "MsgMax", "160");
    EXPECT_EQ(Leer("Otra", "MsgMax"), "defecto");
    EXPECT_EQ(Leer("Rebanex", "Letras"), "defecto");
    EXPECT_EQ(Leer("Rebanex", "Letras", 4), "def");
    EXPECT_EQ(Leer("Rebanex", "Letras", 1), "");
    EXPECT_EQ(Leer("Rebanex", "Letras", 0), "");
}

TEST_F(PerfilEnMemoriaTest, ValoresCortadosAlTamanoMenosUno) {
    Escribir("Rebanex", "MsgMax", "160");
    EXPECT_EQ(Leer("Rebanex", "MsgMax"), "160");
    EXPECT_EQ(Leer("Rebanex", "MsgMax", 4), "160");
    EXPECT_EQ(Leer("Rebanex", "MsgMax", 3), "16");
    EXPECT_EQ(Leer("Rebanex", "MsgMax", 0), "");
}

TEST_F(PerfilEnMemoriaTest, NombresSinDistinguirMayusculasAsciiNiWindows1252) {
    Escribir("Rebanex", "ObtenerTama\xF1oMsg", "0");
    EXPECT_EQ(Leer("REBANEX", "obtenertama\xD1omsg"), "0");
    EXPECT_EQ(Leer("rebanex", "ObtenerTamañoMsg"), "0");
    Escribir("Acentos", "\xE9\x9A\xFF\x9C\x9E", "x");  // é š ÿ œ ž
    EXPECT_EQ(Leer("ACENTOS", "\xC9\x8A\x9F\x8C\x8E"), "x");
    // Different letters stay different: no accent folding, no ß -> SS, no × / ÷ pairing.
    Escribir("Acentos", "a", "1");
    Escribir("Acentos", "\xDF", "2");
    Escribir("Acentos", "\xF7", "3");
    EXPECT_EQ(Leer("Acentos", "\xE1"), "defecto");
    EXPECT_EQ(Leer("Acentos", "SS"), "defecto");
    EXPECT_EQ(Leer("Acentos", "\xD7"), "defecto");
}

TEST_F(PerfilEnMemoriaTest, ClaveNuevaAlFinalDeSuSeccionYSeccionNuevaAlFinal) {
    Escribir("Rebanex", "Inverso", "0");
    Escribir("FicherosReemplazos", "1", "C:\\r.txt");
    Escribir("Rebanex", "AutoReemplazar", "1");
    Escribir("Tercera", "k", "v");
    EXPECT_EQ(perfil.Texto(kIni),
              "[Rebanex]\r\nInverso=0\r\nAutoReemplazar=1\r\n"
              "[FicherosReemplazos]\r\n1=C:\\r.txt\r\n"
              "[Tercera]\r\nk=v\r\n");
}

TEST_F(PerfilEnMemoriaTest, ReescribirCambiaElValorEnSuSitioConSuNombreOriginal) {
    Escribir("Rebanex", "Inverso", "0");
    Escribir("Rebanex", "MsgMax", "160");
    Escribir("rebanex", "INVERSO", "1");
    ASSERT_EQ(perfil.Contenido(kIni).size(), 1u);
    const auto& claves = perfil.Contenido(kIni)[0].claves;
    ASSERT_EQ(claves.size(), 2u);
    EXPECT_EQ(perfil.Contenido(kIni)[0].nombre, "Rebanex");
    EXPECT_EQ(claves[0].nombre, "Inverso");
    EXPECT_EQ(claves[0].valor, "1");
    EXPECT_EQ(claves[1].nombre, "MsgMax");
}

TEST_F(PerfilEnMemoriaTest, ValoresTalCual) {
    Escribir("Rebanex", "Vacia", "");
    Escribir("Rebanex", "Blancos", "  a b  ");
    EXPECT_EQ(Leer("Rebanex", "Vacia"), "");
    EXPECT_EQ(Leer("Rebanex", "Blancos"), "  a b  ");
}

TEST_F(PerfilEnMemoriaTest, SoloLecturaHaceFallarLasEscriturasSinCambiarNada) {
    perfil.SoloLectura(kIni);
    EXPECT_FALSE(perfil.EscribirCadena(kIni, "Rebanex", "Inverso", "0"));
    EXPECT_FALSE(perfil.Existe(kIni));
    EXPECT_TRUE(perfil.Contenido(kIni).empty());

    perfil.SoloLectura(kIni, false);
    Escribir("Rebanex", "Inverso", "0");
    perfil.SoloLectura(kIni);
    EXPECT_FALSE(perfil.EscribirCadena(kIni, "Rebanex", "Inverso", "1"));
    EXPECT_FALSE(perfil.EscribirCadena(kIni, "Otra", "k", "v"));
    EXPECT_EQ(perfil.Texto(kIni), "[Rebanex]\r\nInverso=0\r\n");
    EXPECT_EQ(Leer("Rebanex", "Inverso"), "0");
}

TEST_F(PerfilEnMemoriaTest, CadaFicheroAparte) {
    const std::string otro = "C:\\Rebanex\\mensatel.ini";
    perfil.SoloLectura(otro);
    Escribir("Rebanex", "Inverso", "1");
    EXPECT_FALSE(perfil.Existe(otro));
    EXPECT_EQ(perfil.ObtenerCadena(otro, "Rebanex", "Inverso", "no", 255), "no");
    EXPECT_EQ(perfil.Texto(otro), "");
}

}  // namespace
}  // namespace rebanex
