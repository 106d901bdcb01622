// Which rules of a long list can match a text at all, found in one pass over the text for all
// of them: most rules of a big file never match, and searching for each one in turn made
// their cost grow with their number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "transforms/Regla.h"

namespace rebanex {

// An Aho-Corasick automaton over the search texts ignoring case, with a word boundary before
// or after them where the rule asks for one. It only ever errs on the safe side: a rule it
// reports may still not match (its search text is cut to a few characters, some characters
// share a class, exact case is left to the rule itself), but a rule it does not report would
// make no change.
class FiltroReglas {
  public:
    explicit FiltroReglas(std::span<const Regla> reglas);

    // Sets posibles[i] to 1 for every rule i that may match in `texto`, a stretch of a text
    // that begins (alInicio) or ends (alFinal) the text or neither.
    void Marcar(std::string_view texto, bool alInicio, bool alFinal,
                std::vector<char>& posibles) const;

    // The longest key it looks for, boundaries included: a change to the text can make a new
    // match only within this many characters of it.
    std::size_t Alcance() const { return alcance_; }

  private:
    using ClaveEnClases = std::pair<std::string, int32_t>;

    void Clasificar(std::span<const Regla> reglas);
    std::vector<ClaveEnClases> ClavesOrdenadas(std::span<const Regla> reglas) const;
    void Insertar(std::string_view clases, int32_t indice);
    void Completar();
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

}  // namespace rebanex
