// Finding a short pattern in a long text fast: a rules file searches the whole text once per
// rule that can apply.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "comun/Bloque16.h"
#include "transforms/Tablas.h"

namespace rebanex {

// The occurrences of a pattern, from left to right. Sixty-four candidate positions at a time:
// those whose first, second and last characters fit are compared whole. A common first letter
// alone would stop the search every few bytes; with wider windows fewer of them hold a candidate,
// and the branch out of the loop over them is mispredicted less often. What is done at each
// occurrence runs inside that loop, so that a rule with many matches costs little more per match
// than the replacement itself.
class Buscador {
  public:
    // With `sinMayusculas` the text matches ignoring case by the Windows-1252 capitals, without
    // an upper-case copy of it: `patron` is then already in capitals (Mayuscula of each
    // character).
    Buscador(std::string_view texto, std::string_view patron, bool sinMayusculas);

    // Calls `f(p)` for each occurrence p at or after `desde`, left to right. `f` answers where
    // to go on from, past p, or npos to stop; only the text before that may have changed
    // meanwhile (the text stays where it is).
    // `kPorLotes` false looks one window at a time: for a search that stops at the first.
    template <bool kPorLotes = true, typename F>
    void Recorrer(std::size_t desde, F&& f) const;

  private:
    static constexpr std::size_t kAncho = 4 * Bloque16::kLargo;
    using Ventana = uint64_t;  // one bit per position of kAncho

    // One end of the pattern: the text's byte fits when it is one of two. Where the two differ
    // by the bit 0x20 alone (ASCII and Latin-1 letters), a block compares once with that bit set.
    struct Extremo {
        Extremo(char letra, char otraLetra);
        bool Cabe(char x) const { return x == c || x == otro; }
        char c, otro;
        bool plegable;
        Bloque16 pliegue, plegado, bloque, bloqueOtro;
    };

    template <bool kPlegados>
    Ventana Candidatos(std::size_t i) const;
    template <bool kPlegados>
    std::size_t Saltar(std::size_t i, std::size_t posibles, Ventana& m) const;

    // Windows looked at together, and those of them that hold candidates.
    static constexpr std::size_t kLote = 16;
    struct Lote {
        std::size_t inicio[kLote];
        Ventana ventana[kLote];
    };
    template <bool kPlegados>
    std::size_t Marcar(std::size_t i, Lote& lote) const;
    // The candidates of one window at or after `libre`, which moves past each one `f` takes;
    // false once `f` says stop.
    template <typename F>
    bool Visitar(std::size_t base, Ventana m, std::size_t& libre, F& f) const;
    Ventana CandidatosUnoAUno(std::size_t i) const;  // where the blocks would pass the end

    // The characters between the second and the last, which the candidates have matched already.
    bool Coincide(std::size_t j) const {
        const char* en = texto_.data() + j;
        for (std::size_t k = 2; k + 1 < patron_.size(); ++k) {
            const char c = sinMayusculas_ ? Traducir(kMayusculas, en[k]) : en[k];
            if (c != patron_[k]) {
                return false;
            }
        }
        return true;
    }

    std::string_view texto_, patron_;
    bool sinMayusculas_;
    Extremo primero_, segundo_, ultimo_;
};

template <bool kPlegados>
REBANEX_EN_LINEA Buscador::Ventana Buscador::Candidatos(std::size_t i) const {
    const std::size_t k = patron_.size();
    const auto cabe = [](const Bloque16& b, const Extremo& e) {
        if constexpr (kPlegados) {
            return (b | e.pliegue) == e.plegado;
        } else {
            return (b == e.bloque) | (b == e.bloqueOtro);
        }
    };
    const auto en = [&](std::size_t desde) {
        const char* s = texto_.data() + desde;
        const Bloque16 a = Bloque16::Leer(s), b = Bloque16::Leer(s + (k > 1 ? 1 : 0)),
                       c = Bloque16::Leer(s + k - 1);
        return (cabe(a, primero_) & cabe(b, segundo_) & cabe(c, ultimo_)).Mascara();
    };
    return Ventana{en(i)} | Ventana{en(i + Bloque16::kLargo)} << 16 |
           Ventana{en(i + 2 * Bloque16::kLargo)} << 32 |
           Ventana{en(i + 3 * Bloque16::kLargo)} << 48;
}

// Blocks without a candidate, most of the text, go by in a tight loop. The first position from
// `i` on whose block has one, or from which a whole block would pass the end.
template <bool kPlegados>
std::size_t Buscador::Saltar(std::size_t i, std::size_t posibles, Ventana& m) const {
    m = 0;
    while (i + kAncho <= posibles && (m = Candidatos<kPlegados>(i)) == 0) {
        i += kAncho;
    }
    return i;
}

template <bool kPlegados>
std::size_t Buscador::Marcar(std::size_t i, Lote& lote) const {
    std::size_t cuantas = 0;
    for (std::size_t w = 0; w < kLote; ++w) {
        const std::size_t base = i + w * kAncho;
        const Ventana m = Candidatos<kPlegados>(base);
        lote.inicio[cuantas] = base;
        lote.ventana[cuantas] = m;
        cuantas += m != 0 ? 1 : 0;
    }
    return cuantas;
}

template <typename F>
bool Buscador::Visitar(std::size_t base, Ventana m, std::size_t& libre, F& f) const {
    if (libre >= base + kAncho) {
        return true;
    }
    if (libre > base) {
        m &= ~Ventana{0} << (libre - base);
    }
    while (m != 0) {
        const std::size_t j = base + static_cast<std::size_t>(std::countr_zero(m));
        m &= m - 1;
        if (!Coincide(j)) {
            continue;
        }
        const std::size_t despues = f(j);
        if (despues == std::string_view::npos) {
            return false;
        }
        libre = despues;
        if (despues >= base + kAncho) {
            return true;
        }
        m &= ~Ventana{0} << (despues - base);
    }
    return true;
}

template <bool kPorLotes, typename F>
void Buscador::Recorrer(std::size_t desde, F&& f) const {
    const std::size_t k = patron_.size(), n = texto_.size();
    if (k == 0 || desde > n || n - desde < k) {
        return;
    }
    const std::size_t posibles = n - k + 1;  // the positions an occurrence can start at
    const bool plegados = primero_.plegable && segundo_.plegable && ultimo_.plegable;
    std::size_t i = desde;
    // A common word has a candidate every few windows, and a loop that stops at each window
    // with one is mispredicted there: a batch of windows is marked first, without a branch on
    // what they hold, and then only those with candidates are gone through.
    while (kPorLotes && i + kLote * kAncho <= posibles) {
        Lote lote;
        const std::size_t cuantas = plegados ? Marcar<true>(i, lote) : Marcar<false>(i, lote);
        std::size_t libre = i;  // where an occurrence may start, past those already taken
        for (std::size_t c = 0; c < cuantas; ++c) {
            if (!Visitar(lote.inicio[c], lote.ventana[c], libre, f)) {
                return;
            }
        }
        i = std::max(i + kLote * kAncho, libre);
    }
    while (i < posibles) {
        Ventana m = 0;
        i = plegados ? Saltar<true>(i, posibles, m) : Saltar<false>(i, posibles, m);
        if (m == 0) {
            if (i >= posibles) {
                return;
            }
            m = CandidatosUnoAUno(i);
        }
        std::size_t libre = i;
        if (!Visitar(i, m, libre, f)) {
            return;
        }
        i = std::max(i + kAncho, libre);
    }
}

// The first occurrence of `patron` at or after `desde`, as std::string_view::find.
std::size_t Buscar(std::string_view texto, std::string_view patron, std::size_t desde = 0);

// The same ignoring case, `enMayusculas` being the pattern in capitals (see Buscador).
std::size_t BuscarSinMayusculas(std::string_view texto, std::string_view enMayusculas,
                                std::size_t desde = 0);

}  // namespace rebanex
