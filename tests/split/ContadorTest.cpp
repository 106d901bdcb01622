#include <string>

#include <gtest/gtest.h>

#include "split/Contador.h"

namespace rebanex {
namespace {

struct CasoContador {
    const char* nombre;
    std::string mensaje;
    std::string lon;
    std::string esperado;
    std::string separador = ".";
};

class ContadorTest : public ::testing::TestWithParam<CasoContador> {};

TEST_P(ContadorTest, TextoDeStat) {
    const CasoContador& c = GetParam();
    EXPECT_EQ(TextoContador(c.mensaje, c.lon, c.separador), c.esperado);
}

std::string Letras(std::size_t n) {
    return std::string(n, 'a');
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ContadorTest,
    ::testing::Values(CasoContador{"vacio", "", "160", "0 / 0"},
                      CasoContador{"vacio_sin_lon", "", "", "0 / 0"},
                      CasoContador{"uno_mas", Letras(161), "160", "2 / 161"},
                      CasoContador{"justo", Letras(160), "160", "1 / 160"},
                      CasoContador{"doble", Letras(320), "160", "2 / 320"},
                      CasoContador{"lon_vacio", Letras(25), "", "25"},
                      CasoContador{"lon_cero", Letras(25), "0", "25"},
                      CasoContador{"lon_menos_cero", Letras(25), "-0", "25"},
                      CasoContador{"lon_letras", Letras(25), "abc", "25"},
                      CasoContador{"lon_con_cola", Letras(161), "160abc", "2 / 161"},
                      CasoContador{"lon_con_blancos", Letras(161), "  160", "2 / 161"},
                      CasoContador{"lon_decimal", Letras(3), "1.5", "2 / 3"},
                      CasoContador{"negativo", Letras(15), "-10", "0 / 15"},
                      CasoContador{"negativo_entero", Letras(150), "-10", "-15 / 150"},
                      CasoContador{"saltos_cuentan_dos", "a\r\nb", "3", "2 / 4"},
                      CasoContador{"miles", Letras(1234), "1", "1.234 / 1.234"},
                      CasoContador{"miles_coma", Letras(1234), "1", "1,234 / 1,234", ","},
                      CasoContador{"tope_int16", Letras(32767), "1", "32.767 / 32.767"},
                      CasoContador{"mas_que_int16", Letras(32768), "1", "32.768"},
                      CasoContador{"divisor_diminuto", Letras(5),
                                   "0.000000000000000000000000000000000000001", "5"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace rebanex
