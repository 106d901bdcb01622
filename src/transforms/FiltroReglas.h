// Which rules of a long list can match a text at all, found in one pass over the text for all
// of them: most rules of a big file never match, and searching for each one in turn made
// their cost grow with their number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "transforms/Regla.h"

namespace rebanex::Troceado {

// An Aho-Corasick automaton over the search texts ignoring case. It only ever errs on the
// safe side: a rule it reports may still not match (its search text is cut to a few
// characters, its exact case and its word test are left to the rule itself), but a rule it
// does not report has no occurrence at all.
class FiltroReglas {
  public:
    explicit FiltroReglas(std::span<const Regla> reglas);

    // Sets posibles[i] to 1 for every rule i whose search text may occur in `texto`.
    void Marcar(std::string_view texto, std::vector<char>& posibles) const;

    // The longest text it looks for: a change to the text can make a new occurrence only
    // within this many characters of it.
    std::size_t Alcance() const { return alcance_; }

  private:
    void MarcarEstado(uint32_t estado, std::vector<char>& posibles) const;

    std::array<uint8_t, 256> clase_{};  // of each character, by its capital
    uint32_t clases_ = 1;
    uint32_t desplazamiento_ = 0;  // log2 of clases_
    std::size_t alcance_ = 0;
    // For state s and class c, at s * clases_ + c: the next state times clases_, shifted
    // left by one, with the low bit set when the next state ends some search text.
    std::vector<uint32_t> transiciones_;
    std::vector<int32_t> primeraRegla_;     // per state: a rule whose search text ends there
    std::vector<int32_t> otraRegla_;        // per rule: the next with the same search text
    std::vector<int32_t> salidaSiguiente_;  // per state: the longest suffix state with rules
};

}  // namespace rebanex::Troceado
