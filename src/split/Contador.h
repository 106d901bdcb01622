// The live counter of the message view: estimated SMS count and character count.
#pragma once

#include <string>
#include <string_view>

#include "transforms/Gsm7.h"

namespace rebanex {

// The text of ContadorMensaje for a message of `caracteres` characters: "n / chars" (both grouped
// by thousands), or just the character count when LongMax gives no usable maximum; "0 / 0" for an
// empty message. `separadorMiles` is the locale's thousands separator.
std::string TextoContador(long long caracteres, const std::string& lon,
                          std::string_view separadorMiles);

// The same counter with every piece one real SMS: the SMS the message costs sent whole as one
// linked message, as typed ("n / chars", ">255 / chars" beyond what a link can number).
std::string TextoContadorSms(std::string_view mensaje, TablaGsm tabla,
                             std::string_view separadorMiles);

}  // namespace rebanex
