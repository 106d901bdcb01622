#include "transforms/Caracteres.h"

#include <array>
#include <cstdint>
#include <optional>

#include "comun/Bloque16.h"
#include "transforms/Buscar.h"
#include "transforms/Gsm7.h"
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

// In place, sixteen bytes at a time: a block moves down whole, and the next one is read from
// just past its first space to go (or past the block). While fewer than sixteen spaces have gone,
// a whole block written could reach bytes not yet read: those blocks go byte by byte.
void QuitarMultiEspacios(std::string& texto) {
    char* const d = texto.data();
    const std::size_t n = texto.size();
    std::size_t leido = 0, escrito = 0;
    bool espacioAntes = false;  // the byte before `leido` is a space
    while (leido + Bloque16::kLargo <= n) {
        const Bloque16 b = Bloque16::Leer(d + leido);
        const Mascara16 espacios = b.Iguales(' ');
        // Each space that follows another goes; the first of a run stays.
        const Mascara16 sobran = espacios & ((espacios << 1) | Mascara16{espacioAntes});
        if (sobran != 0 && leido - escrito < Bloque16::kLargo) {
            for (const std::size_t fin = leido + Primero(sobran); leido < fin;) {
                d[escrito++] = d[leido++];
            }
            ++leido;
            espacioAntes = true;
            continue;
        }
        // Without a branch on whether a space goes: such blocks come every few dozen bytes.
        b.Escribir(d + escrito);
        const std::size_t hasta = Primero(sobran | Mascara16{1} << Bloque16::kLargo);
        escrito += hasta;
        leido += hasta + (sobran != 0 ? 1 : 0);
        espacioAntes = sobran != 0 || (espacios >> (Bloque16::kLargo - 1)) != 0;
    }
    for (; leido < n; ++leido) {
        const bool espacio = d[leido] == ' ';
        if (!(espacio && espacioAntes)) {
            d[escrito++] = d[leido];
        }
        espacioAntes = espacio;
    }
    texto.resize(escrito);
}

namespace {

Tabla TablaLetras(bool sinAcentos, CasoLetras letras) {
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
    return tabla;
}

// The table applied with the line breaks in a single pass over the text, in place: nothing
// here makes the text longer. Sixteen bytes at a time: ASCII letters change case by arithmetic,
// and only the bytes the table may change otherwise are looked up (above 0x7F and TAB; with
// `marcas`, every control character, '`' and DEL too, which GSM-7 lacks). A block with a CR goes
// byte by byte up to it. With `marcas`, whether some byte written is marked.
template <bool kMarcas>
bool PrepararPorBloques(std::string& texto, const Tabla& tabla, CasoLetras letras,
                        const std::array<bool, 256>* marcas) {
    bool marcado = false;
    const auto escribir = [&](char* destino, char c) {
        *destino = Traducir(tabla, c);
        if constexpr (kMarcas) {
            marcado |= (*marcas)[static_cast<unsigned char>(*destino)];
        }
    };
    char* const d = texto.data();
    const std::size_t n = texto.size();
    std::size_t leido = 0, escrito = 0;
    // Byte by byte, what is written never passes what is read.
    const auto hasta = [&](std::size_t fin) {
        while (leido < fin) {
            if (d[leido] == '\r' && leido + 1 < n && d[leido + 1] == '\n') {
                d[escrito++] = ' ';
                leido += 2;
            } else {
                escribir(d + escrito++, d[leido++]);
            }
        }
    };
    while (leido + Bloque16::kLargo <= n) {
        const Bloque16 b = Bloque16::Leer(d + leido);
        if (const Mascara16 cr = b.Iguales('\r'); cr != 0) {
            hasta(leido + Primero(cr) + 1);
            continue;
        }
        char bloque[Bloque16::kLargo];
        b.Escribir(bloque);
        // Only bytes already read lie under what is written.
        (letras == CasoLetras::TalCual ? b : b.CambiarLetrasAscii(letras == CasoLetras::Mayusculas))
            .Escribir(d + escrito);
        Mascara16 m = b.Altos() | b.Iguales('\t');
        if constexpr (kMarcas) {
            m |= b.BajosOAltos(' ') | b.Iguales('`') | b.Iguales('\x7F');
        }
        // The first two go without a branch: most blocks of a message have at most two such
        // bytes, and a loop that stops after zero, one or two is mispredicted at every block.
        // Without them it looks up byte 0 again, which the table maps as the block already has.
        for (int vez = 0; vez < 2; ++vez, m &= m - 1) {
            const std::size_t k = Primero(m | Mascara16{1} << Bloque16::kLargo) % Bloque16::kLargo;
            escribir(d + escrito + k, bloque[k]);
        }
        for (; m != 0; m &= m - 1) {
            const std::size_t k = Primero(m);
            escribir(d + escrito + k, bloque[k]);
        }
        leido += Bloque16::kLargo;
        escrito += Bloque16::kLargo;
    }
    hasta(n);
    texto.resize(escrito);
    return marcado;
}

}  // namespace

// One table for accents and case, applied with the line breaks in a single pass.
void PrepararCaracteres(std::string& texto, bool sinAcentos, CasoLetras letras) {
    PrepararPorBloques<false>(texto, TablaLetras(sinAcentos, letras), letras, nullptr);
}

// The one-letter suggestions go into the same table, after the case change; what is left
// (longer suggestions, none) is marked, and only then needs a pass of its own.
void PrepararCaracteresGsm(std::string& texto, bool sinAcentos, CasoLetras letras, TablaGsm gsm) {
    Tabla tabla = TablaLetras(sinAcentos, letras);
    const CostesGsm& costes = Costes(gsm);
    std::array<bool, 256> marcas{};
    for (int c = 0; c < 256; ++c) {
        const unsigned char x = tabla[c];
        if (costes[x] != 0) {
            continue;
        }
        const std::optional<std::string_view> sustituto = SustitutoGsm(x);
        if (sustituto && sustituto->size() == 1) {
            tabla[c] = static_cast<unsigned char>((*sustituto)[0]);
        } else {
            marcas[x] = true;
        }
    }
    if (PrepararPorBloques<true>(texto, tabla, letras, &marcas)) {
        AdaptarGSM(texto, gsm);
    }
}

}  // namespace rebanex
