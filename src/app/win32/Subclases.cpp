// Messages the window needs from inside some controls: the right button on "Trocear" and
// on the options summary, and Escape in the two multi-line boxes.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "app/TablaControles.h"
#include "app/win32/EstadoVentanas.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::win32 {

namespace {

constexpr UINT_PTR kIdSubclase = 1;

}  // namespace

void VentanaPrincipal::Subclasificar() {
    for (Control c : {Control::Partir, Control::Opciones, Control::Msg, Control::Trozo}) {
        SetWindowSubclass(Hwnd(c), &VentanaPrincipal::Subclase, kIdSubclase,
                          reinterpret_cast<DWORD_PTR>(this));
    }
}

LRESULT CALLBACK VentanaPrincipal::Subclase(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l,
                                            UINT_PTR id, DWORD_PTR datos) {
    if (mensaje == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &VentanaPrincipal::Subclase, id);
        return DefSubclassProc(hwnd, mensaje, w, l);
    }
    auto* ventana = reinterpret_cast<VentanaPrincipal*>(datos);
    const std::optional<Control> c = ventana->ControlDe(hwnd);
    if (c && ventana->AlMensajeDeControl(*c, mensaje, w, l)) {
        return 0;
    }
    return DefSubclassProc(hwnd, mensaje, w, l);
}

// True when the control must not see the message.
bool VentanaPrincipal::AlMensajeDeControl(Control c, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_LBUTTONDOWN || mensaje == WM_RBUTTONDOWN) {
        if (prog_ == nullptr || (c != Control::Partir && c != Control::Opciones)) {
            return false;
        }
        // Button 1 left, 2 right; the position in twips.
        const int boton = mensaje == WM_RBUTTONDOWN ? 2 : 1;
        const auto x = static_cast<float>(PixelesATwips(GET_X_LPARAM(l), dpi_));
        const auto y = static_cast<float>(PixelesATwips(GET_Y_LPARAM(l), dpi_));
        if (c == Control::Partir) {
            prog_->Partir_MouseDown(boton, Mayusculas(), x, y);
        } else {
            prog_->Opciones_MouseDown(boton, Mayusculas(), x, y);
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
