// Letter case in Windows-1252, as tables: the case pairs of the code page, fixed here rather than
// taken from the C locale so that every machine gives the same text. Tables rather than
// functions so that the loops over a long text are a bare lookup per character.
#pragma once

#include <array>

namespace rebanex {

using Tabla = std::array<unsigned char, 256>;

// ß, µ, ª and º have no capital of their own in this set.
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

inline constexpr Tabla kMayusculas = TablaMayusculas();
inline constexpr Tabla kMinusculas = TablaMinusculas();

inline char Traducir(const Tabla& tabla, char c) {
    return static_cast<char>(tabla[static_cast<unsigned char>(c)]);
}

inline char Mayuscula(char c) {
    return Traducir(kMayusculas, c);
}

}  // namespace rebanex
