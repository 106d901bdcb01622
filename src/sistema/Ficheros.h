// Every access of the program to the file system goes through here. Paths are the
// program's own text, Windows-1252, as the window and the settings file hold them; each call
// hands them to the system in its own form: UTF-16 on Windows, UTF-8 elsewhere. A name the
// code page cannot write cannot be reached, as through the platform's "A" functions.
// A file is opened, used and closed within one call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sistema/Lectura.h"

namespace rebanex::ficheros {

// Every byte of the file, or why it cannot be opened or read (a folder included).
Lectura LeerFichero(const std::string& ruta);

// Every byte of standard input (binary on Windows: main sets it so); nullopt on a read error.
std::optional<std::string> LeerEntradaEstandar();

// The file's text as Windows-1252: a file in UTF-8 (with a byte order mark, or valid UTF-8
// with characters beyond ASCII) is converted, "?" standing for what the code page lacks;
// any other file is taken as Windows-1252. Line breaks are left as they are.
Lectura LeerTexto(const std::string& ruta);

// Creates (or empties) the file and writes the bytes as they are. False when it cannot be
// created, written or closed (a full disk shows up only on closing).
bool EscribirFichero(const std::string& ruta, std::string_view bytes);

// An ordinary file (not a folder) is there.
bool ExisteFichero(const std::string& ruta);

// An ordinary file without write permission for its owner (on Windows: read-only).
bool SoloLectura(const std::string& ruta);

// Removes an ordinary file; false when there is none at the path or it cannot be removed.
bool Borrar(const std::string& ruta);

// Renames `origen` to `destino` (std::rename): on POSIX it replaces `destino` in one step; the
// Windows runtime refuses when `destino` exists, which the Windows build does with its own call.
bool Renombrar(const std::string& origen, const std::string& destino);

// The size of an ordinary file in bytes; nullopt when there is none at the path.
std::optional<std::uintmax_t> TamanyoFichero(const std::string& ruta);

}  // namespace rebanex::ficheros
