// Getting the message in: the text of a file or of standard input, then the text the
// message box would hold.
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "cli/Argumentos.h"

namespace rebanex::cli {

// Every byte of the stream; nullopt on a read error. `previsto`: room to reserve up front.
std::optional<std::string> LeerTodo(std::istream& entrada, std::size_t previsto = 0);

// The message the box would hold, as Windows-1252, from the file or, without one, from the
// stream: both are read as every text file of the program (UTF-8 converted, anything else
// taken as Windows-1252). A file is then loaded as the window's "Cargar Mensaje" loads it,
// whatever the encoding: every line end CR LF, none after the last line, NUL as a space, the
// telephone trailer cut. The stream is taken whole: in UTF-8 mode every line break made
// CR LF, in Windows-1252 mode unchanged. nullopt when it cannot be read.
std::optional<std::string> LeerMensaje(const std::optional<std::string>& fichero,
                                       std::istream& entrada, CodificacionConsola codificacion);

}  // namespace rebanex::cli
