// The program's paths: folders end in their separator and a file name is appended to them.
// Windows paths (backslashes) on every platform; paths given on trocear's command line in the
// platform's own form.
#pragma once

#include <string>

namespace rebanex {

// The path with one backslash appended unless it already ends in one.
std::string ConBarraFinal(std::string ruta);

// The folder of a file's path, up to its last backslash, ending in one backslash.
std::string DirectorioDe(const std::string& ruta);

// The file's name: what follows the last backslash (the whole path when there is none).
std::string NombreDe(const std::string& ruta);

// The folder of a path as this platform writes it, ending in its separator (a backslash on
// Windows, where a slash separates too; a slash elsewhere); "" stays the current one.
std::string DirectorioDeRutaLocal(const std::string& ruta);

}  // namespace rebanex
