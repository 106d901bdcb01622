#include "cli/Salida.h"

#include <gtest/gtest.h>

namespace rebanex::consola {
namespace {

TEST(TrocearSalida, Utf8ConvierteTextoYSaltos) {
    const Salida s(CodificacionConsola::Utf8);
    EXPECT_EQ(s.Texto("año\r\n€"), "a\xC3\xB1o\n\xE2\x82\xAC");
    EXPECT_EQ(s.Salto(), "\n");
}

TEST(TrocearSalida, Cp1252DejaLosBytes) {
    const Salida s(CodificacionConsola::Cp1252);
    EXPECT_EQ(s.Texto("año\r\n€\r"), "año\r\n€\r");
    EXPECT_EQ(s.Salto(), "\r\n");
}

TEST(TrocearSalida, UnAvisoEsTituloDosPuntosYTextoConSaltos) {
    Aviso aviso;
    aviso.titulo = "Epp.... Cuidadín!!";
    aviso.texto = "uno\r\rdos\r";
    EXPECT_EQ(TextoAviso(aviso), "Epp.... Cuidadín!!: uno\n\ndos\n");
}

TEST(TrocearSalida, JsonEscapaYVaEnUtf8) {
    EXPECT_EQ(TrozosJson({}), "{\"trozos\": []}");
    EXPECT_EQ(TrozosJson({"1/2 a", ""}), "{\"trozos\": [\"1/2 a\", \"\"]}");
    EXPECT_EQ(TrozosJson({"di \"hola\" \\ ya"}), R"({"trozos": ["di \"hola\" \\ ya"]})");
    EXPECT_EQ(TrozosJson({"a\r\nb\tc\x01\x1F"}), R"({"trozos": ["a\r\nb\tc\u0001\u001F"]})");
    EXPECT_EQ(TrozosJson({"año €"}), "{\"trozos\": [\"a\xC3\xB1o \xE2\x82\xAC\"]}");
    EXPECT_EQ(TrozosJson({"/\x7F"}), "{\"trozos\": [\"/\x7F\"]}");
}

}  // namespace
}  // namespace rebanex::consola
