#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "split/Trozos.h"

namespace rebanex {
namespace {

struct CasoRedondeo {
    float x;
    int16_t esperado;
};

class RedondearArribaTest : public ::testing::TestWithParam<CasoRedondeo> {};

TEST_P(RedondearArribaTest, DevuelveYDejaEnXElEnteroSiguiente) {
    float x = GetParam().x;
    EXPECT_EQ(RedondearArriba(x), GetParam().esperado);
    EXPECT_EQ(x, static_cast<float>(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Cocientes, RedondearArribaTest,
    ::testing::Values(CasoRedondeo{2.01f, 3}, CasoRedondeo{2.0f, 2}, CasoRedondeo{0.0f, 0},
                      CasoRedondeo{0.001f, 1}, CasoRedondeo{160.0f / 161.0f, 1},
                      // toward zero, plus one: a negative quotient goes up too
                      CasoRedondeo{-1.5f, 0}, CasoRedondeo{-2.0f, -2},
                      CasoRedondeo{32766.5f, 32767},
                      // a double quotient just above 2 is exactly 2 once stored in single
                      // precision
                      CasoRedondeo{static_cast<float>(100000001.0 / 50000000.0), 2}));

TEST(RedondearArribaLimites, FueraDeInt16NoCabe) {
    float x = 32767.5f;
    EXPECT_FALSE(RedondearArribaAcotado(x).has_value());
    EXPECT_EQ(x, 32768.0f);

    float y = 32767.5f;
    EXPECT_EQ(RedondearArriba(y), INT16_MAX);  // saturates instead of overflowing

    float z = -40000.0f;
    EXPECT_EQ(RedondearArriba(z), INT16_MIN);

    float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(RedondearArribaAcotado(nan).has_value());
    float infinito = std::numeric_limits<float>::infinity();
    EXPECT_EQ(RedondearArriba(infinito), INT16_MAX);
}

TEST(RedondearArribaLimites, ElMayorInt16Cabe) {
    float x = 32766.01f;
    EXPECT_EQ(RedondearArribaAcotado(x), std::optional<int16_t>(32767));
}

}  // namespace
}  // namespace rebanex
