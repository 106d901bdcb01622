#include "transforms/Regla.h"

#include <algorithm>
#include <cstring>

#include "transforms/Buscar.h"
#include "transforms/Tablas.h"

namespace rebanex {

namespace {

std::string EnMayusculas(std::string_view texto) {
    std::string mayusculas(texto);
    for (char& c : mayusculas) {
        c = Traducir(kMayusculas, c);
    }
    return mayusculas;
}

// What replaces the occurrence at `p`, or nullptr where the rule's word boundaries are not: a
// word may start at `p` when `inicio` (the text before it may already be rewritten), and the text
// from `p` on is as it was. An occurrence that starts with a capital takes the capitals.
const std::string* Sustituto(const Regla& regla, std::string_view texto, std::size_t p,
                             bool inicio) {
    if (regla.clase == Regla::Clase::Exacta) {
        return &regla.reemplazo;
    }
    const std::size_t tras = p + regla.buscar.size();
    const bool fin = tras >= texto.size() || EsCaracterSeparador(texto[tras]);
    const bool vale = regla.clase == Regla::Clase::Prefijo  ? inicio
                      : regla.clase == Regla::Clase::Sufijo ? fin
                                                            : inicio && fin;
    if (!vale) {
        return nullptr;
    }
    return Traducir(kMinusculas, texto[p]) != texto[p] ? &regla.reemplazoMayusculas
                                                       : &regla.reemplazo;
}

// A rule whose replacement is no longer than what it replaces: the text is rewritten in place with
// nothing but two positions, which the compiler keeps in registers across the whole search. This is
// the common rule (an abbreviation), and its cost is mostly what is done at each occurrence.
void AplicarEnSitio(const Regla& regla, std::string& texto, ZonasNuevas* zonas) {
    char* const d = texto.data();
    const std::size_t n = texto.size(), largo = regla.buscar.size();
    std::size_t leido = 0, escrito = 0;  // what is written lies before what is still read
    Buscador(texto, regla.buscar, regla.clase != Regla::Clase::Exacta)
        .Recorrer(0, [&](std::size_t p) {
            // The character before may already belong to an earlier replacement; the start of the
            // text is a word boundary too.
            const bool inicio = p > leido     ? EsCaracterSeparador(d[p - 1])
                                : escrito > 0 ? EsCaracterSeparador(d[escrito - 1])
                                              : true;
            const std::string* sustituto = Sustituto(regla, std::string_view(d, n), p, inicio);
            if (sustituto == nullptr) {
                return p + 1;
            }
            if (escrito != leido) {
                std::memmove(d + escrito, d + leido, p - leido);
            }
            escrito += p - leido;
            if (zonas != nullptr) {
                zonas->Anotar(escrito, sustituto->size());
            }
            for (const char c : *sustituto) {  // one or two characters, mostly
                d[escrito++] = c;
            }
            leido = p + largo;
            return leido;
        });
    if (escrito != leido) {
        std::memmove(d + escrito, d + leido, n - leido);
        texto.resize(escrito + (n - leido));
    }
}

}  // namespace

Regla::Regla(Clase claseRegla, std::string_view textoBuscar, std::string_view textoReemplazo)
    : clase(claseRegla),
      buscar(claseRegla == Clase::Exacta ? std::string(textoBuscar) : EnMayusculas(textoBuscar)),
      reemplazo(textoReemplazo),
      reemplazoMayusculas(claseRegla == Clase::Exacta ? std::string()
                                                      : EnMayusculas(textoReemplazo)) {}

void ZonasNuevas::Anotar(std::size_t desde, std::size_t largo) {
    const std::size_t inicio = desde > margen_ ? desde - margen_ : 0;
    const std::size_t fin = desde + largo + margen_;
    if (!zonas_.empty() && inicio <= zonas_.back().second) {
        zonas_.back().second = fin;
    } else {
        zonas_.emplace_back(inicio, fin);
    }
}

bool AplicarRegla(const Regla& regla, std::string& texto, std::size_t limite, ZonasNuevas* zonas) {
    if (regla.buscar.empty()) {
        return true;
    }
    const std::size_t n = texto.size(), largo = regla.buscar.size();
    if (regla.reemplazo.size() <= largo) {
        AplicarEnSitio(regla, texto, zonas);
        return true;
    }
    // A longer replacement: the text is rebuilt in a new string, so that it is still whole if
    // the rule has to give up at the limit.
    std::string nuevo;
    std::size_t leido = 0;  // first character of the text not yet taken
    bool empezado = false, cabe = true;
    Buscador(texto, regla.buscar, regla.clase != Regla::Clase::Exacta)
        .Recorrer(0, [&](std::size_t p) {
            if (!empezado) {
                empezado = true;
                nuevo.reserve(std::min(n + n / 4, limite));
            }
            // The character before may already belong to an earlier replacement.
            const bool inicio = p > leido ? EsCaracterSeparador(texto[p - 1])
                                          : nuevo.empty() || EsCaracterSeparador(nuevo.back());
            const std::string* sustituto = Sustituto(regla, texto, p, inicio);
            if (sustituto == nullptr) {
                return p + 1;
            }
            nuevo.append(texto, leido, p - leido);
            if (zonas != nullptr) {
                zonas->Anotar(nuevo.size(), sustituto->size());
            }
            nuevo += *sustituto;
            if (nuevo.size() > limite) {
                cabe = false;
                return std::string::npos;
            }
            leido = p + largo;
            return leido;
        });
    if (!empezado) {
        return true;
    }
    if (!cabe || nuevo.size() + (n - leido) > limite) {
        return false;
    }
    nuevo.append(texto, leido, n - leido);
    texto = std::move(nuevo);
    return true;
}

}  // namespace rebanex
