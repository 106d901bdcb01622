// Clicks and window-text reads at screen points; the cursor always goes back where it was.
#include "host/ControlMensatel.h"

namespace rebanex {

namespace {

// Under Wine the cursor can read back at its previous place for a moment after a move.
constexpr int kReintentosCursor = 5;

}  // namespace

void ControlMensatel::ClickEnPunto(int32_t x, int32_t y) {
    const Punto antes = escritorio_.Cursor();
    escritorio_.MoverCursor({x, y});
    ClickIzquierdo();
    escritorio_.MoverCursor(antes);
}

void ControlMensatel::ClickIzquierdo() {
    escritorio_.BotonIzquierdo(true);
    escritorio_.BotonIzquierdo(false);
    escritorio_.Dormir(50);
    escritorio_.ProcesarEventos();
    escritorio_.ProcesarEventos();
}

// The cursor is moved there so that the read lands on the window under the point; when it
// will not read back there, the window at the point itself is taken.
std::string ControlMensatel::LeerTextoEnPunto(int32_t x, int32_t y) {
    const Punto punto{x, y};
    const Punto antes = escritorio_.Cursor();
    escritorio_.MoverCursor(punto);
    escritorio_.Dormir(10);
    for (int i = 0; i < kReintentosCursor && escritorio_.Cursor() != punto; ++i) {
        escritorio_.Dormir(10);
    }
    const VentanaId ventana = escritorio_.VentanaEnPunto(punto);
    escritorio_.MoverCursor(antes);
    return ventana == 0 ? std::string() : escritorio_.TextoVentana(ventana);
}

}  // namespace rebanex
