// Messages the window needs from inside its controls: which one took the focus last, the right
// button on "Trocear" and on the options summary, and Escape in the two multi-line boxes.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "app/Protegido.h"
#include "app/TablaControles.h"
#include "app/win32/CursorEspera.h"
#include "app/win32/EstadoVentanas.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::win32 {

namespace {

constexpr UINT_PTR kIdSubclase = 1;

}  // namespace

void VentanaPrincipal::Subclasificar() {
    for (HWND control : controles_) {
        if (control != nullptr) {
            SetWindowSubclass(control, &VentanaPrincipal::Subclase, kIdSubclase,
                              reinterpret_cast<DWORD_PTR>(this));
        }
    }
}

LRESULT CALLBACK VentanaPrincipal::Subclase(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l,
                                            UINT_PTR id, DWORD_PTR datos) {
    if (mensaje == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &VentanaPrincipal::Subclase, id);
        return DefSubclassProc(hwnd, mensaje, w, l);
    }
    auto* ventana = reinterpret_cast<VentanaPrincipal*>(datos);
    return Protegido(
        [&]() -> LRESULT {
            const std::optional<Control> c = ventana->ControlDe(hwnd);
            if (mensaje == MensajeAnchoDelTexto()) {
                return static_cast<LRESULT>(AnchoDelTexto(
                    hwnd, reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0))));
            }
            if (c && ventana->AlMensajeDeControl(*c, mensaje, w, l)) {
                return 0;
            }
            std::optional<CursorEspera> espera;
            if (mensaje == WM_PASTE) {
                espera.emplace();  // a long paragraph takes the edit control a while
            }
            const LRESULT r = DefSubclassProc(hwnd, mensaje, w, l);
            if (c && mensaje == WM_SETTEXT) {
                ventana->AjustarFuente(*c);  // a new caption may need a smaller size
            }
            return r;
        },
        [&](const std::exception_ptr& e) { ventana->AlFallar(e); });
}

// True when the control must not see the message.
bool VentanaPrincipal::AlMensajeDeControl(Control c, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_SETFOCUS) {
        ultimoFoco_ = Hwnd(c);
        return false;
    }
    if (mensaje == WM_LBUTTONDOWN || mensaje == WM_RBUTTONDOWN) {
        if (prog_ == nullptr || (c != Control::Partir && c != Control::Opciones)) {
            return false;
        }
        // Button 1 left, 2 right; the position in twips.
        const int boton = mensaje == WM_RBUTTONDOWN ? 2 : 1;
        const auto x = static_cast<float>(PixelesATwips(GET_X_LPARAM(l), dpi_));
        const auto y = static_cast<float>(PixelesATwips(GET_Y_LPARAM(l), dpi_));
        if (c == Control::Partir) {
            prog_->ClicEnTrocear(boton, Mayusculas(), x, y);
        } else {
            prog_->ClicEnOpciones(boton, Mayusculas(), x, y);
        }
        return false;
    }
    // Under IsDialogMessage a multi-line edit turns Escape into WM_CLOSE for its parent,
    // which would end the program; Escape belongs to the window's key handler.
    if ((mensaje == WM_KEYDOWN || mensaje == WM_CHAR) && w == VK_ESCAPE) {
        return c == Control::Msg || c == Control::Trozo;
    }
    return false;
}

}  // namespace rebanex::win32
