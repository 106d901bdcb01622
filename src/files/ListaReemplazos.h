// The five most recent rules files, entry 1 the current one.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/Ajustes.h"

namespace rebanex {

using ListaReemplazos = std::array<std::string, kFicherosRecientes>;  // [0] is entry 1

inline constexpr std::string_view kFiltroReemplazos = "Archivos TXT (*.txt) | *.txt";
inline constexpr std::string_view kTituloCargarReemplazos = "Cargar Archivo de Reemplazos...";

// The entry (1 to 4) that names `ruta` in any letter case, or 0. Entry 5 is not searched: a
// path equal to it goes in as a new one and the old entry 5 drops out, so no duplicate arises.
int PosicionEnLista(const ListaReemplazos& lista, const std::string& ruta);

// `ruta` goes to entry 1 and entries 1 to hasta - 1 move one place down; entry `hasta` is
// overwritten (it is either `ruta` itself, picked from the list, or the oldest one, 5).
// Entries after `hasta` keep their places.
ListaReemplazos SubirALaCabeza(ListaReemplazos lista, int hasta, const std::string& ruta);

}  // namespace rebanex
