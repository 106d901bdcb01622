#include "cli/Codificacion.h"

#include <gtest/gtest.h>

namespace rebanex::consola {
namespace {

TEST(TrocearCodificacion, CadaByteDeLaPaginaVaYVuelveIgual) {
    std::string todos;
    for (int b = 0; b < 256; ++b) {
        todos += static_cast<char>(b);
    }
    const std::string utf8 = AUtf8(todos);
    EXPECT_TRUE(EsUtf8Valido(utf8));
    EXPECT_EQ(DeUtf8(utf8), todos);
}

TEST(TrocearCodificacion, LaMitadAltaSigueLaTablaDeWindows) {
    EXPECT_EQ(AUtf8("\x80"), "\xE2\x82\xAC");  // €
    EXPECT_EQ(AUtf8("\x85"), "\xE2\x80\xA6");  // …
    EXPECT_EQ(AUtf8("\x91\x92\x93\x94"), "\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D");
    EXPECT_EQ(AUtf8("\x96\x97"), "\xE2\x80\x93\xE2\x80\x94");  // – —
    EXPECT_EQ(AUtf8("\x99"), "\xE2\x84\xA2");                  // ™
    EXPECT_EQ(AUtf8("\x9F"), "\xC5\xB8");                      // Ÿ
    EXPECT_EQ(AUtf8("\xA0"), "\xC2\xA0");
    EXPECT_EQ(AUtf8("ñÑáÿ"), "\xC3\xB1\xC3\x91\xC3\xA1\xC3\xBF");
    // The five holes of the code page stand for the C1 controls of the same number.
    EXPECT_EQ(AUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(TrocearCodificacion, LoQueLaPaginaNoTieneEsUnaInterrogacionPorCaracter) {
    EXPECT_EQ(DeUtf8("\xC2\x80"), "?");          // U+0080: byte 0x80 is the euro sign
    EXPECT_EQ(DeUtf8("\xC2\x99"), "?");          // U+0099: byte 0x99 is ™
    EXPECT_EQ(DeUtf8("a\xE6\x97\xA5z"), "a?z");  // 日
    EXPECT_EQ(DeUtf8("\xF0\x9F\x98\x80!"), "?!");
    EXPECT_EQ(DeUtf8("\xC5\x81"), "?");  // Ł
}

TEST(TrocearCodificacion, CadaByteDeUnaSecuenciaRotaEsUnaInterrogacion) {
    EXPECT_EQ(DeUtf8("\x80"), "?");         // continuation byte alone
    EXPECT_EQ(DeUtf8("a\xE2\x82"), "a??");  // cut at the end
    EXPECT_EQ(DeUtf8("\xE2\x82"
                     "A"),
              "??A");                               // cut in the middle
    EXPECT_EQ(DeUtf8("\xC0\xAF"), "??");            // overlong "/"
    EXPECT_EQ(DeUtf8("\xE0\x80\x80"), "???");       // overlong
    EXPECT_EQ(DeUtf8("\xED\xA0\x80"), "???");       // surrogate
    EXPECT_EQ(DeUtf8("\xF4\x90\x80\x80"), "????");  // past U+10FFFF
    EXPECT_EQ(DeUtf8("\xF5\xFF\xFE"), "???");
    EXPECT_EQ(DeUtf8("Ram\xF3n"), "Ram?n");  // Windows-1252 given as UTF-8
    EXPECT_EQ(DeUtf8("\xC3\xB3\xC3"), "ó?");
}

TEST(TrocearCodificacion, SoloSeQuitaLaMarcaDeOrdenDelPrincipio) {
    EXPECT_EQ(DeUtf8("\xEF\xBB\xBFhola"), "hola");
    EXPECT_EQ(DeUtf8("\xEF\xBB\xBF"), "");
    EXPECT_EQ(DeUtf8("a\xEF\xBB\xBF"), "a?");
    EXPECT_EQ(DeUtf8(""), "");
}

TEST(TrocearCodificacion, ValidezDeUtf8) {
    EXPECT_TRUE(EsUtf8Valido(""));
    EXPECT_TRUE(EsUtf8Valido("Ram\xC3\xB3n \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(EsUtf8Valido("Ram\xF3n"));
    EXPECT_FALSE(EsUtf8Valido("\xC3"));
    EXPECT_FALSE(EsUtf8Valido("\xED\xBF\xBF"));
}

TEST(TrocearCodificacion, TodoSaltoDeLineaAcabaEnCrLf) {
    EXPECT_EQ(SaltosDeVentana("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(SaltosDeVentana("\r\r\n"), "\r\n\r\n");
    EXPECT_EQ(SaltosDeVentana("\n\r"), "\r\n\r\n");
    EXPECT_EQ(SaltosDeVentana("fin\r"), "fin\r\n");
    EXPECT_EQ(SaltosDeVentana("\r\n\r\n"), "\r\n\r\n");
    EXPECT_EQ(SaltosDeVentana("sin saltos"), "sin saltos");
}

TEST(TrocearCodificacion, CrLfVuelveASerLfEnLaConsola) {
    EXPECT_EQ(SaltosDeConsola("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(SaltosDeConsola("a\rb\nc"), "a\rb\nc");
    EXPECT_EQ(SaltosDeConsola("\r\r\n"), "\r\n");
}

}  // namespace
}  // namespace rebanex::consola
