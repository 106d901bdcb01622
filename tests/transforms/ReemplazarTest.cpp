#include "transforms/Reemplazar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
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

std::ostream& operator<<(std::ostream& os, const CasoReemplazo& c) {
    return os << "'" << c.texto << "' '" << c.buscar << "' -> '" << c.sustituto << "' ajuste "
              << c.ajuste;
}

class ReemplazarTodoTabla : public ::testing::TestWithParam<CasoReemplazo> {};

TEST_P(ReemplazarTodoTabla, DaElTextoEsperado) {
    const CasoReemplazo& c = GetParam();
    std::string texto = c.texto;
    ReemplazarTodo(texto, c.buscar, c.sustituto, c.ajuste);
    EXPECT_EQ(texto, c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ReemplazarTodoTabla,
    ::testing::Values(
        // Inserted text is not searched again with adjustment 0.
        CasoReemplazo{"aaa", "a", "aa", 0, "aaaaaa"},
        // Exact, case-sensitive comparison.
        CasoReemplazo{"aaa", "A", "aa", 0, "aaa"},
        // An empty substitute deletes.
        CasoReemplazo{"a-b-c", "-", "", 0, "abc"}, CasoReemplazo{"", "a", "b", 0, ""},
        CasoReemplazo{"abc", "", "x", 0, "abc"}, CasoReemplazo{"abc", "abcd", "x", 0, "abc"},
        CasoReemplazo{"abc", "abc", "", 0, ""},
        // Adjustment -1 collapses a run in one call; 0 only halves it.
        CasoReemplazo{"a    b", "  ", " ", -1, "a b"},
        CasoReemplazo{"a    b", "  ", " ", 0, "a  b"},
        // The restart inside the substitute can match across into the untouched text.
        CasoReemplazo{"aabbb", "ab", "a", -1, "aa"},
        // A positive adjustment skips text after the substitute.
        CasoReemplazo{"xxxx", "x", "y", 1, "yxyx"}, CasoReemplazo{"aaa", "a", "b", 32767, "baa"},
        // Adjustments that would loop for ever are held back, and the call ends.
        CasoReemplazo{"ab", "b", "bb", -1, "abb"}, CasoReemplazo{"aaa", "a", "aa", -2, "aaaaaa"},
        CasoReemplazo{"a      b", "  ", " ", -32768, "a b"}));

// The same rule done the obvious way, rebuilding the whole text at every match; the real
// one must agree without the rebuilds.
std::string ReemplazoPasoAPaso(std::string texto, const std::string& buscar,
                               const std::string& sustituto, int ajuste) {
    long long desde = 0;
    for (;;) {
        const std::size_t p = texto.find(buscar, static_cast<std::size_t>(desde));
        if (p == std::string::npos) {
            return texto;
        }
        texto = texto.substr(0, p) + sustituto + texto.substr(p + buscar.size());
        const long long p2 = static_cast<long long>(p + sustituto.size());
        desde = std::max({p2 + ajuste, p2 - static_cast<long long>(buscar.size()) + 1, 0LL});
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
        std::string buscar(1, 'a');  // never empty
        buscar += cadena(2);
        const std::string sustituto = cadena(4);
        const int ajuste = std::uniform_int_distribution<int>(-4, 2)(azar);
        std::string real = texto;
        ReemplazarTodo(real, buscar, sustituto, static_cast<int16_t>(ajuste));
        ASSERT_EQ(real, ReemplazoPasoAPaso(texto, buscar, sustituto, ajuste))
            << "texto '" << texto << "' buscar '" << buscar << "' sustituto '" << sustituto
            << "' ajuste " << ajuste;
    }
}

TEST(ReemplazarTodo, ArgumentosQueVenDelPropioTexto) {
    std::string texto = "abcabc";
    const std::string_view vista(texto);
    ReemplazarTodo(texto, vista.substr(0, 1), vista.substr(1, 2), 0);
    EXPECT_EQ(texto, "bcbcbcbc");
}

TEST(ReemplazarTodo, TextoLargoEnTiempoLineal) {
    // A rebuild per match would copy this text some 200 000 times.
    std::string texto(400000, ' ');
    ReemplazarTodo(texto, "  ", " ", -1);
    EXPECT_EQ(texto, " ");

    std::string guiones;
    for (int i = 0; i < 200000; ++i) {
        guiones += "a-";
    }
    Reemplazar(guiones, "-", "");
    EXPECT_EQ(guiones, std::string(200000, 'a'));
}

TEST(Reemplazar, EsElAjusteCero) {
    std::string texto = "a    b";
    Reemplazar(texto, "  ", " ");
    EXPECT_EQ(texto, "a  b");
}

}  // namespace
}  // namespace rebanex::Troceado
