#include "settings/Ini.h"

namespace rebanex {

namespace {

// GetPrivateProfileStringA returns this default for a missing key, so a value stored as
// this very text reads as missing too.
constexpr std::string_view kFalta = "** error **";
constexpr std::size_t kTamanyoBuffer = kLargoMaximoIni + 1;

}  // namespace

std::optional<std::string> Ini::LeerIni(std::string_view seccion, std::string_view clave) {
    std::string valor = perfil_.ObtenerCadena(FicheroIni, seccion, clave, kFalta, kTamanyoBuffer);
    if (valor.size() > kTamanyoBuffer - 1) {
        valor.resize(kTamanyoBuffer - 1);
    }
    if (valor == kFalta) {
        return std::nullopt;
    }
    return valor;
}

bool Ini::EscribirIni(std::string_view seccion, std::string_view clave, std::string_view valor) {
    return perfil_.EscribirCadena(FicheroIni, seccion, clave, valor);
}

}  // namespace rebanex
