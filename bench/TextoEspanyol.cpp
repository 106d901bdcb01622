#include "TextoEspanyol.h"

#include <array>
#include <random>
#include <string_view>

namespace rebanex::bench {

namespace {

constexpr std::array<std::string_view, 48> kPalabras = {
    "que",    "porque",  "dos",         "mas",      "por",       "menos",   "el",      "la",
    "los",    "de",      "en",          "un",       "una",       "y",       "a",       "con",
    "para",   "sin",     "todo",        "casa",     "tiempo",    "mensaje", "mañana",  "canción",
    "está",   "también", "después",     "corazón",  "árbol",     "pequeño", "niño",    "aquí",
    "allí",   "días",    "información", "teléfono", "adosados",  "dedos",   "Qué",     "Porque",
    "Mañana", "ÁRBOL",   "Más",         "quedamos", "esperamos", "llegará", "también", "vosotros",
};

}  // namespace

std::string TextoEspanyol(std::size_t bytes, uint32_t semilla) {
    // minstd_rand is specified to the bit, so every platform builds the same text.
    std::minstd_rand azar(semilla);
    const auto tirada = [&](uint32_t caras) { return static_cast<uint32_t>(azar() % caras); };

    std::string texto;
    texto.reserve(bytes + 16);
    while (texto.size() < bytes) {
        texto += kPalabras[tirada(kPalabras.size())];
        const uint32_t despues = tirada(100);
        if (despues < 6) {
            texto += ".\r\n";
        } else if (despues < 12) {
            texto += ", ";
        } else if (despues < 16) {
            texto += ".  ";
        } else if (despues < 20) {
            texto += "  ";
        } else {
            texto += ' ';
        }
    }
    texto.resize(bytes);
    // Never end on half a line break.
    if (!texto.empty() && texto.back() == '\r') {
        texto.back() = '.';
    }
    return texto;
}

}  // namespace rebanex::bench
