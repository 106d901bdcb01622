// The date that names this version: the window's caption and the update check show it in
// two orders.
#pragma once

#include <string>

namespace rebanex {

struct FechaVersion {
    int dia, mes, anyo;
};

inline constexpr FechaVersion kFechaVersion{1, 1, 2002};

// "01/01/2002": day, month, year, as the caption shows it.
std::string FechaTitulo(FechaVersion f = kFechaVersion);
// "2002/01/01": year, month, day, as the update check compares it.
std::string FechaActualizacion(FechaVersion f = kFechaVersion);

}  // namespace rebanex
