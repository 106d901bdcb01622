#include "transforms/Caracteres.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace rebanex::Troceado {
namespace {

std::string Todos256() {
    std::string s;
    for (int c = 0; c < 256; ++c) {
        s += static_cast<char>(c);
    }
    return s;
}

std::string Acentos(std::string texto) {
    QuitarAcentos(texto);
    return texto;
}

std::string Letras(std::string texto, bool mayusculas) {
    CambiarLetras(texto, mayusculas);
    return texto;
}

std::string Espacios(std::string texto) {
    QuitarMultiEspacios(texto);
    return texto;
}

std::string Saltos(std::string texto) {
    QuitarSaltos(texto);
    return texto;
}

TEST(QuitarAcentos, Ejemplos) {
    EXPECT_EQ(Acentos("Árbol ágil, canción"), "Arbol agil, cancion");
    EXPECT_EQ(Acentos("pingüino año"), "pingüino año");
    EXPECT_EQ(Acentos(""), "");
}

TEST(QuitarAcentos, LasVeinteVocalesYNadaMas) {
    EXPECT_EQ(Acentos("áéíóúàèìòù ÁÉÍÓÚÀÈÌÒÙ"), "aeiouaeiou AEIOUAEIOU");
    const std::string intactas = "âêîôûäëïöüÂÊÎÔÛÄËÏÖÜñÑçÇãõýÝ´`¨^ ";
    EXPECT_EQ(Acentos(intactas), intactas);

    // Over every byte, exactly the twenty change.
    const std::string todos = Todos256();
    const std::string sin = Acentos(todos);
    ASSERT_EQ(sin.size(), 256u);
    int cambiados = 0;
    for (int c = 0; c < 256; ++c) {
        cambiados += sin[c] != todos[c];
    }
    EXPECT_EQ(cambiados, 20);
}

TEST(CambiarLetras, Ejemplos) {
    EXPECT_EQ(Letras("ñandú", true), "ÑANDÚ");
    EXPECT_EQ(Letras("ÁRBOL", false), "árbol");
    EXPECT_EQ(Letras("Hola, Qué Tal 123?", true), "HOLA, QUÉ TAL 123?");
    EXPECT_EQ(Letras("Hola, Qué Tal 123?", false), "hola, qué tal 123?");
}

TEST(CambiarLetras, ParejasDeWindows1252) {
    EXPECT_EQ(Letras("šœžÿàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ", true),
              "ŠŒŽŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ");
    EXPECT_EQ(Letras("ŠŒŽŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ", false),
              "šœžÿàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ");
    // Without a partner in this character set, or no letters at all.
    const std::string sinPareja = "ßµªº÷×0189 !¿¡€\t\r\n";
    EXPECT_EQ(Letras(sinPareja, true), sinPareja);
    EXPECT_EQ(Letras(sinPareja, false), sinPareja);
}

TEST(CambiarLetras, TablaCoherente) {
    const std::string todos = Todos256();
    EXPECT_EQ(Letras(todos, true).size(), 256u);
    EXPECT_EQ(Letras(todos, false).size(), 256u);
    for (int i = 0; i < 256; ++i) {
        const char c = static_cast<char>(i);
        const char m = Mayuscula(c);
        const char n = Minuscula(c);
        // Each case change is undone by the other one, and both are idempotent.
        if (m != c) {
            EXPECT_EQ(Minuscula(m), c) << i;
        }
        if (n != c) {
            EXPECT_EQ(Mayuscula(n), c) << i;
        }
        EXPECT_EQ(Mayuscula(m), m) << i;
        EXPECT_EQ(Minuscula(n), n) << i;
    }
    EXPECT_EQ(Letras(todos, true), Letras(Letras(todos, false), true));
}

struct CasoEspacios {
    const char* texto;
    const char* esperado;
};

std::ostream& operator<<(std::ostream& os, const CasoEspacios& c) {
    return os << "'" << c.texto << "'";
}

class QuitarMultiEspaciosTabla : public ::testing::TestWithParam<CasoEspacios> {};

TEST_P(QuitarMultiEspaciosTabla, DaElTextoEsperado) {
    EXPECT_EQ(Espacios(GetParam().texto), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, QuitarMultiEspaciosTabla,
                         ::testing::Values(CasoEspacios{"a    b", "a b"},
                                           CasoEspacios{"  a  ", " a "}, CasoEspacios{"    ", " "},
                                           CasoEspacios{" ", " "}, CasoEspacios{"", ""},
                                           CasoEspacios{"a b  c   d", "a b c d"},
                                           // Only code 32 counts.
                                           CasoEspacios{"a\tb", "a\tb"},
                                           CasoEspacios{"a \r\n b", "a \r\n b"},
                                           CasoEspacios{"a \t  b", "a \t b"}));

TEST(QuitarSaltos, TabuladoresYParesCrLf) {
    EXPECT_EQ(Saltos("a\tb"), "a b");
    EXPECT_EQ(Saltos("hola\r\nque tal\r\n"), "hola que tal ");
    EXPECT_EQ(Saltos("\t\t\r\n\r\n"), "    ");
    // Lone CR and LF stay; only a CR followed by LF is a pair.
    EXPECT_EQ(Saltos("a\rb\nc"), "a\rb\nc");
    EXPECT_EQ(Saltos("a\n\rb"), "a\n\rb");
    EXPECT_EQ(Saltos("a\r\r\nb"), "a\r b");
    EXPECT_EQ(Saltos("a\r\t\nb"), "a\r \nb");
}

}  // namespace
}  // namespace rebanex::Troceado
