// Blanks as the settings file and the numbers in texts know them: space and tab only.
#pragma once

#include <string_view>

namespace rebanex {

constexpr bool EsBlanco(char c) {
    return c == ' ' || c == '\t';
}

// The text without blanks at either end.
constexpr std::string_view SinBlancos(std::string_view texto) {
    while (!texto.empty() && EsBlanco(texto.front())) {
        texto.remove_prefix(1);
    }
    while (!texto.empty() && EsBlanco(texto.back())) {
        texto.remove_suffix(1);
    }
    return texto;
}

}  // namespace rebanex
