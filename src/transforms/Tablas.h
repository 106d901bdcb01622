// Per-character tables of Windows-1252: capitals, small letters and word separators. Tables
// rather than functions so that the loops over a long text are a bare lookup per character.
#pragma once

#include <array>
#include <string_view>

namespace rebanex::Troceado {

using Tabla = std::array<unsigned char, 256>;

// Windows-1252 case pairs, fixed here rather than taken from the C locale so that every
// machine gives the same text. ß, µ, ª and º have no capital of their own in this set.
constexpr Tabla TablaMayusculas() {
    Tabla t{};
    for (int c = 0; c < 256; ++c) {
        t[c] = static_cast<unsigned char>(c);
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        t[c] = static_cast<unsigned char>(c - 'a' + 'A');
    }
    for (int c = 0xE0; c <= 0xFE; ++c) {
        if (c != 0xF7) {  // ÷ is no letter
            t[c] = static_cast<unsigned char>(c - 0x20);
        }
    }
    t[0x9A] = 0x8A;  // š Š
    t[0x9C] = 0x8C;  // œ Œ
    t[0x9E] = 0x8E;  // ž Ž
    t[0xFF] = 0x9F;  // ÿ Ÿ
    return t;
}

// The inverse: every capital has one small letter at most.
constexpr Tabla TablaMinusculas() {
    const Tabla mayusculas = TablaMayusculas();
    Tabla t{};
    for (int c = 0; c < 256; ++c) {
        t[c] = static_cast<unsigned char>(c);
    }
    for (int c = 0; c < 256; ++c) {
        if (mayusculas[c] != c) {
            t[mayusculas[c]] = static_cast<unsigned char>(c);
        }
    }
    return t;
}

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

inline constexpr Tabla kMayusculas = TablaMayusculas();
inline constexpr Tabla kMinusculas = TablaMinusculas();
inline constexpr Tabla kSeparadores = TablaSeparadores();

inline char Traducir(const Tabla& tabla, char c) {
    return static_cast<char>(tabla[static_cast<unsigned char>(c)]);
}

inline bool EsCaracterSeparador(char c) {
    return kSeparadores[static_cast<unsigned char>(c)] != 0;
}

}  // namespace rebanex::Troceado
