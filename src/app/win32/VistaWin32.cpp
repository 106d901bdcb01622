// Vista over the real window: controls, the window itself, message boxes.
#include <windows.h>

#include <olectl.h>

#include <cmath>
#include <string>

#include "app/TablaControles.h"
#include "app/win32/EstadoVentanas.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::win32 {

namespace {

// A transparent label paints no background: the window under it has to be repainted for
// an old caption to go.
void InvalidarDebajo(HWND ventana, HWND etiqueta, UINT ademas) {
    RECT r{};
    GetWindowRect(etiqueta, &r);
    MapWindowPoints(nullptr, ventana, reinterpret_cast<POINT*>(&r), 2);
    RedrawWindow(ventana, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | ademas);
}

int APixeles(double twips, int dpi) {
    return TwipsAPixeles(static_cast<int>(std::lround(twips)), dpi);
}

}  // namespace

std::string VentanaPrincipal::Texto(Control c) {
    return TextoVentana(Hwnd(c));
}

long long VentanaPrincipal::Longitud(Control c) {
    HWND control = Hwnd(c);
    return control == nullptr ? 0 : GetWindowTextLengthA(control);
}

void VentanaPrincipal::FijarTexto(Control c, const std::string& texto) {
    HWND control = Hwnd(c);
    if (control == nullptr) {
        return;
    }
    fijandoTexto_ = true;
    SetWindowTextA(control, texto.c_str());
    fijandoTexto_ = false;
    if (Definicion(c).clase == Clase::Etiqueta) {
        InvalidarDebajo(hwnd_, control, 0);
    }
    // A multi-line edit sends no EN_CHANGE for WM_SETTEXT; the change handler runs anyway.
    if (prog_ != nullptr && c == Control::Msg) {
        prog_->MensajeCambiado();
    } else if (prog_ != nullptr && c == Control::Trozo) {
        prog_->TrozoCambiado();
    }
}

long long VentanaPrincipal::InicioSeleccion(Control c) {
    DWORD inicio = 0;
    SendMessageA(Hwnd(c), EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), 0);
    return inicio;
}

void VentanaPrincipal::Seleccionar(Control c, long long inicio, long long largo) {
    SendMessageA(Hwnd(c), EM_SETSEL, static_cast<WPARAM>(inicio),
                 static_cast<LPARAM>(inicio + largo));
    SendMessageA(Hwnd(c), EM_SCROLLCARET, 0, 0);
}

void VentanaPrincipal::Enfocar(Control c) {
    if (Hwnd(c) != nullptr) {
        SetFocus(Hwnd(c));
    }
}

bool VentanaPrincipal::Visible(Control c) {
    return visible_[static_cast<int>(c)];
}

void VentanaPrincipal::FijarVisible(Control c, bool si) {
    visible_[static_cast<int>(c)] = si;
    AplicarEstado(c);
    RecuperarFoco();
}

bool VentanaPrincipal::Habilitado(Control c) {
    return habilitado_[static_cast<int>(c)];
}

void VentanaPrincipal::FijarHabilitado(Control c, bool si) {
    habilitado_[static_cast<int>(c)] = si;
    AplicarEstado(c);
    RecuperarFoco();
}

void VentanaPrincipal::FijarAyuda(Control c, const std::string& texto) {
    ayudas_.Fijar(Hwnd(c), texto);
}

// Painted now: the caller keeps the thread busy after this.
void VentanaPrincipal::Repintar(Control c) {
    HWND control = Hwnd(c);
    if (control == nullptr) {
        return;
    }
    if (Definicion(c).clase == Clase::Etiqueta) {
        InvalidarDebajo(hwnd_, control, RDW_UPDATENOW);
    } else {
        UpdateWindow(control);
    }
}

// Mensatel keeps the colours as its boxes take them: a system colour is 0x800000nn, which
// a box keeps by default. A number that names no colour leaves the box as it is.
void VentanaPrincipal::FijarColores(Control c, int32_t texto, int32_t fondo) {
    COLORREF t = 0;
    COLORREF f = 0;
    if (FAILED(OleTranslateColor(static_cast<OLE_COLOR>(texto), nullptr, &t)) ||
        FAILED(OleTranslateColor(static_cast<OLE_COLOR>(fondo), nullptr, &f))) {
        return;
    }
    colores_[static_cast<int>(c)] = ColoresPropios{t, f, BrochaUnica(CreateSolidBrush(f))};
    if (Hwnd(c) != nullptr) {
        InvalidateRect(Hwnd(c), nullptr, TRUE);
    }
}

std::string VentanaPrincipal::Titulo() {
    return TextoVentana(hwnd_);
}

void VentanaPrincipal::FijarTitulo(const std::string& texto) {
    SetWindowTextA(hwnd_, texto.c_str());
}

Rectangulo VentanaPrincipal::Ventana() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {PixelesATwips(r.left, dpi_), PixelesATwips(r.top, dpi_),
            PixelesATwips(r.right - r.left, dpi_), PixelesATwips(r.bottom - r.top, dpi_)};
}

void VentanaPrincipal::MoverVentana(double izquierda, double arriba) {
    ColocarEnPantalla(APixeles(izquierda, dpi_), APixeles(arriba, dpi_));
}

Rectangulo VentanaPrincipal::Pantalla() {
    return {0, 0, PixelesATwips(GetSystemMetrics(SM_CXSCREEN), dpi_),
            PixelesATwips(GetSystemMetrics(SM_CYSCREEN), dpi_)};
}

// WM_DESTROY then ends the message loop.
void VentanaPrincipal::Cerrar() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

std::string VentanaPrincipal::SeparadorMiles() {
    char separador[8] = {};
    const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separador,
                                 static_cast<int>(sizeof(separador)));
    return n > 0 ? std::string(separador) : std::string(",");
}

Respuesta VentanaPrincipal::Avisar(const Aviso& aviso) {
    UINT estilo = aviso.botones == Botones::SiNo ? MB_YESNO : MB_OK;
    switch (aviso.icono) {
        case Icono::Exclamacion:
            estilo |= MB_ICONEXCLAMATION;
            break;
        case Icono::Pregunta:
            estilo |= MB_ICONQUESTION;
            break;
        case Icono::Informacion:
            estilo |= MB_ICONINFORMATION;
            break;
    }
    const int r = MessageBoxA(hwnd_, aviso.texto.c_str(), aviso.titulo.c_str(), estilo);
    if (aviso.botones == Botones::SiNo) {
        return r == IDYES ? Respuesta::Si : Respuesta::No;
    }
    return Respuesta::Aceptar;
}

}  // namespace rebanex::win32
