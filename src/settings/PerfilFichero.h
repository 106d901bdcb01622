// Private-profile access on real files, written portably (the console tool's reader).
// Follows the Win32 functions: names compare case-insensitively, blanks around names and
// values are trimmed, a value in matching double (or single) quotes loses them, lines end at
// CR LF or LF. A UTF-8 byte order mark at the start is skipped; values come back as their
// bytes stand in the file.
#pragma once

#include "settings/Ini.h"

namespace rebanex {

class PerfilFichero : public PerfilPrivado {
  public:
    std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                              std::string_view clave, std::string_view porDefecto,
                              std::size_t tamano) override;
    // Rewrites the file with the key set (creating file, section, key as needed).
    bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                        std::string_view clave, std::string_view valor) override;
};

}  // namespace rebanex
