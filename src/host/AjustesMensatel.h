// What the program borrows from Mensatel's settings file "mensatel.ini" in the start
// directory: the colours of its text boxes and the user's signature. Both readers point the
// settings access at Mensatel's file and always back at "Rebanex.ini" before returning.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "comun/Aviso.h"
#include "settings/Ini.h"

namespace rebanex {

inline constexpr std::string_view kFicheroMensatel = "mensatel.ini";

// True only when both "colores"/"fondo" and "colores"/"texto" are present. Colours are
// 0x00BBGGRR values.
bool LeerColoresMensatel(Ini& ini, const std::string& directorioInicio, int32_t& texto,
                         int32_t& fondo);

// "Usuario"/"firma", empty when missing. With `avisador`, a signature saved as UTF-8 with
// characters Windows-1252 lacks is said in a box.
std::string LeerFirmaMensatel(Ini& ini, const std::string& directorioInicio,
                              Avisador* avisador = nullptr);

}  // namespace rebanex
