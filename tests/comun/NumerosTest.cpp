#include "comun/Numeros.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace rebanex {
namespace {

constexpr double kInfinito = std::numeric_limits<double>::infinity();

struct CasoValor {
    std::string texto;
    double valor;
};

void PrintTo(const CasoValor& c, std::ostream* os) {
    *os << '"' << c.texto << '"';
}

class NumerosValorNumerico : public ::testing::TestWithParam<CasoValor> {};

TEST_P(NumerosValorNumerico, LeeElNumeroDelPrincipio) {
    EXPECT_EQ(ValorNumerico(GetParam().texto), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, NumerosValorNumerico,
    ::testing::Values(CasoValor{"160", 160}, CasoValor{"160abc", 160}, CasoValor{"12.7", 12.7},
                      CasoValor{".5", 0.5}, CasoValor{"5.", 5}, CasoValor{"-", 0}, CasoValor{"", 0},
                      CasoValor{"abc", 0}, CasoValor{".", 0}, CasoValor{"-.", 0},
                      CasoValor{"  42", 42}, CasoValor{"\t 7x", 7}, CasoValor{"+5", 5},
                      CasoValor{"-3.25", -3.25}, CasoValor{"-.5", -0.5}, CasoValor{"007", 7},
                      CasoValor{"1.2.3", 1.2}, CasoValor{"12 3", 12}, CasoValor{"- 5", 0},
                      CasoValor{"+-5", 0}, CasoValor{"0x10", 0}, CasoValor{"1e3", 1},
                      CasoValor{"\r\n5", 0}, CasoValor{"0.1", 0.1},
                      CasoValor{"123456789012", 123456789012.0},
                      CasoValor{std::string("1") + std::string(400, '0'), kInfinito},
                      CasoValor{std::string("-1") + std::string(400, '0'), -kInfinito},
                      CasoValor{"0." + std::string(400, '0') + "1", 0}));

class NumerosConExponente : public ::testing::TestWithParam<CasoValor> {};

TEST_P(NumerosConExponente, LeeTambienElExponente) {
    EXPECT_EQ(ValorNumericoConExponente(GetParam().texto), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, NumerosConExponente,
    ::testing::Values(CasoValor{"1e3", 1000}, CasoValor{"1E+3", 1000}, CasoValor{"2e-1", 0.2},
                      CasoValor{" -1.5e2x", -150}, CasoValor{".5e1", 5}, CasoValor{"1e", 1},
                      CasoValor{"1e+", 1}, CasoValor{"1e-x", 1}, CasoValor{"e5", 0},
                      CasoValor{"0e5", 0}, CasoValor{"1", 1}, CasoValor{"si", 0}, CasoValor{"", 0},
                      CasoValor{"1e999", kInfinito}, CasoValor{"-1e999", -kInfinito},
                      CasoValor{"1e-999", 0}, CasoValor{"0.0001e99999999999999", kInfinito}));

TEST(NumerosValorNumericoCero, NuncaDevuelveCeroNegativo) {
    EXPECT_FALSE(std::signbit(ValorNumerico("-0")));
    EXPECT_FALSE(std::signbit(ValorNumericoConExponente("-1e-999")));
}

struct CasoRedondeo {
    double valor;
    int32_t redondeado;
};

class NumerosRedondearPar : public ::testing::TestWithParam<CasoRedondeo> {};

TEST_P(NumerosRedondearPar, MitadesAlParYLimitesDeInt32) {
    EXPECT_EQ(RedondearPar(GetParam().valor), GetParam().redondeado) << GetParam().valor;
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, NumerosRedondearPar,
    ::testing::Values(CasoRedondeo{2.5, 2}, CasoRedondeo{3.5, 4}, CasoRedondeo{0.5, 0},
                      CasoRedondeo{1.5, 2}, CasoRedondeo{-2.5, -2}, CasoRedondeo{-3.5, -4},
                      CasoRedondeo{-0.5, 0}, CasoRedondeo{2.4999, 2}, CasoRedondeo{2.5000001, 3},
                      CasoRedondeo{-0.4, 0}, CasoRedondeo{-1.6, -2}, CasoRedondeo{160, 160},
                      CasoRedondeo{2147483646.5, 2147483646}, CasoRedondeo{2147483647.4, INT32_MAX},
                      CasoRedondeo{2147483647.5, INT32_MAX}, CasoRedondeo{3e9, INT32_MAX},
                      CasoRedondeo{-3e9, INT32_MIN}, CasoRedondeo{-2147483648.5, INT32_MIN},
                      CasoRedondeo{kInfinito, INT32_MAX}, CasoRedondeo{-kInfinito, INT32_MIN},
                      CasoRedondeo{std::numeric_limits<double>::quiet_NaN(), 0}));

TEST(NumerosRedondearParSiCabe, RechazaLoQueNoCabeTrasRedondear) {
    EXPECT_EQ(RedondearParSiCabe(2.5), 2);
    EXPECT_EQ(RedondearParSiCabe(16777215), 16777215);
    EXPECT_EQ(RedondearParSiCabe(2147483647.4), INT32_MAX);
    EXPECT_EQ(RedondearParSiCabe(2147483647.5), std::nullopt);
    EXPECT_EQ(RedondearParSiCabe(-2147483648.5), INT32_MIN);
    EXPECT_EQ(RedondearParSiCabe(-2147483648.6), std::nullopt);
    EXPECT_EQ(RedondearParSiCabe(1e10), std::nullopt);
    EXPECT_EQ(RedondearParSiCabe(kInfinito), std::nullopt);
    EXPECT_EQ(RedondearParSiCabe(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

struct CasoEstricto {
    std::string texto;
    std::optional<int16_t> valor;
};

void PrintTo(const CasoEstricto& c, std::ostream* os) {
    *os << '"' << c.texto << '"';
}

class NumerosLeerEnteroEstricto : public ::testing::TestWithParam<CasoEstricto> {};

TEST_P(NumerosLeerEnteroEstricto, SoloEnterosDecimalesLimpios) {
    EXPECT_EQ(LeerEnteroEstricto(GetParam().texto), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, NumerosLeerEnteroEstricto,
    ::testing::Values(CasoEstricto{"0", 0}, CasoEstricto{"5", 5}, CasoEstricto{"-5", -5},
                      CasoEstricto{"160", 160}, CasoEstricto{"32767", 32767},
                      CasoEstricto{"-32768", -32768}, CasoEstricto{"32768", std::nullopt},
                      CasoEstricto{"-32769", std::nullopt}, CasoEstricto{"99999", std::nullopt},
                      CasoEstricto{"100000", std::nullopt}, CasoEstricto{"-0", std::nullopt},
                      CasoEstricto{"+5", std::nullopt}, CasoEstricto{"05", std::nullopt},
                      CasoEstricto{"00", std::nullopt}, CasoEstricto{"", std::nullopt},
                      CasoEstricto{"-", std::nullopt}, CasoEstricto{" 5", std::nullopt},
                      CasoEstricto{"5 ", std::nullopt}, CasoEstricto{"1.0", std::nullopt},
                      CasoEstricto{"5a", std::nullopt}, CasoEstricto{"--5", std::nullopt},
                      CasoEstricto{"1e2", std::nullopt}));

TEST(NumerosDecimal, TextoPlano) {
    EXPECT_EQ(Decimal(0), "0");
    EXPECT_EQ(Decimal(160), "160");
    EXPECT_EQ(Decimal(-12), "-12");
    EXPECT_EQ(Decimal(1234567), "1234567");
    EXPECT_EQ(Decimal(LLONG_MIN), "-9223372036854775808");
}

struct CasoAgrupado {
    long long valor;
    std::string separador, texto;
};

class NumerosDecimalAgrupado : public ::testing::TestWithParam<CasoAgrupado> {};

TEST_P(NumerosDecimalAgrupado, MilesSeparados) {
    EXPECT_EQ(DecimalAgrupado(GetParam().valor, GetParam().separador), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, NumerosDecimalAgrupado,
    ::testing::Values(CasoAgrupado{0, ".", "0"}, CasoAgrupado{7, ".", "7"},
                      CasoAgrupado{999, ".", "999"}, CasoAgrupado{1000, ".", "1.000"},
                      CasoAgrupado{1234, ".", "1.234"}, CasoAgrupado{123456, ".", "123.456"},
                      CasoAgrupado{1234567, ".", "1.234.567"}, CasoAgrupado{-999, ".", "-999"},
                      CasoAgrupado{-1234, ".", "-1.234"}, CasoAgrupado{1234567, ",", "1,234,567"},
                      CasoAgrupado{1234, "", "1234"},
                      CasoAgrupado{1234, "\xA0",
                                   "1\xA0"
                                   "234"},
                      CasoAgrupado{LLONG_MIN, ".", "-9.223.372.036.854.775.808"}));

}  // namespace
}  // namespace rebanex
