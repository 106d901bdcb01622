#include "transforms/Reemplazar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace rebanex::Troceado {
namespace {

struct CasoReemplazo {
    const char* texto;
    const char* buscar;
    const char* sustituto;
    int16_t ajuste;
    const char* esperado;
};

TEST(ReemplazarTodo, Tabla) {
    const CasoReemplazo casos[] = {
        // Inserted text is not searched again with adjustment 0; the match is exact.
        {"aaa", "a", "aa", 0, "aaaaaa"},
        {"aaa", "A", "aa", 0, "aaa"},
        {"a-b-c", "-", "", 0, "abc"},
        {"abc", "", "x", 0, "abc"},  // an empty search text does nothing
        {"", "a", "b", 0, ""},
        // Adjustment -1 collapses a run in one call; 0 only halves it.
        {"a    b", "  ", " ", -1, "a b"},
        {"a    b", "  ", " ", 0, "a  b"},
        // The restart inside the substitute can match across into the untouched text.
        {"aabbb", "ab", "a", -1, "aa"},
        {"xxxx", "x", "y", 1, "yxyx"},
        {"aaa", "a", "b", 32767, "baa"},
        // Adjustments that would search a growing substitute for ever are held back.
        {"ab", "b", "bb", -1, "abb"},
        {"a      b", "  ", " ", -32768, "a b"},
    };
    for (const CasoReemplazo& c : casos) {
        std::string texto = c.texto;
        if (c.ajuste == 0) {
            Reemplazar(texto, c.buscar, c.sustituto);
        } else {
            ReemplazarTodo(texto, c.buscar, c.sustituto, c.ajuste);
        }
        EXPECT_EQ(texto, c.esperado) << c.texto << " / " << c.buscar << " / " << c.ajuste;
    }
}

// The rule done the obvious way, rebuilding the whole text at every match (with the same
// hold on the adjustment); the real one must agree without the rebuilds.
std::string ReemplazoPasoAPaso(std::string texto, const std::string& buscar,
                               const std::string& sustituto, int ajuste) {
    long long desde = 0;
    for (;;) {
        const std::size_t p = texto.find(buscar, static_cast<std::size_t>(desde));
        if (p == std::string::npos) {
            return texto;
        }
        texto = texto.substr(0, p) + sustituto + texto.substr(p + buscar.size());
        const auto fin = static_cast<long long>(p + sustituto.size());
        desde = std::max({fin + ajuste, fin - static_cast<long long>(buscar.size()) + 1, 0LL});
    }
}

TEST(ReemplazarTodo, CoincideConLaReconstruccionPasoAPaso) {
    std::mt19937 azar(20020101);
    const auto cadena = [&](int maximo) {
        std::string s(std::uniform_int_distribution<int>(0, maximo)(azar), ' ');
        for (char& c : s) {
            c = "ab "[std::uniform_int_distribution<int>(0, 2)(azar)];
        }
        return s;
    };
    for (int i = 0; i < 3000; ++i) {
        const std::string texto = cadena(20);
        const std::string buscar = "a" + cadena(2);
        const std::string sustituto = cadena(4);
        const int ajuste = std::uniform_int_distribution<int>(-4, 2)(azar);
        std::string real = texto;
        ReemplazarTodo(real, buscar, sustituto, static_cast<int16_t>(ajuste));
        ASSERT_EQ(real, ReemplazoPasoAPaso(texto, buscar, sustituto, ajuste))
            << "'" << texto << "' '" << buscar << "' '" << sustituto << "' " << ajuste;
    }
}

TEST(ReemplazarTodo, ArgumentosQueVenDelPropioTextoYTextosLargos) {
    std::string texto = "abcabc";
    const std::string_view vista(texto);
    Reemplazar(texto, vista.substr(0, 1), vista.substr(1, 2));
    EXPECT_EQ(texto, "bcbcbcbc");

    // A rebuild per match would copy this text some 200 000 times.
    std::string espacios(400000, ' ');
    ReemplazarTodo(espacios, "  ", " ", -1);
    EXPECT_EQ(espacios, " ");
}

}  // namespace
}  // namespace rebanex::Troceado
