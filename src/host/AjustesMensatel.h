// What the program borrows from Mensatel's settings file "mensatel.ini" in the start
// directory: the colours of its text boxes and the user's signature. Both readers open that
// file with a settings access of their own, through the same system functions as `ini`, which
// stays on the file it was on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "comun/Aviso.h"
#include "settings/Ini.h"

namespace rebanex {

inline constexpr std::string_view kFicheroMensatel = "mensatel.ini";

// Colours are 0x00BBGGRR values.
struct ColoresMensatel {
    int32_t texto = 0;
    int32_t fondo = 0;
};

// Only when both "colores"/"fondo" and "colores"/"texto" are present; a value beyond the
// int32 range counts as 0.
std::optional<ColoresMensatel> LeerColoresMensatel(Ini& ini, const std::string& directorioInicio);

// "Usuario"/"firma", empty when missing. With `avisador`, a signature saved as UTF-8 with
// characters Windows-1252 lacks is said in a box.
std::string LeerFirmaMensatel(Ini& ini, const std::string& directorioInicio,
                              Avisador* avisador = nullptr);

}  // namespace rebanex
