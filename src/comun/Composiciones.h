// Unicode's canonical compositions (NFC) that end in a character of Windows-1252, so that text
// typed with a separate accent (e + U+0301) is read as the letter it shows (é).
#pragma once

#include <span>

namespace rebanex {

// A letter and a combining mark that compose into `resultado`.
struct Composicion {
    char32_t base;
    char32_t marca;
    char32_t resultado;
};

// A character whose canonical form is another one (U+212B ANGSTROM SIGN is Å).
struct Equivalencia {
    char32_t de;
    char32_t a;
};

// Sorted by base, then mark. Generated from UnicodeData.txt (cmake/ComposicionesNfc.cmake).
std::span<const Composicion> Composiciones();
// Sorted by `de`; `a` is a character of the code page or a mark of Composiciones().
std::span<const Equivalencia> Equivalencias();

}  // namespace rebanex
