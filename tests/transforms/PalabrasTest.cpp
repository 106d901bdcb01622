#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "transforms/Reemplazos.h"

namespace rebanex::Troceado {
namespace {

TEST(EsSeparador, LosVeintiseis) {
    const std::string separadores = " .,:!¡\"&%$/\\*#?¿(){}[]<>_-";
    ASSERT_EQ(separadores.size(), 26u);
    for (char c : separadores) {
        EXPECT_TRUE(EsSeparador(std::string(1, c), 1)) << c;
    }
    int cuantos = 0;
    for (int c = 0; c < 256; ++c) {
        cuantos += EsSeparador(std::string(1, static_cast<char>(c)), 1);
    }
    EXPECT_EQ(cuantos, 26);
    for (const char* no : {"\t", "\r", "\n", ";", "'", "+", "=", "0", "a", "ñ", "@", "|", "~"}) {
        EXPECT_FALSE(EsSeparador(no, 1)) << no;
    }
}

TEST(EsSeparador, FueraDelTextoEsLimiteDePalabra) {
    EXPECT_TRUE(EsSeparador("abc", 0));
    EXPECT_TRUE(EsSeparador("abc", -5));
    EXPECT_TRUE(EsSeparador("abc", 4));
    EXPECT_TRUE(EsSeparador("", 1));
    EXPECT_FALSE(EsSeparador("abc", 1));
    EXPECT_FALSE(EsSeparador("abc", 3));
    EXPECT_TRUE(EsSeparador("a-c", 2));
}

struct CasoPalabra {
    int32_t tipo;
    const char* buscar;
    const char* reemplazo;
    const char* texto;
    const char* esperado;
};

std::ostream& operator<<(std::ostream& os, const CasoPalabra& c) {
    return os << "tipo " << c.tipo << " '" << c.buscar << "' -> '" << c.reemplazo << "' en '"
              << c.texto << "'";
}

class ReemplazarPalabraTabla : public ::testing::TestWithParam<CasoPalabra> {};

TEST_P(ReemplazarPalabraTabla, DaElTextoEsperado) {
    const CasoPalabra& c = GetParam();
    std::string texto = c.texto;
    ReemplazarPalabra(c.tipo, texto, c.buscar, c.reemplazo);
    EXPECT_EQ(texto, c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ReemplazarPalabraTabla,
    ::testing::Values(
        // Whole words, any letter case; capitals when the occurrence starts with one.
        CasoPalabra{PalabraCompleta, "que", "q", "que Que QUE qUE", "q Q Q q"},
        CasoPalabra{PalabraCompleta, "porque", "xp", "Porque", "XP"},
        CasoPalabra{PalabraCompleta, "que", "q", "queso porquería", "queso porquería"},
        CasoPalabra{PalabraCompleta, "que", "q", "¿que?", "¿q?"},
        CasoPalabra{PalabraCompleta, "que", "q", "que;", "que;"},
        CasoPalabra{PalabraCompleta, "que", "q", "hola\r\nque", "hola\r\nque"},
        CasoPalabra{PalabraCompleta, "por", "x", "por favor", "x favor"},
        CasoPalabra{PalabraCompleta, "que", "", "a que b", "a  b"},
        CasoPalabra{PalabraCompleta, "árbol", "arb", "ÁRBOL árbol", "ARB arb"},
        // A first character without case is never a capital.
        CasoPalabra{PalabraCompleta, "1a", "uno", "1A", "uno"},
        // The replacement is not searched again by the same rule.
        CasoPalabra{PalabraCompleta, "que", "que que", "que", "que que"},
        // After a failed candidate the search moves one character on.
        CasoPalabra{PalabraCompleta, "aa", "b", "aaa aa", "aaa b"},
        // Prefixes.
        CasoPalabra{Prefijo, "de", "d", "dedo", "ddo"},
        CasoPalabra{Prefijo, "de", "d", "dedo de", "ddo d"},
        CasoPalabra{Prefijo, "de", "d", "cadena", "cadena"},
        CasoPalabra{Prefijo, "de", "d", "De-de", "D-d"},
        // Suffixes.
        CasoPalabra{Sufijo, "ca", "k", "saca", "sak"},
        CasoPalabra{Sufijo, "ca", "k", "Saca", "Sak"},
        CasoPalabra{Sufijo, "ca", "k", "SACA", "SAK"},
        CasoPalabra{Sufijo, "ca", "k", "cable", "cable"},
        // The word test looks at the text as already changed by this rule.
        CasoPalabra{Prefijo, "a", "-", "aa", "--"}, CasoPalabra{Prefijo, "a", "b", "-aa", "-ba"},
        CasoPalabra{Prefijo, "a", "", "aa", ""},
        // Nothing to look for, or a kind that never qualifies.
        CasoPalabra{PalabraCompleta, "", "x", "a b", "a b"}, CasoPalabra{3, "a", "x", "a b", "a b"},
        CasoPalabra{-1, "a", "x", "a b", "a b"}));

TEST(ReemplazarPalabra, TextoLargoEnTiempoLineal) {
    std::string texto;
    for (int i = 0; i < 100000; ++i) {
        texto += "que ";
    }
    ReemplazarPalabra(PalabraCompleta, texto, "que", "q");
    std::string esperado;
    for (int i = 0; i < 100000; ++i) {
        esperado += "q ";
    }
    EXPECT_EQ(texto, esperado);
}

}  // namespace
}  // namespace rebanex::Troceado
