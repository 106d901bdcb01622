#include "cli/Codificacion.h"

#include <gtest/gtest.h>

#include "cli/Salida.h"

namespace rebanex::consola {
namespace {

TEST(TrocearCodificacion, SaltosDeLinea) {
    EXPECT_EQ(SaltosDeVentana("a\nb\r\nc\rd\r\r\n\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n\r\n\r\n");
    EXPECT_EQ(SaltosDeConsola("a\r\nb\rc\nd\r\r\n"), "a\nb\rc\nd\r\n");
}

TEST(TrocearSalida, TextoAvisoYJson) {
    EXPECT_EQ(Salida(CodificacionConsola::Utf8).Texto("año\r\n€\r"), "a\xC3\xB1o\n\xE2\x82\xAC\r");
    EXPECT_EQ(Salida(CodificacionConsola::Cp1252).Texto("año\r\n€\r"), "año\r\n€\r");
    EXPECT_EQ(TextoAviso(Aviso{"uno\r\rdos\r", "Epp.... Cuidadín!!"}),
              "Epp.... Cuidadín!!: uno\n\ndos\n");
    EXPECT_EQ(TrozosJson({}), "{\"trozos\": []}");
    EXPECT_EQ(TrozosJson({"di \"hola\" \\ ya", "", "a\r\nb\tc\x01\x1F/\x7F", "año €"}),
              "{\"trozos\": [\"di \\\"hola\\\" \\\\ ya\", \"\", "
              "\"a\\r\\nb\\tc\\u0001\\u001F/\x7F\", \"a\xC3\xB1o \xE2\x82\xAC\"]}");
}

}  // namespace
}  // namespace rebanex::consola
