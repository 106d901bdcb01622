// Access to the settings file through the private-profile functions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rebanex {

// The two platform calls, one to one: GetPrivateProfileStringA (returns the characters it
// copied: the value, or the default when the key is missing, cut to tamano - 1) and
// WritePrivateProfileStringA (true when it returned 1). The .exe maps them onto Win32;
// tests and the console tool use portable versions with the same semantics.
class PerfilPrivado {
  public:
    virtual ~PerfilPrivado() = default;
    virtual std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                                      std::string_view clave, std::string_view porDefecto,
                                      std::size_t tamano) = 0;
    virtual bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                                std::string_view clave, std::string_view valor) = 0;
};

// The longest value a read gives back.
inline constexpr std::size_t kLargoMaximoIni = 254;

// Reads and writes keys of the file named by FicheroIni.
class Ini {
  public:
    explicit Ini(PerfilPrivado& perfil) : perfil_(perfil) {}

    void FijarFicheroIni(std::string ruta) { FicheroIni = std::move(ruta); }
    const std::string& Fichero() const { return FicheroIni; }
    PerfilPrivado& Perfil() const { return perfil_; }

    // True and the value when the key is present; false and "" otherwise. Values come back
    // cut to 254 characters; a stored "** error **" reads as missing.
    bool LeerIni(std::string_view seccion, std::string_view clave, std::string& valor);
    bool EscribirIni(std::string_view seccion, std::string_view clave, std::string_view valor);

  private:
    PerfilPrivado& perfil_;
    std::string FicheroIni;
};

// The path with one backslash appended unless it already ends in one.
std::string ConBarraFinal(std::string ruta);

}  // namespace rebanex
