// The default rules file, written when the user asks to edit a rules file that is missing.
#pragma once

#include <string>

#include "comun/Aviso.h"

namespace rebanex {

// The whole default file: the 27 default lines, each ending in CR LF.
std::string TextoReemplazosPorDefecto();

// The missing-file notice shown before the default file is written.
Aviso AvisoReemplazosNoEncontrado(const std::string& ruta);
// The box when that file cannot be written.
Aviso AvisoErrorEscribirReemplazos(const std::string& ruta);

}  // namespace rebanex
