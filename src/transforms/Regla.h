// One rule of a rules file, ready to be applied to a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "transforms/Reemplazos.h"

namespace rebanex {

struct Regla {
    // Prefijo, Sufijo and Palabra ignore case and test word boundaries; Exacta does neither.
    enum class Clase : uint8_t { Prefijo, Sufijo, Palabra, Exacta };

    Regla(Clase claseRegla, std::string_view textoBuscar, std::string_view textoReemplazo);

    Clase clase;
    std::string buscar;  // in capitals, except for Exacta
    std::string reemplazo;
    std::string reemplazoMayusculas;  // for an occurrence that starts with a capital
};

// Where a rule has put text: each inserted text (or the join left by an empty one) widened by
// `margen` characters on each side, overlapping ones joined, in positions of the text as the
// rule left it. Only there can a search text of up to margen + 1 characters newly occur.
class ZonasNuevas {
  public:
    using Zona = std::pair<std::size_t, std::size_t>;  // [inicio, fin)

    explicit ZonasNuevas(std::size_t margen) : margen_(margen) {}
    void Anotar(std::size_t desde, std::size_t largo);
    void Vaciar() { zonas_.clear(); }
    const std::vector<Zona>& Zonas() const { return zonas_; }

  private:
    std::size_t margen_;
    std::vector<Zona> zonas_;
};

// Applies one rule to the whole text, left to right: each replacement is never searched again
// and the word test sees the text as this rule has left it so far. Linear in the length of
// the text. Returns false, with the text as it was, when the rule would make the text longer
// than `limite`; notes in `zonas` (when given) where it put text.
bool AplicarRegla(const Regla& regla, std::string& texto, std::size_t limite = kSinLimite,
                  ZonasNuevas* zonas = nullptr);

}  // namespace rebanex
