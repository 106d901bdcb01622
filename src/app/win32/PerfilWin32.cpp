#include "app/win32/PerfilWin32.h"

#include <windows.h>

#include <string>

namespace rebanex::win32 {

std::string PerfilWin32::ObtenerCadena(const std::string& fichero, std::string_view seccion,
                                       std::string_view clave, std::string_view porDefecto,
                                       std::size_t tamanyo) {
    if (tamanyo == 0) {
        return {};
    }
    std::string buffer(tamanyo, '\0');
    const DWORD n = GetPrivateProfileStringA(
        std::string(seccion).c_str(), std::string(clave).c_str(), std::string(porDefecto).c_str(),
        buffer.data(), static_cast<DWORD>(tamanyo), fichero.c_str());
    buffer.resize(n);
    return buffer;
}

bool PerfilWin32::EscribirCadena(const std::string& fichero, std::string_view seccion,
                                 std::string_view clave, std::string_view valor) {
    return WritePrivateProfileStringA(std::string(seccion).c_str(), std::string(clave).c_str(),
                                      std::string(valor).c_str(), fichero.c_str()) == 1;
}

}  // namespace rebanex::win32
