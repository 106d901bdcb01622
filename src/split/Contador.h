// The live counter of the message view: estimated SMS count and character count.
#pragma once

#include <string>
#include <string_view>

namespace rebanex {

// The text of ContadorMensaje for a message of `caracteres` characters: "n / chars" (both grouped
// by thousands), or just the character count when LongMax gives no usable maximum; "0 / 0" for an
// empty message. `separadorMiles` is the locale's thousands separator.
std::string TextoContador(long long caracteres, const std::string& lon,
                          std::string_view separadorMiles);

}  // namespace rebanex
