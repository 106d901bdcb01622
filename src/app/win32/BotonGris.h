// The graphical-style buttons: grey face, raised edge, centred caption.
#pragma once

#include <windows.h>

namespace rebanex::win32 {

// Paints an owner-drawn button on `fondo`.
void DibujarBotonGris(const DRAWITEMSTRUCT& item, HBRUSH fondo);

}  // namespace rebanex::win32
