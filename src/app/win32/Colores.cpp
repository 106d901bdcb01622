// Colours of the controls: transparent labels, grey display boxes, and the colours that
// Mensatel's settings give the two text boxes.
#include "app/TablaControles.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::win32 {

LRESULT VentanaPrincipal::AlColorear(UINT mensaje, HDC dc, HWND control) {
    const std::optional<Control> c = ControlDe(control);
    if (c) {
        const Clase clase = Definicion(*c).clase;
        if (const std::optional<ColoresPropios>& propios = colores_[static_cast<int>(*c)]) {
            SetTextColor(dc, propios->texto);
            SetBkColor(dc, propios->fondo);
            return reinterpret_cast<LRESULT>(propios->brocha.get());
        }
        if (clase == Clase::Etiqueta) {
            // Nothing painted behind the text: the window shows through. A new caption
            // therefore needs the window repainted under it first (see FijarTexto).
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        if (clase == Clase::Visor) {
            // Read-only edits ask with WM_CTLCOLORSTATIC.
            SetBkColor(dc, kGrisFondo);
            return reinterpret_cast<LRESULT>(gris_.get());
        }
    }
    return DefWindowProcA(hwnd_, mensaje, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

}  // namespace rebanex::win32
