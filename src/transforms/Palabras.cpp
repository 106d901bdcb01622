// Whole-word, prefix and suffix replacement, and what separates words.
#include <cstddef>
#include <string_view>

#include "transforms/Caracteres.h"
#include "transforms/Reemplazos.h"

namespace rebanex::Troceado {

namespace {

// Nothing else separates words: not TAB, CR or LF, nor ";", "'", "+", "=" or digits.
constexpr std::string_view kSeparadores = " .,:!¡\"&%$/\\*#?¿(){}[]<>_-";
static_assert(kSeparadores.size() == 26, "each separator must be one Windows-1252 byte");

bool EsCaracterSeparador(char c) {
    return kSeparadores.find(c) != std::string_view::npos;
}

std::string EnMayusculas(std::string_view texto) {
    std::string mayusculas(texto);
    CambiarLetras(mayusculas, true);
    return mayusculas;
}

}  // namespace

bool EsSeparador(std::string_view texto, long long posicion) {
    if (posicion < 1 || static_cast<unsigned long long>(posicion) > texto.size()) {
        return true;
    }
    return EsCaracterSeparador(texto[static_cast<std::size_t>(posicion - 1)]);
}

void ReemplazarPalabra(int32_t tipo, std::string& texto, std::string_view buscar,
                       std::string_view reemplazo) {
    if (buscar.empty() || (tipo != Prefijo && tipo != Sufijo && tipo != PalabraCompleta)) {
        return;
    }
    // Upper-casing keeps lengths, so positions in the capitals are positions in the text.
    // Only the untouched rest of the original is ever searched: a replacement is never
    // searched again, and a failed candidate moves the search one character on.
    const std::string mayusculas = EnMayusculas(texto);
    const std::string buscado = EnMayusculas(buscar);
    std::size_t p = mayusculas.find(buscado);
    if (p == std::string::npos) {
        return;
    }
    const std::string reemplazoMayusculas = EnMayusculas(reemplazo);
    const std::string_view original(texto);
    const std::size_t largo = buscado.size();
    std::string hecho;                               // the text so far, replacements included
    hecho.reserve(texto.size() + texto.size() / 4);  // grows rarely: no copy per doubling
    std::size_t resto = 0;                           // where the original takes over from hecho
    while (p != std::string::npos) {
        // The character before the occurrence may already belong to an earlier replacement.
        const bool inicioPalabra = p > resto       ? EsCaracterSeparador(original[p - 1])
                                   : hecho.empty() ? true
                                                   : EsCaracterSeparador(hecho.back());
        const bool finPalabra =
            p + largo >= original.size() || EsCaracterSeparador(original[p + largo]);
        const bool vale = (tipo == Prefijo && inicioPalabra) || (tipo == Sufijo && finPalabra) ||
                          (tipo == PalabraCompleta && inicioPalabra && finPalabra);
        if (!vale) {
            p = mayusculas.find(buscado, p + 1);
            continue;
        }
        const bool capital = Minuscula(original[p]) != original[p];
        hecho.append(original.substr(resto, p - resto));
        hecho.append(capital ? std::string_view(reemplazoMayusculas) : reemplazo);
        resto = p + largo;
        p = mayusculas.find(buscado, resto);
    }
    hecho.append(original.substr(resto));
    texto = std::move(hecho);
}

}  // namespace rebanex::Troceado
