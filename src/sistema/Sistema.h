// What the program asks of the operating system, one service of each kind, shared by the
// window and the Mensatel automation. A new service is one more member here.
#pragma once

#include "sistema/Dialogos.h"
#include "sistema/Disco.h"
#include "sistema/PerfilPrivado.h"
#include "sistema/Portapapeles.h"
#include "sistema/Shell.h"

namespace rebanex {

struct Sistema {
    PerfilPrivado& perfil;  // the private-profile functions behind every settings file
    Disco& disco;
    Portapapeles& portapapeles;
    Shell& shell;        // opening documents, starting programs, downloads
    Dialogos& dialogos;  // the open-file dialog
};

}  // namespace rebanex
