// What the window's behaviour works with besides itself: the window it drives, Mensatel and
// the system's services.
#pragma once

#include "app/Vista.h"
#include "host/Anfitrion.h"
#include "sistema/Sistema.h"

namespace rebanex {

struct Entorno {
    Vista& vista;
    Anfitrion& anfitrion;  // Mensatel
    Sistema sistema;
};

}  // namespace rebanex
