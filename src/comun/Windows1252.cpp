#include "comun/Windows1252.h"

#include <cstdio>

#include <algorithm>
#include <array>
#include <utility>

#include "comun/Bloque16.h"
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

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Does the text end at `i`, or go on with a byte that cannot start a combining mark?
bool SinMarcaEn(std::string_view s, std::size_t i) {
    return i >= s.size() || (s[i] != '\xCC' && s[i] != '\xCD');
}

// UTF-8 (its byte order mark already gone) decoded into `destino`, which may be the text
// itself: no character takes more bytes than its sequence did, so what is written never passes
// what is read. Runs of ASCII, most of a Spanish text, go sixteen bytes at a time. Returns the
// length written.
std::size_t Decodificar(std::string_view utf8, char* destino, std::u32string& sinConvertir) {
    std::size_t escrito = 0;
    const auto perdido = [&](char32_t c) {
        destino[escrito++] = '?';
        if (sinConvertir.find(c) == std::u32string::npos) {
            sinConvertir += c;
        }
    };
    for (std::size_t i = 0; i < utf8.size();) {
        if (i + Bloque16::kLargo <= utf8.size()) {
            const Bloque16 b = Bloque16::Leer(utf8.data() + i);
            const Mascara16 altos = b.Altos();
            // The ASCII before the first other byte goes as it is, but for a last character
            // that a mark after it would join.
            const std::size_t llanos = altos != 0 ? Primero(altos) : Bloque16::kLargo;
            const std::size_t tal = llanos - (llanos > 0 && !SinMarcaEn(utf8, i + llanos));
            if (tal == Bloque16::kLargo) {
                b.Escribir(destino + escrito);  // only over bytes already read
            } else {
                for (std::size_t k = 0; k < tal; ++k) {
                    destino[escrito + k] = utf8[i + k];
                }
            }
            if (tal > 0) {
                i += tal;
                escrito += tal;
                continue;
            }
        }
        // A letter of Latin-1 with nothing to join it, most of what is not ASCII: at once.
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
        if (i + 1 < utf8.size() && (byte(i) == 0xC2 || byte(i) == 0xC3) &&
            (byte(i + 1) & 0xC0) == 0x80 && SinMarcaEn(utf8, i + 2) &&
            (byte(i) == 0xC3 || byte(i + 1) >= 0xA0)) {
            destino[escrito++] = static_cast<char>(((byte(i) & 0x1F) << 6) | (byte(i + 1) & 0x3F));
            i += 2;
            continue;
        }
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
        const std::size_t largoMarca = !SinMarcaEn(utf8, i) ? LeerSecuencia(utf8, i, marca) : 0;
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
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {  // Latin-1: most accented letters
            destino[escrito++] = static_cast<char>(c);
        } else if (const auto w1252 = ByteWindows1252(c)) {
            destino[escrito++] = static_cast<char>(*w1252);
        } else {
            perdido(c);
        }
    }
    return escrito;
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
    if (utf8.substr(0, kBom.size()) == kBom) {
        utf8.remove_prefix(kBom.size());
    }
    Conversion1252 r;
    r.texto.resize(utf8.size());
    r.texto.resize(Decodificar(utf8, r.texto.data(), r.sinConvertir));
    return r;
}

std::string DeUtf8(std::string_view utf8) {
    return DeUtf8Detallado(utf8).texto;
}

bool EsUtf8Valido(std::string_view texto) {
    for (std::size_t i = 0; i < texto.size();) {
        if (i + Bloque16::kLargo <= texto.size()) {
            // The ASCII before the first other byte, or the whole block.
            const Mascara16 altos = Bloque16::Leer(texto.data() + i).Altos();
            if ((altos & 1) == 0) {
                i += altos != 0 ? Primero(altos) : Bloque16::kLargo;
                continue;
            }
        }
        char32_t c = 0;
        const std::size_t largo = LeerSecuencia(texto, i, c);
        if (largo == 0) {
            return false;
        }
        i += largo;
    }
    return true;
}

// Runs of ASCII go across whole.
void AnyadirUtf8(std::string& destino, std::string_view cp1252) {
    const std::size_t n = cp1252.size();
    for (std::size_t i = 0; i < n;) {
        std::size_t fin = i;
        while (fin + Bloque16::kLargo <= n && Bloque16::Leer(cp1252.data() + fin).Altos() == 0) {
            fin += Bloque16::kLargo;
        }
        while (fin < n && static_cast<unsigned char>(cp1252[fin]) < 0x80) {
            ++fin;
        }
        destino.append(cp1252.substr(i, fin - i));
        if (fin == n) {
            break;
        }
        EscribirUtf8(destino, CaracterWindows1252(static_cast<unsigned char>(cp1252[fin])));
        i = fin + 1;
    }
}

std::string AUtf8(std::string_view cp1252) {
    std::string resultado;
    resultado.reserve(cp1252.size() + cp1252.size() / 8);
    AnyadirUtf8(resultado, cp1252);
    return resultado;
}

// Decoded in place: a message of megabytes is not copied.
Conversion1252 TextoWindows1252Detallado(std::string bytes) {
    const std::string_view vista(bytes);
    const bool bom = vista.substr(0, kBom.size()) == kBom;
    const auto alto = [](char c) { return static_cast<unsigned char>(c) > 0x7F; };
    if (!bom && !(std::any_of(bytes.begin(), bytes.end(), alto) && EsUtf8Valido(bytes))) {
        return Conversion1252{std::move(bytes), {}};
    }
    Conversion1252 r;
    bytes.resize(Decodificar(vista.substr(bom ? kBom.size() : 0), bytes.data(), r.sinConvertir));
    r.texto = std::move(bytes);
    return r;
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
