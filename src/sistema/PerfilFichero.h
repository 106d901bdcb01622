// Private-profile access on the files of a Disco, written portably: the console tool's reader
// and, over files in memory, the tests' stand-in for the Win32 functions.
// Follows the Win32 functions: names compare case-insensitively, blanks around names and
// values are trimmed, a value in matching double (or single) quotes loses them, lines end at
// CR LF or LF. A UTF-8 byte order mark at the start is skipped; values come back as their
// bytes stand in the file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sistema/Disco.h"
#include "sistema/PerfilPrivado.h"

namespace rebanex {

class PerfilFichero : public PerfilPrivado {
  public:
    explicit PerfilFichero(Disco& disco) : disco_(disco) {}
    std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                              std::string_view clave, std::string_view porDefecto,
                              std::size_t tamanyo) override;
    // Rewrites the file with the key set (creating file, section, key as needed).
    bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                        std::string_view clave, std::string_view valor) override;

  private:
    std::vector<std::string> LeerLineas(const std::string& fichero);
    Disco& disco_;
};

struct ClaveIni {
    std::string seccion, clave;
};
// Every key of a settings file's text under a section, in file order, as this reader finds
// them.
std::vector<ClaveIni> ClavesIni(std::string_view texto);

}  // namespace rebanex
