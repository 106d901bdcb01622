#include <gtest/gtest.h>

#include <string>

#include "transforms/Reemplazos.h"

namespace rebanex::Troceado {
namespace {

TEST(EsSeparador, LosVeintiseisYLosBordesDelTexto) {
    const std::string separadores = " .,:!¡\"&%$/\\*#?¿(){}[]<>_-";
    int cuantos = 0;
    for (int c = 0; c < 256; ++c) {
        const std::string uno(1, static_cast<char>(c));
        EXPECT_EQ(EsSeparador(uno, 1), separadores.find(uno) != std::string::npos) << c;
        cuantos += EsSeparador(uno, 1);
    }
    EXPECT_EQ(cuantos, 26);
    EXPECT_TRUE(EsSeparador("abc", 0));
    EXPECT_TRUE(EsSeparador("abc", -5));
    EXPECT_TRUE(EsSeparador("abc", 4));
    EXPECT_FALSE(EsSeparador("abc", 3));
}

struct CasoPalabra {
    int32_t tipo;
    const char* buscar;
    const char* reemplazo;
    const char* texto;
    const char* esperado;
};

TEST(ReemplazarPalabra, Tabla) {
    const CasoPalabra casos[] = {
        // Whole words, any letter case; capitals when the occurrence starts with one.
        {PalabraCompleta, "que", "q", "que Que QUE qUE", "q Q Q q"},
        {PalabraCompleta, "porque", "xp", "Porque", "XP"},
        {PalabraCompleta, "que", "q", "queso porquería ¿que? que;", "queso porquería ¿q? que;"},
        {PalabraCompleta, "que", "q", "hola\r\nque", "hola\r\nque"},
        {PalabraCompleta, "que", "", "a que b", "a  b"},
        {PalabraCompleta, "árbol", "arb", "ÁRBOL árbol", "ARB arb"},
        {PalabraCompleta, "1a", "uno", "1A", "uno"},            // a digit is never a capital
        {PalabraCompleta, "que", "que que", "que", "que que"},  // not searched again
        {PalabraCompleta, "aa", "b", "aaa aa", "aaa b"},  // a failed candidate moves on by one
        {Prefijo, "de", "d", "dedo de cadena", "ddo d cadena"},
        {Prefijo, "de", "d", "De-de", "D-d"},
        {Sufijo, "ca", "k", "saca Saca SACA cable", "sak Sak SAK cable"},
        // The word test looks at the text as this rule has already changed it.
        {Prefijo, "a", "-", "aa", "--"},
        {Prefijo, "a", "", "aa", ""},
        // Nothing to look for, or a kind that never qualifies.
        {PalabraCompleta, "", "x", "a b", "a b"},
        {3, "a", "x", "a b", "a b"},
    };
    for (const CasoPalabra& c : casos) {
        std::string texto = c.texto;
        ReemplazarPalabra(c.tipo, texto, c.buscar, c.reemplazo);
        EXPECT_EQ(texto, c.esperado) << c.tipo << " " << c.buscar << " en " << c.texto;
    }
}

TEST(ReemplazarPalabra, TextoLargoEnTiempoLineal) {
    std::string texto, esperado;
    for (int i = 0; i < 100000; ++i) {
        texto += "que ";
        esperado += "q ";
    }
    ReemplazarPalabra(PalabraCompleta, texto, "que", "q");
    EXPECT_EQ(texto, esperado);
}

}  // namespace
}  // namespace rebanex::Troceado
