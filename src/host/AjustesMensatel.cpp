#include "host/AjustesMensatel.h"

#include <string_view>

#include "comun/Numeros.h"
#include "comun/Windows1252.h"
#include "settings/Ajustes.h"

namespace rebanex {

namespace {

// Points the settings access at Mensatel's file for as long as it lives, then back at ours.
class EnFicheroMensatel {
  public:
    EnFicheroMensatel(Ini& ini, const std::string& directorioInicio)
        : ini_(ini), directorio_(directorioInicio) {
        ini_.FijarFicheroIni(directorio_ + std::string(kFicheroMensatel));
    }
    ~EnFicheroMensatel() { ini_.FijarFicheroIni(directorio_ + std::string(kFicheroAjustes)); }
    EnFicheroMensatel(const EnFicheroMensatel&) = delete;
    EnFicheroMensatel& operator=(const EnFicheroMensatel&) = delete;

  private:
    Ini& ini_;
    const std::string& directorio_;
};

// One key of Mensatel's file as Windows-1252: an editor may have saved the file as UTF-8.
bool LeerValor(Ini& ini, std::string_view seccion, std::string_view clave, std::string& valor) {
    const bool presente = ini.LeerIni(seccion, clave, valor);
    valor = TextoWindows1252(std::move(valor));
    return presente;
}

// A colour beyond the int32 range leaves the previous one in place.
void LeerColor(std::string_view valor, int32_t& color) {
    if (const auto n = RedondearParSiCabe(ValorNumerico(valor))) {
        color = *n;
    }
}

}  // namespace

bool LeerColoresMensatel(Ini& ini, const std::string& directorioInicio, int32_t& texto,
                         int32_t& fondo) {
    EnFicheroMensatel mensatel(ini, directorioInicio);
    std::string valor;
    if (!LeerValor(ini, "colores", "fondo", valor)) {
        return false;  // without a background the text colour is not even read
    }
    LeerColor(valor, fondo);
    if (!LeerValor(ini, "colores", "texto", valor)) {
        return false;
    }
    LeerColor(valor, texto);
    return true;
}

std::string LeerFirmaMensatel(Ini& ini, const std::string& directorioInicio, Avisador* avisador) {
    EnFicheroMensatel mensatel(ini, directorioInicio);
    std::string firma;
    ini.LeerIni("Usuario", "firma", firma);
    Conversion1252 convertida = TextoWindows1252Detallado(std::move(firma));
    if (avisador != nullptr && !convertida.sinConvertir.empty()) {
        avisador->Avisar(AvisoSinWindows1252(
            "La firma de '" + directorioInicio + std::string(kFicheroMensatel) + "'",
            convertida.sinConvertir));
    }
    return std::move(convertida.texto);
}

}  // namespace rebanex
