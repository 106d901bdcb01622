#include "transforms/Caracteres.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "transforms/Buscar.h"
#include "transforms/Tablas.h"

namespace rebanex {

namespace {

// The accented vowels that lose their accent: á é í ó ú à è ì ò ù and their capitals.
constexpr Tabla TablaSinAcentos() {
    Tabla t{};
    for (int c = 0; c < 256; ++c) {
        t[c] = static_cast<unsigned char>(c);
    }
    constexpr std::array<std::pair<unsigned char, char>, 10> kVocales{{
        {0xE1, 'a'},
        {0xE9, 'e'},
        {0xED, 'i'},
        {0xF3, 'o'},
        {0xFA, 'u'},  // agudos
        {0xE0, 'a'},
        {0xE8, 'e'},
        {0xEC, 'i'},
        {0xF2, 'o'},
        {0xF9, 'u'},  // graves
    }};
    for (const auto& [acentuada, vocal] : kVocales) {
        t[acentuada] = static_cast<unsigned char>(vocal);
        t[acentuada - 0x20] = static_cast<unsigned char>(vocal - 'a' + 'A');
    }
    return t;
}

constexpr Tabla kSinAcentos = TablaSinAcentos();

void TraducirTodo(const Tabla& tabla, std::string& texto) {
    for (char& c : texto) {
        c = Traducir(tabla, c);
    }
}

}  // namespace

// One pass over a table: the same as replacing each accented vowel in turn, since no
// replacement produces another accented vowel.
void QuitarAcentos(std::string& texto) {
    TraducirTodo(kSinAcentos, texto);
}

void CambiarLetras(std::string& texto, bool mayusculas) {
    TraducirTodo(mayusculas ? kMayusculas : kMinusculas, texto);
}

// In place: between two runs of spaces the text moves down in one piece.
void QuitarMultiEspacios(std::string& texto) {
    const std::size_t n = texto.size();
    std::size_t leido = 0, escrito = 0;
    for (std::size_t p; (p = Buscar(texto, "  ", leido)) != std::string::npos;) {
        const std::size_t tramo = p + 1 - leido;  // up to the run's first space
        if (escrito != leido) {
            std::memmove(&texto[escrito], &texto[leido], tramo);
        }
        escrito += tramo;
        leido = p + 2;
        while (leido < n && texto[leido] == ' ') {
            ++leido;
        }
    }
    if (escrito != leido) {
        std::memmove(&texto[escrito], &texto[leido], n - leido);
    }
    texto.resize(escrito + (n - leido));
}

void QuitarSaltos(std::string& texto) {
    PrepararCaracteres(texto, false, CasoLetras::TalCual);
}

// One table for accents and case, applied with the line breaks in a single pass over the
// text, in place: nothing here makes the text longer.
void PrepararCaracteres(std::string& texto, bool sinAcentos, CasoLetras letras) {
    Tabla tabla = sinAcentos ? kSinAcentos : Tabla{};
    for (int c = 0; c < 256; ++c) {
        unsigned char x = sinAcentos ? tabla[c] : static_cast<unsigned char>(c);
        if (letras == CasoLetras::Minusculas) {
            x = kMinusculas[x];
        } else if (letras == CasoLetras::Mayusculas) {
            x = kMayusculas[x];
        }
        tabla[c] = x;
    }
    tabla['\t'] = ' ';
    // Stretch by stretch between CRs: the inner loop is a bare table lookup.
    char* const inicio = texto.data();
    const char* const fin = inicio + texto.size();
    char* escrito = inicio;
    const char* leido = inicio;
    while (leido < fin) {
        const auto* cr = static_cast<const char*>(std::memchr(leido, '\r', fin - leido));
        const char* const tramo = cr != nullptr ? cr : fin;
        for (; leido < tramo; ++leido) {
            *escrito++ = Traducir(tabla, *leido);
        }
        if (cr == nullptr) {
            break;
        }
        const bool conLf = cr + 1 < fin && cr[1] == '\n';
        *escrito++ = conLf ? ' ' : Traducir(tabla, '\r');
        leido = cr + (conLf ? 2 : 1);
    }
    texto.resize(static_cast<std::size_t>(escrito - inicio));
}

}  // namespace rebanex
