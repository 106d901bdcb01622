// What the window's behaviour works with besides itself: the window it drives, the
// settings store, Mensatel and the system's services. A new service is one more member
// here, not one more constructor argument of Prog.
#pragma once

#include "app/Vista.h"
#include "host/Anfitrion.h"
#include "settings/Ini.h"
#include "sistema/Dialogos.h"
#include "sistema/Disco.h"
#include "sistema/Portapapeles.h"
#include "sistema/Shell.h"

namespace rebanex {

struct Entorno {
    Vista& vista;
    PerfilPrivado& perfil;  // the private-profile functions behind every settings file
    Anfitrion& anfitrion;   // Mensatel
    Portapapeles& portapapeles;
    Disco& disco;
    Dialogos& dialogos;  // the open-file dialog
    Shell& shell;        // opening documents, starting programs, downloads
};

}  // namespace rebanex
