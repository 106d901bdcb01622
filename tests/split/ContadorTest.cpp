#include <string>

#include <gtest/gtest.h>

#include "split/Contador.h"

namespace rebanex {
namespace {

struct CasoContador {
    std::string mensaje, lon, esperado;
};

TEST(TextoContador, SmsYCaracteres) {
    const auto x = [](std::size_t n) { return std::string(n, 'x'); };
    const CasoContador casos[] = {
        {"", "160", "0 / 0"},
        {"", "", "0 / 0"},
        {x(161), "160", "2 / 161"},
        {x(160), "160", "1 / 160"},
        {x(320), "160", "2 / 320"},
        // No usable maximum: only the character count.
        {x(25), "", "25"},
        {x(25), "0", "25"},
        {x(25), "abc", "25"},
        {x(161), "160abc", "2 / 161"},
        {x(161), "  160", "2 / 161"},
        {x(3), "1.5", "2 / 3"},  // a fractional part counts
        {x(15), "-10", "0 / 15"},
        {x(150), "-10", "-15 / 150"},
        {"a\r\nb", "3", "2 / 4"},  // a line break counts two
        {x(1234), "1", "1.234 / 1.234"},
        {x(32767), "1", "32.767 / 32.767"},
        {x(32768), "1", "32.768"},  // beyond int16
        {x(5), "0.000000000000000000000000000000000000001", "5"},
    };
    for (const CasoContador& c : casos) {
        EXPECT_EQ(TextoContador(static_cast<long long>(c.mensaje.size()), c.lon, "."), c.esperado)
            << c.mensaje.size() << " / '" << c.lon << "'";
    }
    EXPECT_EQ(TextoContador(1234, "1", ","), "1,234 / 1,234");
}

}  // namespace
}  // namespace rebanex
