// Getting the message in: the text of a file or of standard input, then the text the
// message box would hold.
#pragma once

#include <optional>
#include <string>

#include "cli/Argumentos.h"
#include "cli/Flujos.h"

namespace rebanex::cli {

// The message the box would hold, as Windows-1252, from the file or, without one, from
// standard input: both are read as every text file of the program (UTF-8 converted, anything
// else taken as Windows-1252). A file is then loaded as the window's "Cargar Mensaje" loads it,
// whatever the encoding: every line end CR LF, none after the last line, NUL as a space, the
// telephone trailer cut. Standard input is taken whole: in UTF-8 mode every line break made
// CR LF, in Windows-1252 mode unchanged. nullopt when it cannot be read.
// `sinConvertir`, when given, gets what Windows-1252 lacks (see Conversion1252).
std::optional<std::string> LeerMensaje(const std::optional<std::string>& fichero, Origen& entrada,
                                       CodificacionConsola codificacion,
                                       std::u32string* sinConvertir = nullptr);

}  // namespace rebanex::cli
