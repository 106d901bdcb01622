// The default rules file, written when the user asks to edit a rules file that is missing.
#pragma once

#include <string>

#include "comun/Aviso.h"

namespace rebanex::Troceado {

// Creates (or empties) the file and writes the 27 default lines, each ending in CR LF.
// False when the file cannot be created or written.
bool EscribirReemplazosPorDefecto(const std::string& ruta);

// The missing-file notice shown before the default file is written.
Aviso AvisoReemplazosNoEncontrado(const std::string& ruta);
// The box when that file cannot be written.
Aviso AvisoErrorEscribirReemplazos(const std::string& ruta);

}  // namespace rebanex::Troceado
