#include "transforms/Caracteres.h"

#include <gtest/gtest.h>

#include <string>

namespace rebanex::Troceado {
namespace {

std::string Aplicado(void (*transformar)(std::string&), std::string texto) {
    transformar(texto);
    return texto;
}

std::string Letras(std::string texto, bool mayusculas) {
    CambiarLetras(texto, mayusculas);
    return texto;
}

std::string Todos256() {
    std::string s;
    for (int c = 0; c < 256; ++c) {
        s += static_cast<char>(c);
    }
    return s;
}

TEST(QuitarAcentos, LasVeinteVocalesYNadaMas) {
    EXPECT_EQ(Aplicado(QuitarAcentos, "áéíóúàèìòù ÁÉÍÓÚÀÈÌÒÙ"), "aeiouaeiou AEIOUAEIOU");
    // Over every byte, exactly those twenty change (not ü, not ñ).
    const std::string todos = Todos256();
    const std::string sin = Aplicado(QuitarAcentos, todos);
    int cambiados = 0;
    for (int c = 0; c < 256; ++c) {
        cambiados += sin[c] != todos[c];
    }
    EXPECT_EQ(cambiados, 20);
}

TEST(CambiarLetras, TodoElTextoConLasParejasDeWindows1252) {
    const std::string minusculas = "abcxyzšœžÿàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ";
    const std::string mayusculas = "ABCXYZŠŒŽŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ";
    EXPECT_EQ(Letras(minusculas, true), mayusculas);
    EXPECT_EQ(Letras(mayusculas, false), minusculas);
    // Without a partner in this character set, or no letters at all.
    const std::string sinPareja = "ßµªº÷×0189 !¿¡€\t\r\n";
    EXPECT_EQ(Letras(sinPareja, true), sinPareja);
    EXPECT_EQ(Letras(sinPareja, false), sinPareja);
    // Each change of case is undone by the other one, so the two tables agree.
    const std::string todos = Todos256();
    EXPECT_EQ(Letras(Letras(todos, false), true), Letras(todos, true));
    EXPECT_EQ(Letras(Letras(todos, true), false), Letras(todos, false));
}

TEST(QuitarMultiEspacios, CadaRachaDeEspaciosEsUno) {
    const std::pair<const char*, const char*> casos[] = {{"a    b", "a b"},
                                                         {"  a  ", " a "},
                                                         {"    ", " "},
                                                         {" ", " "},
                                                         {"", ""},
                                                         // Only code 32 counts.
                                                         {"a\tb", "a\tb"},
                                                         {"a \r\n b", "a \r\n b"},
                                                         {"a \t  b", "a \t b"}};
    for (const auto& [texto, esperado] : casos) {
        EXPECT_EQ(Aplicado(QuitarMultiEspacios, texto), esperado) << '"' << texto << '"';
    }
}

TEST(QuitarSaltos, TabuladoresYParesCrLf) {
    EXPECT_EQ(Aplicado(QuitarSaltos, "hola\r\nque\ttal\r\n"), "hola que tal ");
    // Lone CR and LF stay; only a CR followed by LF is a pair.
    EXPECT_EQ(Aplicado(QuitarSaltos, "a\rb\nc\n\rd"), "a\rb\nc\n\rd");
    EXPECT_EQ(Aplicado(QuitarSaltos, "a\r\r\nb"), "a\r b");
    EXPECT_EQ(Aplicado(QuitarSaltos, "a\r\t\nb"), "a\r \nb");  // tabs go first
}

}  // namespace
}  // namespace rebanex::Troceado
