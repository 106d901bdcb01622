// Getting the message in: the bytes of a file or of standard input, then the text the
// message box would hold.
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "cli/Argumentos.h"

namespace rebanex::consola {

// Every byte of the stream; nullopt on a read error. `previsto`: room to reserve up front.
std::optional<std::string> LeerTodo(std::istream& entrada, std::size_t previsto = 0);

// Every byte of the file; nullopt when it cannot be opened or read (a directory included).
std::optional<std::string> LeerFichero(const std::string& ruta);

// In UTF-8 mode: decoded to Windows-1252 and every line break made CR LF. In Windows-1252
// mode: unchanged.
std::string MensajeDeConsola(std::string bytes, CodificacionConsola codificacion);

}  // namespace rebanex::consola
