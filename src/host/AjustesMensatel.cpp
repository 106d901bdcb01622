#include "host/AjustesMensatel.h"

#include <string_view>

#include "comun/Numeros.h"
#include "comun/Windows1252.h"
#include "settings/Ajustes.h"

namespace rebanex {

namespace {

// Mensatel's file in the start directory, read through the same system functions.
Ini FicheroMensatel(const Ini& ini, const std::string& directorioInicio) {
    Ini mensatel(ini.Perfil());
    mensatel.FijarFicheroIni(directorioInicio + std::string(kFicheroMensatel));
    return mensatel;
}

// One key of Mensatel's file as Windows-1252: an editor may have saved the file as UTF-8.
std::optional<std::string> LeerValor(Ini& mensatel, std::string_view seccion,
                                     std::string_view clave) {
    std::optional<std::string> valor = mensatel.LeerIni(seccion, clave);
    if (valor) {
        *valor = TextoWindows1252(std::move(*valor));
    }
    return valor;
}

int32_t Color(std::string_view valor) {
    return RedondearParSiCabe(ValorNumerico(valor)).value_or(0);
}

}  // namespace

std::optional<ColoresMensatel> LeerColoresMensatel(Ini& ini, const std::string& directorioInicio) {
    Ini mensatel = FicheroMensatel(ini, directorioInicio);
    const std::optional<std::string> fondo = LeerValor(mensatel, "colores", "fondo");
    if (!fondo) {
        return std::nullopt;  // without a background the text colour is not even read
    }
    const std::optional<std::string> texto = LeerValor(mensatel, "colores", "texto");
    if (!texto) {
        return std::nullopt;
    }
    return ColoresMensatel{Color(*texto), Color(*fondo)};
}

std::string LeerFirmaMensatel(Ini& ini, const std::string& directorioInicio, Avisador* avisador) {
    Ini mensatel = FicheroMensatel(ini, directorioInicio);
    Conversion1252 convertida =
        TextoWindows1252Detallado(LeerValor(mensatel, "Usuario", "firma").value_or(""));
    if (avisador != nullptr && !convertida.sinConvertir.empty()) {
        avisador->Avisar(AvisoSinWindows1252(
            "La firma de '" + directorioInicio + std::string(kFicheroMensatel) + "'",
            convertida.sinConvertir));
    }
    return std::move(convertida.texto);
}

}  // namespace rebanex
