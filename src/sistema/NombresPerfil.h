// How the private-profile functions treat section and key names and buffers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rebanex {

// Names compare case-insensitively, for ASCII and for the letters of Windows-1252
// ("ObtenerTamañoMsg" and "OBTENERTAMAÑOMSG" are the same key).
bool MismoNombre(std::string_view a, std::string_view b);

// What GetPrivateProfileStringA copies into a buffer of `tamanyo` characters: at most
// tamanyo - 1 of them, the last place being the terminating zero.
std::string CopiaEnBuffer(std::string_view texto, std::size_t tamanyo);

// A value as read: without the blanks around it, and a value in matching double (or single)
// quotes without them.
std::string_view ValorLeido(std::string_view valor);

}  // namespace rebanex
