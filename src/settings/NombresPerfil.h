// How the private-profile functions treat section and key names.
#pragma once

#include <string_view>

namespace rebanex {

// Names compare case-insensitively, for ASCII and for the letters of Windows-1252
// ("ObtenerTamañoMsg" and "OBTENERTAMAÑOMSG" are the same key).
bool MismoNombre(std::string_view a, std::string_view b);

// The text without blanks (space, tab) at either end.
std::string_view SinBlancos(std::string_view texto);

}  // namespace rebanex
