#include "settings/NombresPerfil.h"

namespace rebanex {

namespace {

// Upper case of one Windows-1252 letter; anything else unchanged. ß and µ have no
// single-byte capital; × and ÷ are no letters.
unsigned char Mayuscula(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 0x20);
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
        case 0x9A:  // š
        case 0x9C:  // œ
        case 0x9E:  // ž
            return static_cast<unsigned char>(c - 0x10);
        case 0xFF:  // ÿ
            return 0x9F;
        default:
            return c;
    }
}

bool EsBlanco(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

bool MismoNombre(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Mayuscula(static_cast<unsigned char>(a[i])) !=
            Mayuscula(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string_view SinBlancos(std::string_view texto) {
    while (!texto.empty() && EsBlanco(texto.front())) {
        texto.remove_prefix(1);
    }
    while (!texto.empty() && EsBlanco(texto.back())) {
        texto.remove_suffix(1);
    }
    return texto;
}

}  // namespace rebanex
