// Raising a quotient to the next whole number, in single precision.
#include <cmath>
#include <cstdint>
#include <optional>

#include "split/Trozos.h"

namespace rebanex {

namespace {

float Redondeado(float x) {
    const float truncado = std::trunc(x);
    return truncado != x ? truncado + 1.0f : x;
}

}  // namespace

std::optional<int16_t> RedondearArribaAcotado(float x) {
    x = Redondeado(x);
    // Written so that NaN fails too; converting an out-of-range float would be undefined.
    if (!(x >= static_cast<float>(INT16_MIN) && x <= static_cast<float>(INT16_MAX))) {
        return std::nullopt;
    }
    return static_cast<int16_t>(x);
}

int16_t RedondearArriba(float x) {
    if (const auto entero = RedondearArribaAcotado(x)) {
        return *entero;
    }
    if (std::isnan(x)) {
        return 0;
    }
    return Redondeado(x) > 0 ? INT16_MAX : INT16_MIN;
}

}  // namespace rebanex
