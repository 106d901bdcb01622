// A stand-in for the user in front of the message boxes.
#pragma once

#include <vector>

#include "comun/Aviso.h"

namespace rebanex::pruebas {

// Keeps every box it is shown and answers each with `respuesta` (OK boxes with Aceptar).
class AvisadorAnotado : public Avisador {
  public:
    Respuesta Avisar(const Aviso& aviso) override {
        avisos.push_back(aviso);
        return aviso.botones == Botones::SiNo ? respuesta : Respuesta::Aceptar;
    }
    std::vector<Aviso> avisos;
    Respuesta respuesta = Respuesta::Si;
};

}  // namespace rebanex::pruebas
