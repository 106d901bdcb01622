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

namespace rebanex::ficheros {

// Every byte of the file; nullopt when it cannot be opened or read (a folder included).
std::optional<std::string> LeerFichero(const std::string& ruta);

// The file's text as Windows-1252: a file in UTF-8 (with a byte order mark, or valid UTF-8
// with characters beyond ASCII) is converted, "?" standing for what the code page lacks;
// any other file is taken as Windows-1252. Line breaks are left as they are.
std::optional<std::string> LeerTexto(const std::string& ruta);

// Creates (or empties) the file and writes the bytes as they are. False when it cannot be
// created, written or closed (a full disk shows up only on closing).
bool EscribirFichero(const std::string& ruta, std::string_view bytes);

// An ordinary file (not a folder) is there.
bool ExisteFichero(const std::string& ruta);

bool EsDirectorio(const std::string& ruta);

// Removes an ordinary file; false when there is none at the path or it cannot be removed.
bool Borrar(const std::string& ruta);

// The size of an ordinary file in bytes; nullopt when there is none at the path.
std::optional<std::uintmax_t> TamanoFichero(const std::string& ruta);

}  // namespace rebanex::ficheros
