// Finding a short pattern in a long text fast: a rules file searches the whole text once per
// rule that can apply.
#pragma once

#include <cstddef>
#include <string_view>

namespace rebanex {

// The first occurrence of `patron` at or after `desde`, as std::string_view::find.
std::size_t Buscar(std::string_view texto, std::string_view patron, std::size_t desde = 0);

// The same ignoring case by the Windows-1252 capitals, without an upper-case copy of the
// text: `enMayusculas` is the pattern already in capitals (Mayuscula of each character).
std::size_t BuscarSinMayusculas(std::string_view texto, std::string_view enMayusculas,
                                std::size_t desde = 0);

}  // namespace rebanex
