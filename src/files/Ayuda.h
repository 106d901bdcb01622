// The help and credits texts, the log viewer's absence, and opening pages and documents.
#pragma once

#include <string>

#include "comun/Aviso.h"
#include "sistema/Disco.h"
#include "sistema/Shell.h"

namespace rebanex {

Aviso AvisoAyuda();
Aviso AvisoCreditos();
Aviso AvisoMensatelLogAusente();
Aviso AvisoSinNavegador();
Aviso AvisoErrorNavegador();

// The document or link opened by the program the shell associates with it; a failure (no
// mail program, say) is not reported.
void AbrirDocumento(Shell& shell, const std::string& ruta);

// The address opened in the browser that opens HTML files. The browser is found through a
// placeholder "TempHtm.html" in the user's temporary folder, deleted afterwards in every case.
void AbrirEnNavegador(Shell& shell, Disco& disco, Avisador& avisador, const std::string& url);

}  // namespace rebanex
