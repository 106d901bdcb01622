// Replace-all on a text, the primitive under most transforms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rebanex::Troceado {

// Replaces every exact (case-sensitive) occurrence of `buscar`, left to right. After each
// replacement the search goes on at p + length(sustituto) + ajuste in the new text, so with
// ajuste 0 inserted text is never searched again and with -1 a run of "  " collapses in one
// call. An empty `buscar` does nothing. Every call ends: the search never goes back before
// p + length(sustituto) - length(buscar) + 1, so an adjustment that would search a growing
// substitute again and again is held there. Linear in the length of the text.
void ReemplazarTodo(std::string& texto, std::string_view buscar, std::string_view sustituto,
                    int16_t ajuste);

// ReemplazarTodo with ajuste 0.
void Reemplazar(std::string& texto, std::string_view buscar, std::string_view sustituto);

}  // namespace rebanex::Troceado
