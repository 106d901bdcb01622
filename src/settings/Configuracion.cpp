#include "settings/Configuracion.h"

namespace rebanex {

bool FirmarEnTrozosEnVigor(const Configuracion& c) {
    return c.FirmarEnTrozos && c.FirmarEnTrozosHabilitado;
}

bool TrozosFirmados(const Configuracion& c, const std::string& firma) {
    return !firma.empty() && FirmarEnTrozosEnVigor(c) &&
           c.FirmarEnPosicion != PosicionFirma::EnCursor;
}

}  // namespace rebanex
