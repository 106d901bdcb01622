// A stand-in user: keeps every box shown and answers `respuesta` (OK boxes with Aceptar).
#pragma once

#include <vector>

#include "comun/Aviso.h"

namespace rebanex::pruebas {

struct AvisadorSimulado : Avisador {
    Respuesta Avisar(const Aviso& aviso) override {
        avisos.push_back(aviso);
        return aviso.botones == Botones::SiNo ? respuesta : Respuesta::Aceptar;
    }
    std::vector<Aviso> avisos;
    Respuesta respuesta = Respuesta::Si;
};

}  // namespace rebanex::pruebas
