// Finding a short pattern in a long text fast: a long rules file searches the whole text
// once per rule.
#pragma once

#include <cstddef>
#include <string_view>

namespace rebanex::Troceado {

// The first occurrence of `patron` at or after `desde`, as std::string_view::find.
std::size_t Buscar(std::string_view texto, std::string_view patron, std::size_t desde = 0);

}  // namespace rebanex::Troceado
