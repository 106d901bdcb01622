#include "transforms/FiltroReglas.h"

#include <algorithm>
#include <bit>
#include <string>
#include <utility>

#include "transforms/Tablas.h"

namespace rebanex {

namespace {

// Enough to tell most search texts apart, and it keeps the automaton and the stretch to
// look at again after each change short.
constexpr std::size_t kLargoMaximo = 8;
// The table has a row of one entry per class for each state: characters that no search text
// uses share class 0, the separators share class 1, and when too many characters are used
// some share a class (the filter then reports more, never less), so that the table stays
// within 32 MiB.
constexpr uint32_t kClasesMaximas = 64;
constexpr std::size_t kEntradasMaximas = std::size_t{1} << 23;
constexpr uint8_t kClaseSeparador = 1;

// What the filter looks for: at most kLargoMaximo characters of the search text (the last
// ones for a suffix rule), with a separator before them where the rule needs a word start and
// after them where it needs a word end. The start and the end of the text count as
// separators. The first occurrence a rule replaces passes its word test in the text as it
// is, so a rule whose key does not occur makes no change at all.
struct Clave {
    explicit Clave(const Regla& regla) {
        const std::string_view buscar(regla.buscar);
        const bool sufijo = regla.clase == Regla::Clase::Sufijo;
        const bool palabra = regla.clase == Regla::Clase::Palabra;
        letras = sufijo && buscar.size() > kLargoMaximo
                     ? buscar.substr(buscar.size() - kLargoMaximo)
                     : buscar.substr(0, kLargoMaximo);
        antes = palabra || regla.clase == Regla::Clase::Prefijo;
        despues = sufijo || (palabra && buscar.size() <= kLargoMaximo);
    }
    std::size_t Largo() const { return letras.size() + antes + despues; }

    std::string_view letras;
    bool antes, despues;
};

}  // namespace

FiltroReglas::FiltroReglas(std::span<const Regla> reglas) : otraRegla_(reglas.size(), -1) {
    Clasificar(reglas);
    // Sorted, the keys tell how many states the trie has (one per distinct prefix), so that
    // its table is made once, at its size.
    const std::vector<ClaveEnClases> claves = ClavesOrdenadas(reglas);
    std::size_t estados = 1;
    for (std::size_t k = 0; k < claves.size(); ++k) {
        const std::string_view clave = claves[k].first;
        const std::string_view anterior = k > 0 ? claves[k - 1].first : std::string_view();
        const auto distinta =
            std::mismatch(clave.begin(), clave.end(), anterior.begin(), anterior.end());
        estados += static_cast<std::size_t>(clave.end() - distinta.first);
    }
    transiciones_.reserve(estados * clases_);
    transiciones_.assign(clases_, 0);
    primeraRegla_.reserve(estados);
    primeraRegla_.assign(1, -1);
    for (const auto& [clave, indice] : claves) {
        Insertar(clave, indice);
    }
    Completar();
}

// The classes: one per capital used, unless there are too many, in a power of two so that a
// row gives its state by a shift.
void FiltroReglas::Clasificar(std::span<const Regla> reglas) {
    std::array<bool, 256> usado{};
    std::size_t estadosMaximos = 1;
    for (const Regla& regla : reglas) {
        const Clave clave(regla);
        for (const char c : clave.letras) {
            if (!EsCaracterSeparador(c)) {
                usado[static_cast<unsigned char>(Traducir(kMayusculas, c))] = true;
            }
        }
        estadosMaximos += clave.Largo();
        alcance_ = std::max(alcance_, clave.Largo());
    }
    const auto distintas = static_cast<uint32_t>(std::count(usado.begin(), usado.end(), true));
    clases_ = std::bit_ceil(std::min(distintas + 2, kClasesMaximas));
    if (estadosMaximos * clases_ > kEntradasMaximas) {
        clases_ = static_cast<uint32_t>(
            std::bit_floor(std::max<std::size_t>(4, kEntradasMaximas / estadosMaximos)));
    }
    desplazamiento_ = static_cast<uint32_t>(std::countr_zero(clases_));
    std::array<uint8_t, 256> claseDeMayuscula{};
    for (uint32_t c = 0, usadas = 0; c < 256; ++c) {
        if (usado[c]) {
            claseDeMayuscula[c] = static_cast<uint8_t>(2 + usadas++ % (clases_ - 2));
        }
    }
    for (int c = 0; c < 256; ++c) {
        clase_[c] = EsCaracterSeparador(static_cast<char>(c)) ? kClaseSeparador
                                                              : claseDeMayuscula[kMayusculas[c]];
    }
}

// Each rule's key as the string of its classes, with the rule's index, in order.
std::vector<FiltroReglas::ClaveEnClases> FiltroReglas::ClavesOrdenadas(
    std::span<const Regla> reglas) const {
    std::vector<ClaveEnClases> claves;
    claves.reserve(reglas.size());
    for (std::size_t i = 0; i < reglas.size(); ++i) {
        const Clave clave(reglas[i]);
        if (clave.letras.empty()) {
            continue;
        }
        std::string enClases(clave.antes ? 1 : 0, static_cast<char>(kClaseSeparador));
        for (const char c : clave.letras) {
            enClases += static_cast<char>(clase_[static_cast<unsigned char>(c)]);
        }
        enClases.append(clave.despues ? 1 : 0, static_cast<char>(kClaseSeparador));
        claves.emplace_back(std::move(enClases), static_cast<int32_t>(i));
    }
    std::sort(claves.begin(), claves.end());
    return claves;
}

// Into the trie of the keys; 0, the root, also means "no child yet".
void FiltroReglas::Insertar(std::string_view clases, int32_t indice) {
    uint32_t estado = 0;
    for (const char c : clases) {
        const std::size_t entrada = estado * clases_ + static_cast<uint8_t>(c);
        if (transiciones_[entrada] == 0) {
            transiciones_[entrada] = static_cast<uint32_t>(primeraRegla_.size());
            primeraRegla_.push_back(-1);
            transiciones_.resize(transiciones_.size() + clases_, 0);
        }
        estado = transiciones_[entrada];
    }
    otraRegla_[indice] = primeraRegla_[estado];
    primeraRegla_[estado] = indice;
}

// Breadth first, each state's failure (the longest proper suffix that is a state) is done
// before the states below it: a missing child becomes the failure's child. Then every entry
// takes its final form.
void FiltroReglas::Completar() {
    auto& hijos = transiciones_;
    const std::size_t estados = primeraRegla_.size();
    std::vector<uint32_t> fallo(estados, 0), orden;
    orden.reserve(estados);
    salidaSiguiente_.assign(estados, -1);
    for (uint32_t c = 0; c < clases_; ++c) {
        if (hijos[c] != 0) {
            orden.push_back(hijos[c]);
        }
    }
    for (std::size_t k = 0; k < orden.size(); ++k) {
        const uint32_t u = orden[k], f = fallo[u];
        salidaSiguiente_[u] = primeraRegla_[f] >= 0 ? static_cast<int32_t>(f) : salidaSiguiente_[f];
        for (uint32_t c = 0; c < clases_; ++c) {
            uint32_t& hijo = hijos[u * clases_ + c];
            if (hijo != 0) {
                fallo[hijo] = hijos[f * clases_ + c];
                orden.push_back(hijo);
            } else {
                hijo = hijos[f * clases_ + c];
            }
        }
    }
    for (uint32_t& destino : hijos) {
        const bool conSalida = primeraRegla_[destino] >= 0 || salidaSiguiente_[destino] >= 0;
        destino = (destino * clases_) << 1 | (conSalida ? 1 : 0);
    }
}

// Each step waits for the one before, so four stretches of the text go side by side. Each
// starts far enough before its share to see whole any search text that ends in it; what two
// stretches both see is marked twice, which changes nothing. The states that end a search
// text are noted without a branch and marked a block at a time.
void FiltroReglas::Marcar(std::string_view texto, bool alInicio, bool alFinal,
                          std::vector<char>& posibles) const {
    constexpr std::size_t kBloque = 256;
    const auto* const inicio = reinterpret_cast<const unsigned char*>(texto.data());
    const std::size_t solape = alcance_ > 0 ? alcance_ - 1 : 0;
    const std::size_t parte = texto.size() / 4;
    const std::size_t pasos = parte < kBloque ? 0 : parte + solape;  // short texts in one go
    const unsigned char* const a = inicio;
    const unsigned char* const b = pasos == 0 ? a : a + parte - solape;
    const unsigned char* const c = pasos == 0 ? a : b + parte;
    const unsigned char* const d = pasos == 0 ? a : c + parte;
    uint32_t fa = 0, fb = 0, fc = 0, fd = 0;
    std::array<uint32_t, 4 * kBloque> conSalida;
    std::size_t anotadas = 0;
    const uint32_t* const transiciones = transiciones_.data();
    const auto paso = [&](uint32_t& fila, uint8_t clase) {
        const uint32_t siguiente = transiciones[fila + clase];
        fila = siguiente >> 1;
        conSalida[anotadas] = fila;
        anotadas += siguiente & 1;
    };
    const auto marcarAnotadas = [&] {
        for (std::size_t k = 0; k < anotadas; ++k) {
            MarcarEstado(conSalida[k] >> desplazamiento_, posibles);
        }
        anotadas = 0;
    };
    if (alInicio) {
        paso(pasos == 0 ? fd : fa, kClaseSeparador);
        marcarAnotadas();
    }
    for (std::size_t i = 0; i < pasos; i += kBloque) {
        for (std::size_t j = i; j < std::min(pasos, i + kBloque); ++j) {
            paso(fa, clase_[a[j]]);
            paso(fb, clase_[b[j]]);
            paso(fc, clase_[c[j]]);
            paso(fd, clase_[d[j]]);
        }
        marcarAnotadas();
    }
    // The last stretch goes on to the end of the text.
    const unsigned char* const fin = inicio + texto.size();
    for (const unsigned char* p = d + pasos; p < fin; ++p) {
        paso(fd, clase_[*p]);
        if (anotadas == conSalida.size()) {
            marcarAnotadas();
        }
    }
    if (alFinal) {
        paso(fd, kClaseSeparador);
    }
    marcarAnotadas();
}

// Every search text that ends here: the state's own and those of its suffixes.
void FiltroReglas::MarcarEstado(uint32_t estado, std::vector<char>& posibles) const {
    int32_t s =
        primeraRegla_[estado] >= 0 ? static_cast<int32_t>(estado) : salidaSiguiente_[estado];
    for (; s >= 0; s = salidaSiguiente_[s]) {
        for (int32_t r = primeraRegla_[s]; r >= 0; r = otraRegla_[r]) {
            posibles[r] = 1;
        }
    }
}

}  // namespace rebanex
