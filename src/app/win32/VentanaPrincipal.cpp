// Creating the window and the one window procedure: each message is unpacked and handed to
// one member.
#include "app/win32/VentanaPrincipal.h"

#include "app/Protegido.h"
#include "app/TablaControles.h"
#include "app/win32/BotonGris.h"
#include "app/win32/EstadoVentanas.h"
#include "app/win32/Identificadores.h"

namespace rebanex::win32 {

namespace {

constexpr char kClase[] = "RebanexPrincipal";
constexpr DWORD kEstilo = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kEstiloEx = WS_EX_CONTROLPARENT;

// The outer size for the client area at `dpi`, with a one-line menu bar.
SIZE TamanyoExterior(int dpi) {
    const RectPixeles cliente = AreaCliente(dpi);
    RECT r{0, 0, cliente.ancho, cliente.alto};
    AdjustWindowRectExForDpi(&r, kEstilo, TRUE, kEstiloEx, static_cast<UINT>(dpi));
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

VentanaPrincipal::VentanaPrincipal(HINSTANCE instancia) : instancia_(instancia) {}

bool VentanaPrincipal::Crear(Prog& prog) {
    prog_ = &prog;
    WNDCLASSEXA clase{};
    clase.cbSize = sizeof(clase);
    clase.lpfnWndProc = &VentanaPrincipal::Procedimiento;
    clase.hInstance = instancia_;
    clase.hCursor = LoadCursor(nullptr, IDC_ARROW);
    clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    clase.lpszClassName = kClase;
    if (RegisterClassExA(&clase) == 0) {
        return false;
    }
    aceleradores_ = LoadAcceleratorsA(instancia_, MAKEINTRESOURCEA(IDR_ACELERADORES));
    MenuUnico menu(LoadMenuA(instancia_, MAKEINTRESOURCEA(IDR_MENU_PRINCIPAL)));

    // Centred on the screen on a first start; the settings may move it later.
    const int dpi = static_cast<int>(GetDpiForSystem());
    const SIZE tamanyo = TamanyoExterior(dpi);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - tamanyo.cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - tamanyo.cy) / 2;
    if (CreateWindowExA(kEstiloEx, kClase, "Rebanex", kEstilo, x, y, tamanyo.cx, tamanyo.cy,
                        nullptr, menu.get(), instancia_, this) == nullptr) {
        return false;
    }
    menu.release();  // the window's now: destroyed with it
    return true;
}

void VentanaPrincipal::Mostrar(int comoMostrar) {
    ShowWindow(hwnd_, comoMostrar);
    AjustarTamanyo();  // the menu bar's final height is known once it is shown
    UpdateWindow(hwnd_);
    SetFocus(Hwnd(Control::Msg));
}

bool VentanaPrincipal::PreTraducir(MSG& msg) {
    if (hwnd_ == nullptr || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) {
        return false;
    }
    if (aceleradores_ != nullptr && TranslateAcceleratorA(hwnd_, aceleradores_, &msg) != 0) {
        return true;
    }
    if (msg.message == WM_KEYDOWN) {
        // Key preview: the window sees the key first and lets it go on to the control.
        Protegido([&] { prog_->TeclaPulsada(static_cast<int>(msg.wParam), Mayusculas()); },
                  [&](const std::exception_ptr& e) { AlFallar(e); });
        if (hwnd_ == nullptr) {
            return true;  // the handler closed the window
        }
    }
    // A plain character is the focused control's alone: IsDialogMessage would take a letter
    // that a button or the window itself does not want as an access key and press the button
    // it names ("x" would clear the message). Access keys go with Alt (WM_SYSCHAR).
    if (msg.message == WM_CHAR) {
        return false;
    }
    return IsDialogMessageA(hwnd_, &msg) != FALSE;
}

LRESULT CALLBACK VentanaPrincipal::Procedimiento(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_NCCREATE) {
        auto* crear = reinterpret_cast<CREATESTRUCTA*>(l);
        auto* ventana = static_cast<VentanaPrincipal*>(crear->lpCreateParams);
        ventana->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(ventana));
    }
    auto* ventana = reinterpret_cast<VentanaPrincipal*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (ventana == nullptr) {
        return DefWindowProcA(hwnd, mensaje, w, l);
    }
    if (mensaje == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        ventana->hwnd_ = nullptr;
        ventana->controles_.fill(nullptr);
        return DefWindowProcA(hwnd, mensaje, w, l);
    }
    return Protegido([&] { return ventana->Despachar(mensaje, w, l); },
                     [&](const std::exception_ptr& e) { ventana->AlFallar(e); });
}

LRESULT VentanaPrincipal::Despachar(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
        case WM_CREATE:
            return AlCrear() ? 0 : -1;
        case WM_COMMAND:
            AlComando(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return AlColorear(mensaje, reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
        case WM_DRAWITEM:
            DibujarBotonGris(*reinterpret_cast<const DRAWITEMSTRUCT*>(l), gris_.get());
            return TRUE;
        case WM_NEXTDLGCTL:
            AlSiguienteControl(w, l);
            return 0;
        case DM_GETDEFID:
            return BotonPorDefecto();
        case WM_DPICHANGED:
            AlCambiarDpi(HIWORD(w), *reinterpret_cast<const RECT*>(l));
            return 0;
        case WM_ACTIVATE:
            // Active again: the focus goes back to the control that had it, never to the
            // window itself, where letters would find no caret.
            if (LOWORD(w) != WA_INACTIVE && HIWORD(w) == 0) {
                DevolverFoco();
            }
            return 0;
        case WM_SETFOCUS:
            if (!focoPerdido_) {  // else a view is changing, and RecuperarFoco decides
                DevolverFoco();
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd_, mensaje, w, l);
    }
}

bool VentanaPrincipal::AlCrear() {
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
    menu_ = GetMenu(hwnd_);
    gris_.reset(CreateSolidBrush(kGrisFondo));
    fuentes_.Crear(dpi_);
    ayudas_.Crear(hwnd_, instancia_);
    PrepararMenus();
    CrearControles();
    Subclasificar();
    AjustarTamanyo();
    return true;
}

// A command that could not end: the user is told once (a failure while the box is up is
// not told again) and the window goes on with the message it had.
void VentanaPrincipal::AlFallar(const std::exception_ptr& fallo) {
    if (avisandoFallo_ || hwnd_ == nullptr) {
        return;
    }
    avisandoFallo_ = true;
    FijarTexto(Control::Estado, "");
    Avisar(AvisoDeFallo(fallo));
    avisandoFallo_ = false;
}

void VentanaPrincipal::AlCambiarDpi(int dpi, const RECT& sugerido) {
    dpi_ = dpi;
    // The controls still use the old fonts until they are given the new ones.
    Fuentes anteriores = std::move(fuentes_);
    fuentes_ = Fuentes{};
    fuentes_.Crear(dpi_);
    ColocarControles();
    const SIZE tamanyo = TamanyoExterior(dpi_);
    SetWindowPos(hwnd_, nullptr, sugerido.left, sugerido.top, tamanyo.cx, tamanyo.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    AjustarTamanyo();
}

// A menu bar that wraps onto a second line takes client area away: grow by that much.
void VentanaPrincipal::AjustarTamanyo() {
    const RectPixeles deseado = AreaCliente(dpi_);
    RECT cliente{};
    RECT ventana{};
    GetClientRect(hwnd_, &cliente);
    GetWindowRect(hwnd_, &ventana);
    const int dx = deseado.ancho - (cliente.right - cliente.left);
    const int dy = deseado.alto - (cliente.bottom - cliente.top);
    if (dx != 0 || dy != 0) {
        SetWindowPos(hwnd_, nullptr, 0, 0, ventana.right - ventana.left + dx,
                     ventana.bottom - ventana.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ColocarEnPantalla(ventana.left, ventana.top);  // grown past the screen's edge
    }
}

// The top-left corner at (x, y) in pixels, or as near as keeps the whole window on the work area
// of the monitor nearest to it: a position saved on a screen that is gone, or edited by hand,
// would leave the window out of sight.
void VentanaPrincipal::ColocarEnPantalla(int x, int y) {
    RECT actual{};
    GetWindowRect(hwnd_, &actual);
    RectPixeles ventana{x, y, actual.right - actual.left, actual.bottom - actual.top};
    const RECT deseado{x, y, x + ventana.ancho, y + ventana.alto};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoA(MonitorFromRect(&deseado, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& w = monitor.rcWork;
        ventana = DentroDelArea(ventana, {w.left, w.top, w.right - w.left, w.bottom - w.top});
    }
    if (ventana.x != actual.left || ventana.y != actual.top) {
        SetWindowPos(hwnd_, nullptr, ventana.x, ventana.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace rebanex::win32
