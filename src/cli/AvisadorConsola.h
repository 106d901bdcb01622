// The message boxes of the window, printed on standard error instead.
#pragma once

#include "cli/Flujos.h"
#include "cli/Salida.h"
#include "comun/Aviso.h"

namespace rebanex::cli {

// Nobody is there to answer a question, so every Yes/No box is answered Yes: a faulty
// rules line is skipped and replacing goes on, as most users would choose.
class AvisadorConsola : public Avisador {
  public:
    AvisadorConsola(Destino& error, const Salida& salida) : error_(error), salida_(salida) {}

    Respuesta Avisar(const Aviso& aviso) override;

  private:
    Destino& error_;
    const Salida& salida_;
};

}  // namespace rebanex::cli
