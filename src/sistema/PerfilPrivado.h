// The private-profile functions of the platform, through which every settings file is read and
// written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rebanex {

// The two platform calls, one to one: GetPrivateProfileStringA (returns the characters it
// copied: the value, or the default when the key is missing, cut to tamanyo - 1) and
// WritePrivateProfileStringA (true when it returned 1). The .exe maps them onto Win32;
// tests and the console tool use PerfilFichero, with the same semantics.
class PerfilPrivado {
  public:
    virtual ~PerfilPrivado() = default;
    virtual std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                                      std::string_view clave, std::string_view porDefecto,
                                      std::size_t tamanyo) = 0;
    virtual bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                                std::string_view clave, std::string_view valor) = 0;
};

}  // namespace rebanex
