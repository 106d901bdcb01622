// The controls, made from the controls table: every one a direct child of the main window
// (the frames are only a shown/enabled state), created in tab order so that the z-order
// is the tab order that IsDialogMessage follows.
#include <algorithm>
#include <string>

#include "app/TablaControles.h"
#include "app/win32/Identificadores.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::win32 {

namespace {

struct Estilo {
    const char* clase;
    DWORD estilo;
    DWORD estiloEx;
};

DWORD EstiloEtiqueta(const DefControl& d) {
    // One line each: a caption never wraps onto a line below that the label has no room for.
    DWORD estilo = d.alineacion == Alineacion::Derecha  ? SS_RIGHT
                   : d.alineacion == Alineacion::Centro ? SS_CENTER
                                                        : SS_LEFTNOWORDWRAP;
    // SS_NOTIFY: clicks, and the mouse messages the tooltip and the right button need.
    if (!d.ayuda.empty() || d.control == Control::Opciones ||
        d.control == Control::EtiquetaLongMax) {
        estilo |= SS_NOTIFY;
    }
    return estilo;
}

Estilo EstiloDe(const DefControl& d) {
    switch (d.clase) {
        case Clase::Etiqueta:
            return {"STATIC", EstiloEtiqueta(d), 0};
        case Clase::Texto:
            return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case Clase::TextoMultiple:
            return {"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                    WS_EX_CLIENTEDGE};
        case Clase::Visor:
            return {"EDIT", ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case Clase::Boton:
            return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
        case Clase::BotonGris:
            return {"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0};
        case Clase::Marco:
            break;
    }
    return {nullptr, 0, 0};
}

}  // namespace

void VentanaPrincipal::CrearControles() {
    for (const DefControl& d : kTablaControles) {
        const int i = static_cast<int>(d.control);
        visible_[i] = d.control != Control::MarcoTrozo;  // the piece view starts hidden
        habilitado_[i] = d.habilitado;
        const Estilo e = EstiloDe(d);
        if (e.clase == nullptr) {
            continue;  // a frame
        }
        const std::string texto(d.texto);
        // WS_GROUP on each: arrow keys stay inside the control and never move the focus.
        controles_[i] = CreateWindowExA(
            e.estiloEx, e.clase, texto.c_str(), WS_CHILD | WS_GROUP | e.estilo, 0, 0, 0, 0, hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdControl(d.control))), instancia_,
            nullptr);
        if (d.clase == Clase::TextoMultiple) {
            // Lifts the default cap of about 30,000 characters.
            SendMessageA(controles_[i], EM_SETLIMITTEXT, 0, 0);
        }
        if (!d.ayuda.empty()) {
            ayudas_.Fijar(controles_[i], std::string(d.ayuda));
        }
    }
    ColocarControles();
    for (const DefControl& d : kTablaControles) {
        AplicarEstado(d.control);
    }
}

void VentanaPrincipal::ColocarControles() {
    for (const DefControl& d : kTablaControles) {
        HWND control = Hwnd(d.control);
        if (control == nullptr) {
            continue;
        }
        const RectPixeles r = Colocar(d.control, dpi_);
        SetWindowPos(control, nullptr, r.x, r.y, r.ancho, r.alto, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fuentes_.Para(d.fuente)), TRUE);
        ajustadas_[static_cast<int>(d.control)].reset();
        if (d.clase == Clase::Etiqueta) {
            AjustarFuente(d.control);
        }
    }
}

int AnchoDelTexto(HWND control, HFONT fuente) {
    std::string texto(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    texto.resize(static_cast<std::size_t>(
        std::max(0, GetWindowTextA(control, texto.data(), static_cast<int>(texto.size())))));
    HDC dc = GetDC(control);
    SIZE s{};
    {
        const SeleccionUnica seleccion(dc, fuente);
        GetTextExtentPoint32A(dc, texto.c_str(), static_cast<int>(texto.size()), &s);
    }
    ReleaseDC(control, dc);
    return static_cast<int>(s.cx);
}

// A label shows its caption whole on its one line: a caption wider than the label gets a
// smaller size of the label's font, just small enough (the piece counter of a message with
// thousands of pieces); any other caption, the table's size.
void VentanaPrincipal::AjustarFuente(Control c) {
    HWND control = Hwnd(c);
    const DefControl& d = Definicion(c);
    if (control == nullptr || d.clase != Clase::Etiqueta) {
        return;
    }
    HFONT base = fuentes_.Para(d.fuente);
    RECT cliente{};
    GetClientRect(control, &cliente);
    const auto ancho = [&](HFONT f) { return AnchoDelTexto(control, f); };
    FuenteUnica ajustada;
    const int disponible = cliente.right - cliente.left - 2;  // a pixel of air on each side
    if (const int necesario = ancho(base); necesario > disponible && disponible > 0) {
        int alto = AltoFuente(d.fuente.puntos, dpi_);  // negative: the character height
        alto = static_cast<int>(static_cast<long long>(alto) * disponible / necesario);
        for (; alto < -1; ++alto) {
            ajustada = CrearFuente(d.fuente, alto);
            if (ancho(ajustada.get()) <= disponible) {
                break;
            }
        }
    }
    HFONT nueva = ajustada ? ajustada.get() : base;
    if (reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)) != nueva) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(nueva), FALSE);
        // Transparent: what the old size drew goes with the window's background.
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        RedrawWindow(hwnd_, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    ajustadas_[static_cast<int>(c)] = std::move(ajustada);
}

// Shows and enables a control as its own state and its frame's say; for a frame, all of its
// controls.
void VentanaPrincipal::AplicarEstado(Control c) {
    const DefControl& d = Definicion(c);
    if (d.clase == Clase::Marco) {
        for (const DefControl& hijo : kTablaControles) {
            if (hijo.marco == c && hijo.control != c) {
                AplicarEstado(hijo.control);
            }
        }
        return;
    }
    HWND control = Hwnd(c);
    if (control == nullptr) {
        return;
    }
    const int i = static_cast<int>(c);
    const int m = static_cast<int>(d.marco);
    const bool visible = visible_[i] && visible_[m];
    const bool habilitado = habilitado_[i] && habilitado_[m];
    if (GetFocus() == control && (!visible || !habilitado)) {
        focoPerdido_ = c;
    }
    // Only what changes: every call is a trip to the window system, and a view that comes or
    // goes sets each of its controls twice.
    if ((IsWindowEnabled(control) != FALSE) != habilitado) {
        EnableWindow(control, habilitado ? TRUE : FALSE);
    }
    if (((GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0) != visible) {
        ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
    }
}

// A view that goes takes the focus with it: the focus moves on to the next control in
// tab order that can take it.
void VentanaPrincipal::RecuperarFoco() {
    if (!focoPerdido_ || hwnd_ == nullptr) {
        return;
    }
    HWND foco = GetFocus();
    if (foco != nullptr && foco != hwnd_ && IsWindowVisible(foco) && IsWindowEnabled(foco)) {
        focoPerdido_.reset();
        return;
    }
    const int desde = [&] {
        for (int k = 0; k < kNumControles; ++k) {
            if (kTablaControles[k].control == *focoPerdido_) {
                return k;
            }
        }
        return 0;
    }();
    for (int paso = 1; paso <= kNumControles; ++paso) {
        HWND candidato = Hwnd(kTablaControles[(desde + paso) % kNumControles].control);
        if (candidato != nullptr && (GetWindowLongA(candidato, GWL_STYLE) & WS_TABSTOP) != 0 &&
            IsWindowVisible(candidato) && IsWindowEnabled(candidato)) {
            SetFocus(candidato);
            focoPerdido_.reset();
            return;
        }
    }
}

// The window itself never keeps the focus: it hands it to the control that had it last, to
// Msg when that one cannot take it, or else to the first control that can.
void VentanaPrincipal::DevolverFoco() {
    if (hwnd_ == nullptr || IsIconic(hwnd_)) {
        return;
    }
    const auto puede = [](HWND h) {
        return h != nullptr && IsWindowVisible(h) && IsWindowEnabled(h);
    };
    HWND destino = ultimoFoco_;
    if (!puede(destino)) {
        destino = Hwnd(Control::Msg);
    }
    if (!puede(destino)) {
        destino = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    }
    if (puede(destino) && GetFocus() != destino) {
        SetFocus(destino);
    }
}

std::optional<Control> VentanaPrincipal::ControlDe(HWND hwnd) const {
    for (int i = 0; i < kNumControles; ++i) {
        if (hwnd != nullptr && controles_[i] == hwnd) {
            return static_cast<Control>(i);
        }
    }
    return std::nullopt;
}

}  // namespace rebanex::win32
