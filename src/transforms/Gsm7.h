// What each Windows-1252 character costs in an SMS: the GSM 7-bit alphabet (3GPP TS 23.038),
// with or without the Spanish single shift table, and what to write instead of a character
// that the alphabet lacks and that would turn the whole SMS into UCS-2.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rebanex {

// The table reached through the escape: the default extension table, or the Spanish single
// shift table (few senders support it, so it is asked for explicitly).
enum class TablaGsm { Basica, Espanola };

// Septets per Windows-1252 byte: 1 (default alphabet), 2 (escape + extension), or 0 when the
// character is not in GSM-7 and forces UCS-2.
using CostesGsm = std::array<uint8_t, 256>;
const CostesGsm& Costes(TablaGsm tabla);

inline int SeptetosGsm(char c, TablaGsm tabla) {
    return Costes(tabla)[static_cast<unsigned char>(c)];
}

// The suggested GSM-7 text for a byte that forces UCS-2 with the default table (empty: drop
// it); nullopt for a byte that needs none or has no sensible one (such as the pilcrow).
std::optional<std::string_view> SustitutoGsm(unsigned char byte);

// Replaces each character that forces UCS-2 with `tabla` by its suggestion; characters of
// GSM-7 never change. Returns the characters left because they have no sensible suggestion,
// each once, in the order they first appear.
std::string AdaptarGSM(std::string& texto, TablaGsm tabla);

}  // namespace rebanex
