// Per-character tables of Windows-1252 for the transforms: the case pairs (comun/Mayusculas.h)
// and the word separators.
#pragma once

#include <string_view>

#include "comun/Mayusculas.h"

namespace rebanex {

// 1 for the 26 characters that separate words. Nothing else does: not TAB, CR or LF, nor
// ";", "'", "+", "=" or digits.
constexpr Tabla TablaSeparadores() {
    constexpr std::string_view kSeparadores = " .,:!¡\"&%$/\\*#?¿(){}[]<>_-";
    static_assert(kSeparadores.size() == 26, "each separator must be one Windows-1252 byte");
    Tabla t{};
    for (const char c : kSeparadores) {
        t[static_cast<unsigned char>(c)] = 1;
    }
    return t;
}

inline constexpr Tabla kSeparadores = TablaSeparadores();

inline bool EsCaracterSeparador(char c) {
    return kSeparadores[static_cast<unsigned char>(c)] != 0;
}

}  // namespace rebanex
