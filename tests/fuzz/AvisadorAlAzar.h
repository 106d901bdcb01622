// A user who answers every box from the fuzzer's bytes (Yes or No; OK boxes just close).
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include "comun/Aviso.h"

class AvisadorAlAzar : public rebanex::Avisador {
  public:
    explicit AvisadorAlAzar(FuzzedDataProvider& datos) : datos_(datos) {}
    rebanex::Respuesta Avisar(const rebanex::Aviso& aviso) override {
        if (aviso.botones == rebanex::Botones::Aceptar) {
            return rebanex::Respuesta::Aceptar;
        }
        // When the bytes run out every answer is Yes: the longest run.
        return datos_.ConsumeBool() ? rebanex::Respuesta::No : rebanex::Respuesta::Si;
    }

  private:
    FuzzedDataProvider& datos_;
};
