#include "comun/Windows1252.h"

#include <cstdio>

#include <algorithm>
#include <array>
#include <utility>

#include "comun/Composiciones.h"

namespace rebanex {

namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the upper half is Latin-1 itself.
constexpr std::array<char32_t, 32> kAltos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

bool EsContinuacion(unsigned char b, unsigned char minimo = 0x80, unsigned char maximo = 0xBF) {
    return b >= minimo && b <= maximo;
}

// Length of the well-formed sequence at `i` (1 to 4) and its character, or 0 when the byte
// at `i` does not start one. Overlong forms, surrogates and values past U+10FFFF are invalid.
std::size_t LeerSecuencia(std::string_view s, std::size_t i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = byte(i);
    if (b < 0x80) {
        c = b;
        return 1;
    }
    std::size_t largo = 0;
    unsigned char minimo = 0x80, maximo = 0xBF;  // limits of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        largo = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        largo = 3;
        minimo = b == 0xE0 ? 0xA0 : 0x80;
        maximo = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        largo = 4;
        minimo = b == 0xF0 ? 0x90 : 0x80;
        maximo = b == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + largo > s.size() || !EsContinuacion(byte(i + 1), minimo, maximo)) {
        return 0;
    }
    char32_t valor = b & (0x7F >> largo);
    for (std::size_t k = 1; k < largo; ++k) {
        if (!EsContinuacion(byte(i + k))) {
            return 0;
        }
        valor = (valor << 6) | (byte(i + k) & 0x3F);
    }
    c = valor;
    return largo;
}

void EscribirUtf8(std::string& destino, char32_t c) {
    if (c < 0x80) {
        destino += static_cast<char>(c);
    } else if (c < 0x800) {
        destino += static_cast<char>(0xC0 | (c >> 6));
        destino += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Every character of the code page lies in the Basic Multilingual Plane.
        destino += static_cast<char>(0xE0 | (c >> 12));
        destino += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        destino += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The canonical form of a character that has another one (U+212B is Å).
char32_t Canonico(char32_t c) {
    if (c < 0x300) {
        return c;
    }
    const auto equivalencias = Equivalencias();
    const auto e = std::lower_bound(equivalencias.begin(), equivalencias.end(), c,
                                    [](const Equivalencia& x, char32_t v) { return x.de < v; });
    return e != equivalencias.end() && e->de == c ? e->a : c;
}

// The character `base` and `marca` compose into, or 0.
char32_t Compuesto(char32_t base, char32_t marca) {
    const auto composiciones = Composiciones();
    const auto p =
        std::lower_bound(composiciones.begin(), composiciones.end(), std::pair(base, marca),
                         [](const Composicion& x, std::pair<char32_t, char32_t> v) {
                             return std::pair(x.base, x.marca) < v;
                         });
    return p != composiciones.end() && p->base == base && p->marca == marca ? p->resultado : 0;
}

}  // namespace

std::optional<unsigned char> ByteWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    const auto alto = std::find(kAltos.begin(), kAltos.end(), c);
    if (alto == kAltos.end()) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(0x80 + (alto - kAltos.begin()));
}

char32_t CaracterWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kAltos[byte - 0x80];
    }
    return byte;
}

Conversion1252 DeUtf8Detallado(std::string_view utf8) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (utf8.substr(0, kBom.size()) == kBom) {
        utf8.remove_prefix(kBom.size());
    }
    Conversion1252 r;
    r.texto.reserve(utf8.size());
    const auto perdido = [&r](char32_t c) {
        r.texto += '?';
        if (r.sinConvertir.find(c) == std::u32string::npos) {
            r.sinConvertir += c;
        }
    };
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t largo = LeerSecuencia(utf8, i, c);
        if (largo == 0) {
            perdido(0xFFFD);
            ++i;
            continue;
        }
        i += largo;
        c = Canonico(c);
        // The marks the compositions use (U+0300 to U+036F) start with 0xCC or 0xCD.
        char32_t marca = 0;
        const std::size_t largoMarca = i < utf8.size() && (utf8[i] == '\xCC' || utf8[i] == '\xCD')
                                           ? LeerSecuencia(utf8, i, marca)
                                           : 0;
        if (largoMarca != 0) {
            if (const char32_t compuesto = Compuesto(c, Canonico(marca)); compuesto != 0) {
                c = compuesto;
                i += largoMarca;
            }
        }
        switch (c) {
            case 0x2010:  // hyphen
            case 0x2011:  // non-breaking hyphen
                c = '-';
                break;
            case 0x2007:  // figure space
            case 0x202F:  // narrow no-break space
                c = 0xA0;
                break;
            case 0x200B:  // zero width space
            case 0xFEFF:  // zero width no-break space
                continue;
        }
        if (const auto byte = ByteWindows1252(c)) {
            r.texto += static_cast<char>(*byte);
        } else {
            perdido(c);
        }
    }
    return r;
}

std::string DeUtf8(std::string_view utf8) {
    return DeUtf8Detallado(utf8).texto;
}

bool EsUtf8Valido(std::string_view texto) {
    for (std::size_t i = 0; i < texto.size();) {
        char32_t c = 0;
        const std::size_t largo = LeerSecuencia(texto, i, c);
        if (largo == 0) {
            return false;
        }
        i += largo;
    }
    return true;
}

void AnyadirUtf8(std::string& destino, std::string_view cp1252) {
    for (const char b : cp1252) {
        EscribirUtf8(destino, CaracterWindows1252(static_cast<unsigned char>(b)));
    }
}

std::string AUtf8(std::string_view cp1252) {
    std::string resultado;
    resultado.reserve(cp1252.size() + cp1252.size() / 8);
    AnyadirUtf8(resultado, cp1252);
    return resultado;
}

Conversion1252 TextoWindows1252Detallado(std::string bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    const auto alto = [](char c) { return static_cast<unsigned char>(c) > 0x7F; };
    const bool utf8 = std::string_view(bytes).substr(0, kBom.size()) == kBom ||
                      (std::any_of(bytes.begin(), bytes.end(), alto) && EsUtf8Valido(bytes));
    return utf8 ? DeUtf8Detallado(bytes) : Conversion1252{std::move(bytes), {}};
}

std::string TextoWindows1252(std::string bytes) {
    return TextoWindows1252Detallado(std::move(bytes)).texto;
}

Aviso AvisoSinWindows1252(std::string_view donde, const std::u32string& sinConvertir) {
    std::string codigos;
    bool malos = false;
    for (const char32_t c : sinConvertir) {
        if (c == 0xFFFD) {
            malos = true;
            continue;
        }
        char hex[16];
        std::snprintf(hex, sizeof hex, " U+%04X", static_cast<unsigned>(c));
        codigos += hex;
    }
    std::string texto = std::string(donde) + " tiene";
    if (!codigos.empty()) {
        texto += " caracteres que Windows-1252 no tiene:" + codigos;
    }
    if (malos) {
        texto += codigos.empty() ? " bytes que no son UTF-8" : ", y bytes que no son UTF-8";
    }
    return Aviso{texto + ".\rQuedan como \"?\".", "Rebanex", Icono::Exclamacion, Botones::Aceptar};
}

}  // namespace rebanex
