// Access to the settings file through the private-profile functions.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "sistema/PerfilPrivado.h"

namespace rebanex {

// The longest value a read gives back.
inline constexpr std::size_t kLargoMaximoIni = 254;

// Reads and writes keys of the file named by FicheroIni.
class Ini {
  public:
    explicit Ini(PerfilPrivado& perfil) : perfil_(perfil) {}

    void FijarFicheroIni(std::string ruta) { FicheroIni = std::move(ruta); }
    const std::string& Fichero() const { return FicheroIni; }
    PerfilPrivado& Perfil() const { return perfil_; }

    // The value when the key is present. Values come back cut to 254 characters; a stored
    // "** error **" reads as missing.
    std::optional<std::string> LeerIni(std::string_view seccion, std::string_view clave);
    bool EscribirIni(std::string_view seccion, std::string_view clave, std::string_view valor);

  private:
    PerfilPrivado& perfil_;
    std::string FicheroIni;
};

}  // namespace rebanex
