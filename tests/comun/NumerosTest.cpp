#include "comun/Numeros.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace rebanex {
namespace {

constexpr double kInfinito = std::numeric_limits<double>::infinity();
const std::string kEnorme = std::string(400, '9');

TEST(Numeros, ValorNumericoLeeElNumeroDelPrincipio) {
    const std::pair<std::string, double> casos[] = {{"160", 160},
                                                    {"160abc", 160},
                                                    {"12.7", 12.7},
                                                    {".5", 0.5},
                                                    {"5.", 5},
                                                    {"-", 0},
                                                    {"", 0},
                                                    {"abc", 0},
                                                    {".", 0},
                                                    {"  42", 42},
                                                    {"\t 7x", 7},
                                                    {"+5", 5},
                                                    {"-.5", -0.5},
                                                    {"1.2.3", 1.2},
                                                    {"12 3", 12},
                                                    {"- 5", 0},
                                                    {"+-5", 0},
                                                    {"0x10", 0},
                                                    {"1e3", 1},
                                                    {"\r\n5", 0},
                                                    {kEnorme, kInfinito},
                                                    {"-" + kEnorme, -kInfinito},
                                                    {"0.000001", 1e-6},
                                                    {"0." + std::string(400, '0') + "1", 0}};
    for (const auto& [texto, valor] : casos) {
        EXPECT_EQ(ValorNumerico(texto), valor) << '"' << texto << '"';
    }
    EXPECT_FALSE(std::signbit(ValorNumerico("-0")));
}

TEST(Numeros, ValorSiNoQuiereUnNumeroEnteroDistintoDeCero) {
    const std::string si[] = {"1",  "-1",  " 2 ",  "\t+5\t", ".5",
                              "5.", "1e3", "1E+3", "1e999",  kEnorme};
    for (const std::string& texto : si) {
        EXPECT_TRUE(ValorSiNo(texto)) << '"' << texto << '"';
    }
    const std::string no[] = {"0", "0.0",  "0e5", "1e-999", "si", "",    "-",
                              ".", "1abc", "1 1", "1e",     "e5", "1e-x"};
    for (const std::string& texto : no) {
        EXPECT_FALSE(ValorSiNo(texto)) << '"' << texto << '"';
    }
}

TEST(Numeros, RedondearParConMitadesAlParYLimitesDeInt32) {
    const std::pair<double, int32_t> casos[] = {{2.5, 2},
                                                {3.5, 4},
                                                {-2.5, -2},
                                                {-0.5, 0},
                                                {2.5000001, 3},
                                                {-1.6, -2},
                                                {2147483646.5, 2147483646},
                                                {2147483647.5, INT32_MAX},
                                                {-2147483648.5, INT32_MIN},
                                                {kInfinito, INT32_MAX},
                                                {-kInfinito, INT32_MIN},
                                                {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [valor, redondeado] : casos) {
        EXPECT_EQ(RedondearPar(valor), redondeado) << valor;
    }
    // The variant for callers that keep their old value refuses instead of clamping.
    EXPECT_EQ(RedondearParSiCabe(2147483647.4), INT32_MAX);
    EXPECT_EQ(RedondearParSiCabe(-2147483648.5), INT32_MIN);
    EXPECT_EQ(RedondearParSiCabe(2147483647.5), std::nullopt);
    EXPECT_EQ(RedondearParSiCabe(-2147483648.6), std::nullopt);
    EXPECT_EQ(RedondearParSiCabe(kInfinito), std::nullopt);
    EXPECT_EQ(RedondearParSiCabe(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(Numeros, DecimalYDecimalAgrupado) {
    EXPECT_EQ(DecimalAgrupado(999, "."), "999");
    EXPECT_EQ(DecimalAgrupado(1000, "."), "1.000");
    EXPECT_EQ(DecimalAgrupado(1234567, ","), "1,234,567");
    EXPECT_EQ(DecimalAgrupado(-1234, "."), "-1.234");
    EXPECT_EQ(DecimalAgrupado(1234, ""), "1234");
    EXPECT_EQ(DecimalAgrupado(LLONG_MIN, "."), "-9.223.372.036.854.775.808");
}

}  // namespace
}  // namespace rebanex
