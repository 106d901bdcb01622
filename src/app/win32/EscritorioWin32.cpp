// Windows, the mouse and the clock as the Mensatel automation sees them.
#include "app/win32/EscritorioWin32.h"

#include <algorithm>

#include "app/win32/VentanaPrincipal.h"

namespace rebanex::win32 {

namespace {

HWND Hwnd(VentanaId v) {
    return reinterpret_cast<HWND>(v);
}

VentanaId Id(HWND hwnd) {
    return reinterpret_cast<VentanaId>(hwnd);
}

// Another process's window gives its caption without being asked (no message is sent).
std::string TituloDe(HWND hwnd) {
    char titulo[512] = {};
    GetWindowTextA(hwnd, titulo, static_cast<int>(sizeof(titulo)));
    return titulo;
}

// A hung window must not hang Rebanex: no call waits longer than this for another program.
constexpr UINT kEsperaRespuestaMs = 1000;

bool DeEsteHilo(HWND hwnd) {
    return GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId();
}

// What another program's thread does in its own time: a move, a restore.
template <typename Hecho>
void EsperarA(Hecho hecho) {
    const ULONGLONG inicio = GetTickCount64();
    while (!hecho() && GetTickCount64() - inicio < kEsperaRespuestaMs) {
        Sleep(10);
    }
}

}  // namespace

namespace {

std::optional<VentanaId> Hallada(HWND hwnd) {
    return hwnd != nullptr ? std::optional(Id(hwnd)) : std::nullopt;
}

}  // namespace

std::optional<VentanaId> EscritorioWin32::BuscarVentana(std::string_view titulo) {
    return Hallada(FindWindowA(nullptr, std::string(titulo).c_str()));
}

std::optional<VentanaId> EscritorioWin32::BuscarVentanaPorPrefijo(std::string_view prefijo) {
    struct Busqueda {
        std::string_view prefijo;
        HWND hallada = nullptr;
    } busqueda{prefijo};
    EnumWindows(
        [](HWND hwnd, LPARAM l) -> BOOL {
            auto* b = reinterpret_cast<Busqueda*>(l);
            if (TituloDe(hwnd).starts_with(b->prefijo)) {
                b->hallada = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&busqueda));
    return Hallada(busqueda.hallada);
}

VentanaId EscritorioWin32::VentanaPropia() {
    return Id(ventana_.Manejador());
}

bool EscritorioWin32::Responde(VentanaId v) {
    DWORD_PTR r = 0;
    return SendMessageTimeoutA(Hwnd(v), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kEsperaRespuestaMs, &r) !=
           0;
}

bool EscritorioWin32::Minimizada(VentanaId v) {
    return IsIconic(Hwnd(v)) != FALSE;
}

// ShowWindow and SetWindowPos on another thread's window wait until that thread has done
// them; their asynchronous forms only ask, so the result is waited for, bounded.
void EscritorioWin32::Restaurar(VentanaId v) {
    ShowWindowAsync(Hwnd(v), SW_RESTORE);
    EsperarA([&] { return IsIconic(Hwnd(v)) == FALSE; });
}

// The other thread is told, not waited for.
bool EscritorioWin32::PonerEnPrimerPlano(VentanaId v) {
    return SetForegroundWindow(Hwnd(v)) != FALSE;
}

// Only a window of this thread can be made the active one; another program's window is
// activated by the click on it that follows.
void EscritorioWin32::SubirYActivar(VentanaId v) {
    if (DeEsteHilo(Hwnd(v))) {
        BringWindowToTop(Hwnd(v));
        SetActiveWindow(Hwnd(v));
    } else {
        SetWindowPos(Hwnd(v), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
    }
}

RectVentana EscritorioWin32::Rectangulo(VentanaId v) {
    RECT r{};
    GetWindowRect(Hwnd(v), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void EscritorioWin32::Colocar(VentanaId v, int32_t x, int32_t y, int32_t ancho, int32_t alto) {
    SetWindowPos(Hwnd(v), HWND_TOP, x, y, ancho, alto, SWP_SHOWWINDOW | SWP_ASYNCWINDOWPOS);
    EsperarA([&] { return Rectangulo(v) == RectVentana{x, y, x + ancho, y + alto}; });
}

Tamanyo EscritorioWin32::PantallaPrincipal() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// It hit-tests by message only the windows of this thread.
VentanaId EscritorioWin32::VentanaEnPunto(Punto p) {
    return Id(WindowFromPoint(POINT{p.x, p.y}));
}

std::string EscritorioWin32::TextoVentana(VentanaId v) {
    DWORD_PTR largo = 0;
    if (!SendMessageTimeoutA(Hwnd(v), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kEsperaRespuestaMs,
                             &largo)) {
        return "";
    }
    std::string texto(largo + 1, '\0');
    DWORD_PTR copiados = 0;
    if (!SendMessageTimeoutA(Hwnd(v), WM_GETTEXT, texto.size(),
                             reinterpret_cast<LPARAM>(texto.data()), SMTO_ABORTIFHUNG,
                             kEsperaRespuestaMs, &copiados)) {
        return "";
    }
    texto.resize(std::min<std::size_t>(copiados, largo));
    return texto;
}

Punto EscritorioWin32::Cursor() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void EscritorioWin32::MoverCursor(Punto p) {
    SetCursorPos(p.x, p.y);
}

void EscritorioWin32::Dormir(int32_t ms) {
    Sleep(static_cast<DWORD>(ms));
}

bool EscritorioWin32::Despachar() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The message loop must still see it; the wait ends here.
            PostQuitMessage(static_cast<int>(msg.wParam));
            if (anfitrion_ != nullptr) {
                anfitrion_->Cancelar();
            }
            return false;
        }
        if (!ventana_.PreTraducir(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

// Waits a few milliseconds for a message rather than spinning through an empty queue.
void EscritorioWin32::ProcesarEventos() {
    MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    Despachar();
}

int64_t EscritorioWin32::Milisegundos() {
    return static_cast<int64_t>(GetTickCount64());
}

}  // namespace rebanex::win32
