// A settings file the tool reads but never changes: the load writes missing keys back
// with their defaults, and the user's Rebanex.ini must stay as it was.
#pragma once

#include "settings/Ini.h"

namespace rebanex::consola {

class PerfilSoloLectura : public PerfilPrivado {
  public:
    explicit PerfilSoloLectura(PerfilPrivado& perfil) : perfil_(perfil) {}

    std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                              std::string_view clave, std::string_view porDefecto,
                              std::size_t tamano) override {
        return perfil_.ObtenerCadena(fichero, seccion, clave, porDefecto, tamano);
    }
    // Fails as a write-protected file would; the load ignores write failures.
    bool EscribirCadena(const std::string&, std::string_view, std::string_view,
                        std::string_view) override {
        return false;
    }

  private:
    PerfilPrivado& perfil_;
};

}  // namespace rebanex::consola
