#include "sistema/Disco.h"

namespace rebanex {

bool FicheroLegible(Disco& disco, const std::string& ruta, Avisador& avisador,
                    std::string_view despues) {
    const Lectura leido = disco.Leer(ruta);
    if (leido || leido.fallo == MotivoFallo::NoExiste) {
        return true;
    }
    avisador.Avisar(AvisoFicheroIlegible(ruta, *leido.fallo, despues));
    return false;
}

Aviso AvisoFicheroIlegible(const std::string& ruta, MotivoFallo motivo, std::string_view despues) {
    std::string texto = "No puedo leer el fichero <" + ruta + ">\r\r" + TextoMotivo(motivo);
    if (!despues.empty()) {
        texto += "\r\r" + std::string(despues);
    }
    return Aviso{texto, "Rebanex", Icono::Exclamacion, Botones::Aceptar};
}

}  // namespace rebanex
