// The private-profile functions of Windows, one to one.
#pragma once

#include "sistema/PerfilPrivado.h"

namespace rebanex::win32 {

class PerfilWin32 final : public PerfilPrivado {
  public:
    std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                              std::string_view clave, std::string_view porDefecto,
                              std::size_t tamanyo) override;
    bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                        std::string_view clave, std::string_view valor) override;
};

}  // namespace rebanex::win32
