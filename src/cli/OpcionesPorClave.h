// Setting one option by its key in the settings file, with a value written the way that
// file stores it, so that --opcion means exactly what a line of "Rebanex.ini" would.
#pragma once

#include <string>
#include <string_view>

#include "settings/Configuracion.h"

namespace rebanex::cli {

// True when the key (Windows-1252, any letter case) names an option the tool accepts.
bool EsClaveDeOpcion(std::string_view clave);

// Flags are on when the value read as a number is not zero; Letras and FirmarEnPosicion
// are rounded (halves to even) and fall back to 1 outside 1..3; MsgMax keeps the text as
// typed into LongMax. False, with nothing changed, for an unknown key.
bool AsignarOpcion(Configuracion& opciones, std::string_view clave, const std::string& valor);

}  // namespace rebanex::cli
