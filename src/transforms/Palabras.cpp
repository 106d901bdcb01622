// Whole-word, prefix, suffix and exact replacement over a text and its capitals, and what
// separates words.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "transforms/Buscar.h"
#include "transforms/Caracteres.h"
#include "transforms/Reemplazos.h"
#include "transforms/TextoConMayusculas.h"

namespace rebanex::Troceado {

namespace {

// Nothing else separates words: not TAB, CR or LF, nor ";", "'", "+", "=" or digits.
constexpr std::string_view kSeparadores = " .,:!¡\"&%$/\\*#?¿(){}[]<>_-";
static_assert(kSeparadores.size() == 26, "each separator must be one Windows-1252 byte");

std::string EnMayusculas(std::string_view texto) {
    std::string mayusculas(texto);
    CambiarLetras(mayusculas, true);
    return mayusculas;
}

}  // namespace

bool EsCaracterSeparador(char c) {
    return kSeparadores.find(c) != std::string_view::npos;
}

bool EsSeparador(std::string_view texto, long long posicion) {
    if (posicion < 1 || static_cast<unsigned long long>(posicion) > texto.size()) {
        return true;
    }
    return EsCaracterSeparador(texto[static_cast<std::size_t>(posicion - 1)]);
}

TextoConMayusculas::TextoConMayusculas(std::string& texto)
    : texto_(texto), imagen_(EnMayusculas(texto)) {}

bool TextoConMayusculas::ReemplazarPalabra(int32_t tipo, std::string_view buscar,
                                           std::string_view reemplazo, std::size_t limite) {
    const Prueba prueba = tipo == Prefijo           ? Prueba::Prefijo
                          : tipo == Sufijo          ? Prueba::Sufijo
                          : tipo == PalabraCompleta ? Prueba::Palabra
                                                    : Prueba::Ninguna;
    if (buscar.empty() || prueba == Prueba::Ninguna) {
        return true;
    }
    return Sustituir(true, EnMayusculas(buscar), prueba, reemplazo, EnMayusculas(reemplazo),
                     limite);
}

bool TextoConMayusculas::Reemplazar(std::string_view buscar, std::string_view sustituto,
                                    std::size_t limite) {
    return buscar.empty() ||
           Sustituir(false, buscar, Prueba::Ninguna, sustituto, EnMayusculas(sustituto), limite);
}

// Left to right over the text as it was (the part not yet read is untouched); the rewritten
// part grows behind it. Positions in the image are positions in the text: case keeps lengths.
bool TextoConMayusculas::Sustituir(bool enImagen, std::string_view patron, Prueba prueba,
                                   std::string_view reemplazo, std::string_view reemplazoMayusculas,
                                   std::size_t limite) {
    const std::string_view fuente(enImagen ? imagen_ : texto_);
    std::size_t p = Buscar(fuente, patron);
    if (p == std::string_view::npos) {
        return true;
    }
    const std::size_t n = texto_.size();
    const std::size_t largo = patron.size();
    // A longer replacement grows the text: then the result goes to new strings.
    const bool enSitio = reemplazo.size() <= largo;
    std::string nuevoTexto, nuevaImagen;
    if (!enSitio) {
        nuevoTexto.reserve(n + n / 4);
        nuevaImagen.reserve(n + n / 4);
    }
    std::size_t leido = 0;    // first character of the old text not yet taken
    std::size_t escrito = 0;  // length of the rewritten part (in place)
    const auto ultimoEscrito = [&]() -> const char* {
        if (enSitio) {
            return escrito > 0 ? &texto_[escrito - 1] : nullptr;
        }
        return nuevoTexto.empty() ? nullptr : &nuevoTexto.back();
    };
    const auto poner = [&](const char* texto, const char* imagen, std::size_t cuantos) {
        if (enSitio) {
            if (texto != &texto_[escrito] && cuantos > 0) {
                std::memmove(&texto_[escrito], texto, cuantos);
                std::memmove(&imagen_[escrito], imagen, cuantos);
            }
            escrito += cuantos;
        } else {
            nuevoTexto.append(texto, cuantos);
            nuevaImagen.append(imagen, cuantos);
        }
    };
    while (p != std::string_view::npos) {
        if (prueba != Prueba::Ninguna) {
            // The character before may already belong to an earlier replacement.
            const char* antes = p > leido ? &texto_[p - 1] : ultimoEscrito();
            const bool inicio = antes == nullptr || EsCaracterSeparador(*antes);
            const bool fin = p + largo >= n || EsCaracterSeparador(texto_[p + largo]);
            const bool vale = (prueba == Prueba::Prefijo && inicio) ||
                              (prueba == Prueba::Sufijo && fin) ||
                              (prueba == Prueba::Palabra && inicio && fin);
            if (!vale) {
                p = Buscar(fuente, patron, p + 1);
                continue;
            }
        }
        const bool capital = enImagen && Minuscula(texto_[p]) != texto_[p];
        poner(&texto_[leido], &imagen_[leido], p - leido);
        poner(capital ? reemplazoMayusculas.data() : reemplazo.data(), reemplazoMayusculas.data(),
              reemplazo.size());
        leido = p + largo;
        // Only a growing rule can pass the limit, and its work is on the side until the end.
        if (!enSitio && nuevoTexto.size() + (n - leido) > limite) {
            return false;
        }
        p = Buscar(fuente, patron, leido);
    }
    poner(texto_.data() + leido, imagen_.data() + leido, n - leido);
    if (enSitio) {
        texto_.resize(escrito);
        imagen_.resize(escrito);
    } else {
        texto_ = std::move(nuevoTexto);
        imagen_ = std::move(nuevaImagen);
    }
    return true;
}

void ReemplazarPalabra(int32_t tipo, std::string& texto, std::string_view buscar,
                       std::string_view reemplazo) {
    if (buscar.empty()) {
        return;
    }
    // Copies: the rule may view the text it changes.
    const std::string buscado(buscar), sustituto(reemplazo);
    TextoConMayusculas(texto).ReemplazarPalabra(tipo, buscado, sustituto, SIZE_MAX);
}

}  // namespace rebanex::Troceado
