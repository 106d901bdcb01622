#include <string>

#include <gtest/gtest.h>

#include "split/Contador.h"

namespace rebanex {
namespace {

TEST(TextoContador, SmsYCaracteres) {
    const struct {
        long long caracteres;
        std::string lon, esperado;
    } casos[] = {
        {0, "160", "0 / 0"},
        {0, "", "0 / 0"},
        {160, "160", "1 / 160"},
        {161, "160", "2 / 161"},
        // No usable maximum: only the character count.
        {25, "", "25"},
        {25, "0", "25"},
        {25, "abc", "25"},
        {161, "160abc", "2 / 161"},
        {3, "1.5", "2 / 3"},  // a fractional part counts
        {15, "-10", "0 / 15"},
        {150, "-10", "-15 / 150"},
        {32767, "1", "32.767 / 32.767"},
        {32768, "1", "32.768"},  // beyond int16
        {5, "0.000000000000000000000000000000000000001", "5"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoContador(c.caracteres, c.lon, "."), c.esperado)
            << c.caracteres << " / '" << c.lon << "'";
    }
    EXPECT_EQ(TextoContador(1234, "1", ","), "1,234 / 1,234");
}

}  // namespace
}  // namespace rebanex
