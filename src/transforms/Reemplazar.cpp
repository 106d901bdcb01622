#include "transforms/Reemplazar.h"

#include <algorithm>
#include <cstddef>

namespace rebanex::Troceado {

namespace {

// The text being rewritten: the part already built, followed by what is left of the original.
// A negative adjustment can send the search back into the built part, so matches are looked
// for across the join as well.
class TextoEnObras {
  public:
    explicit TextoEnObras(std::string_view original) : original_(original) {
        // Room for some growth up front: reallocating a large text is what costs, not copying.
        hecho_.reserve(original.size() + original.size() / 4);
    }

    std::size_t Largo() const { return hecho_.size() + original_.size() - resto_; }

    // True when `buscar` occurs at position q (0-based) of the current text.
    bool CoincideEn(std::size_t q, std::string_view buscar) const {
        if (q + buscar.size() > Largo()) {
            return false;
        }
        for (std::size_t k = 0; k < buscar.size(); ++k) {
            if (Caracter(q + k) != buscar[k]) {
                return false;
            }
        }
        return true;
    }

    // First occurrence at or after `desde`; npos when there is none.
    std::size_t Buscar(std::size_t desde, std::string_view buscar) {
        for (std::size_t q = desde; q < hecho_.size(); ++q) {
            if (CoincideEn(q, buscar)) {
                return q;
            }
        }
        // Past the built part: copy what is skipped, then search the untouched original.
        std::size_t salto = desde > hecho_.size() ? desde - hecho_.size() : 0;
        salto = std::min(salto, original_.size() - resto_);
        hecho_.append(original_.substr(resto_, salto));
        resto_ += salto;
        const std::size_t j = original_.find(buscar, resto_);
        if (j == std::string_view::npos) {
            return std::string_view::npos;
        }
        hecho_.append(original_.substr(resto_, j - resto_));
        resto_ = j;
        return hecho_.size();
    }

    // Puts `sustituto` in place of the `largo` characters at q.
    void Sustituir(std::size_t q, std::size_t largo, std::string_view sustituto) {
        std::string cola;
        if (q + largo <= hecho_.size()) {
            cola = hecho_.substr(q + largo);
        } else {
            resto_ += q + largo - hecho_.size();
        }
        hecho_.resize(q);
        hecho_.append(sustituto);
        hecho_.append(cola);
    }

    std::string Terminar() && {
        hecho_.append(original_.substr(resto_));
        return std::move(hecho_);
    }

  private:
    char Caracter(std::size_t k) const {
        return k < hecho_.size() ? hecho_[k] : original_[resto_ + (k - hecho_.size())];
    }

    std::string_view original_;
    std::size_t resto_ = 0;  // first character of the original not yet taken into hecho_
    std::string hecho_;
};

}  // namespace

void ReemplazarTodo(std::string& texto, std::string_view buscar, std::string_view sustituto,
                    int16_t ajuste) {
    if (buscar.empty() || texto.find(buscar) == std::string::npos) {
        return;
    }
    TextoEnObras obra(texto);
    std::size_t desde = 0;
    for (;;) {
        const std::size_t p = obra.Buscar(desde, buscar);
        if (p == std::string_view::npos) {
            break;
        }
        obra.Sustituir(p, buscar.size(), sustituto);
        // The next search starts at p + substitute + adjustment, but never so far back that
        // the rest of the text could stop shrinking: that keeps every call finite.
        const long long siguiente = static_cast<long long>(p + sustituto.size()) + ajuste;
        const long long minimo = static_cast<long long>(p + sustituto.size()) -
                                 static_cast<long long>(buscar.size()) + 1;
        desde = static_cast<std::size_t>(std::max({siguiente, minimo, 0LL}));
    }
    texto = std::move(obra).Terminar();
}

void Reemplazar(std::string& texto, std::string_view buscar, std::string_view sustituto) {
    ReemplazarTodo(texto, buscar, sustituto, 0);
}

}  // namespace rebanex::Troceado
