// Private-profile files kept in memory: the tests' stand-in for the Win32 functions.
// Sections and keys keep their order of creation; names compare case-insensitively.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/Ini.h"

namespace rebanex {

class PerfilEnMemoria : public PerfilPrivado {
  public:
    struct Clave {
        std::string nombre, valor;
    };
    struct Seccion {
        std::string nombre;
        std::vector<Clave> claves;
    };

    std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                              std::string_view clave, std::string_view porDefecto,
                              std::size_t tamano) override;
    bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                        std::string_view clave, std::string_view valor) override;

    // A read-only file: every write fails.
    void SoloLectura(const std::string& fichero, bool si = true);
    // The file's sections in order; empty when it does not exist.
    const std::vector<Seccion>& Contenido(const std::string& fichero) const;
    // The file as Windows would write it: "[Seccion]\r\nclave=valor\r\n...".
    std::string Texto(const std::string& fichero) const;
    bool Existe(const std::string& fichero) const { return ficheros_.count(fichero) != 0; }

  private:
    std::map<std::string, std::vector<Seccion>> ficheros_;
    std::set<std::string> soloLectura_;
};

}  // namespace rebanex
