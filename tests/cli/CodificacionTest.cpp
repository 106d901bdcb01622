#include "cli/Codificacion.h"

#include <gtest/gtest.h>

#include "cli/Salida.h"

namespace rebanex::consola {
namespace {

TEST(TrocearCodificacion, Windows1252AUtf8YVuelta) {
    std::string todos;
    for (int b = 0; b < 256; ++b) {
        todos += static_cast<char>(b);
    }
    EXPECT_TRUE(EsUtf8Valido(AUtf8(todos)));
    EXPECT_EQ(DeUtf8(AUtf8(todos)), todos);
    EXPECT_EQ(AUtf8("\x80\x85\x9F\xA0ñ"), "\xE2\x82\xAC\xE2\x80\xA6\xC5\xB8\xC2\xA0\xC3\xB1");
    // The five holes of the code page stand for the C1 controls of the same number.
    EXPECT_EQ(AUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(TrocearCodificacion, LoQueNoCabeOEstaRotoEsUnaInterrogacionPorByte) {
    const std::pair<std::string, std::string> casos[] = {
        {"\xC2\x80", "?"},            // U+0080: byte 0x80 is the euro sign
        {"a\xE6\x97\xA5z", "a?z"},    // 日
        {"\xF0\x9F\x98\x80!", "?!"},  // beyond the plane
        {"a\xE2\x82", "a??"},         // cut at the end
        {"\xE2\x82"
         "A",
         "??A"},                       // cut in the middle
        {"\xC0\xAF", "??"},            // overlong
        {"\xED\xA0\x80", "???"},       // surrogate
        {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
        {"Ram\xF3n", "Ram?n"},         // Windows-1252 given as UTF-8
        {"\xEF\xBB\xBFhola", "hola"},  // a leading byte order mark goes
        {"a\xEF\xBB\xBF", "a?"},       // only there
    };
    for (const auto& [utf8, cp1252] : casos) {
        EXPECT_EQ(DeUtf8(utf8), cp1252);
    }
}

TEST(TrocearCodificacion, ValidezDeUtf8) {
    EXPECT_TRUE(EsUtf8Valido(""));
    EXPECT_TRUE(EsUtf8Valido("Ram\xC3\xB3n \xE2\x82\xAC \xF0\x9F\x98\x80"));
    for (const char* roto : {"Ram\xF3n", "\xC3", "\xC0\xAF", "\xED\xBF\xBF", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(EsUtf8Valido(roto)) << roto;
    }
}

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
