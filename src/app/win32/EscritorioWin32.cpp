// Windows, the clipboard, the clock, files and the shell as the Mensatel automation sees them.
#include "app/win32/EscritorioWin32.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "app/Prog.h"
#include "app/win32/Manejadores.h"
#include "app/win32/VentanaPrincipal.h"
#include "files/Ficheros.h"

namespace rebanex::win32 {

namespace {

HWND Hwnd(VentanaId v) {
    return reinterpret_cast<HWND>(v);
}

VentanaId Id(HWND hwnd) {
    return reinterpret_cast<VentanaId>(hwnd);
}

std::string TituloDe(HWND hwnd) {
    char titulo[512] = {};
    GetWindowTextA(hwnd, titulo, static_cast<int>(sizeof(titulo)));
    return titulo;
}

// The clipboard, open for one scope. Another program may hold it for a moment: up to half
// a second is waited for it.
class PortapapelesTomado {
  public:
    explicit PortapapelesTomado(HWND dueno) {
        for (int i = 0; i < 50 && !abierto_; ++i) {
            abierto_ = OpenClipboard(dueno) != FALSE;
            if (!abierto_) {
                Sleep(10);
            }
        }
    }
    ~PortapapelesTomado() {
        if (abierto_) {
            CloseClipboard();
        }
    }
    PortapapelesTomado(const PortapapelesTomado&) = delete;
    PortapapelesTomado& operator=(const PortapapelesTomado&) = delete;
    explicit operator bool() const { return abierto_; }

  private:
    bool abierto_ = false;
};

// A hung window must not hang Rebanex.
constexpr UINT kEsperaTextoMs = 1000;

}  // namespace

VentanaId EscritorioWin32::BuscarVentana(std::string_view titulo) {
    return Id(FindWindowA(nullptr, std::string(titulo).c_str()));
}

VentanaId EscritorioWin32::BuscarVentanaPorPrefijo(std::string_view prefijo) {
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
    return Id(busqueda.hallada);
}

VentanaId EscritorioWin32::VentanaPropia() {
    return Id(ventana_.Manejador());
}

bool EscritorioWin32::Minimizada(VentanaId v) {
    return IsIconic(Hwnd(v)) != FALSE;
}

void EscritorioWin32::Restaurar(VentanaId v) {
    ShowWindow(Hwnd(v), SW_RESTORE);
}

bool EscritorioWin32::PonerEnPrimerPlano(VentanaId v) {
    return SetForegroundWindow(Hwnd(v)) != FALSE;
}

void EscritorioWin32::SubirYActivar(VentanaId v) {
    BringWindowToTop(Hwnd(v));
    SetActiveWindow(Hwnd(v));
}

RectVentana EscritorioWin32::Rectangulo(VentanaId v) {
    RECT r{};
    GetWindowRect(Hwnd(v), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void EscritorioWin32::Colocar(VentanaId v, int32_t x, int32_t y, int32_t ancho, int32_t alto) {
    SetWindowPos(Hwnd(v), HWND_TOP, x, y, ancho, alto, SWP_SHOWWINDOW);
}

Tamanyo EscritorioWin32::PantallaPrincipal() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

VentanaId EscritorioWin32::VentanaEnPunto(Punto p) {
    return Id(WindowFromPoint(POINT{p.x, p.y}));
}

std::string EscritorioWin32::TextoVentana(VentanaId v) {
    DWORD_PTR largo = 0;
    if (!SendMessageTimeoutA(Hwnd(v), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kEsperaTextoMs,
                             &largo)) {
        return "";
    }
    std::string texto(largo + 1, '\0');
    DWORD_PTR copiados = 0;
    if (!SendMessageTimeoutA(Hwnd(v), WM_GETTEXT, texto.size(),
                             reinterpret_cast<LPARAM>(texto.data()), SMTO_ABORTIFHUNG,
                             kEsperaTextoMs, &copiados)) {
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

std::string EscritorioWin32::LeerPortapapeles() {
    const PortapapelesTomado abierto(ventana_.Manejador());
    if (!abierto) {
        return "";
    }
    std::string texto;
    if (HANDLE datos = GetClipboardData(CF_TEXT)) {
        if (const auto* origen = static_cast<const char*>(GlobalLock(datos))) {
            texto.assign(origen, strnlen(origen, GlobalSize(datos)));
            GlobalUnlock(datos);
        }
    }
    return texto;
}

void EscritorioWin32::VaciarPortapapeles() {
    if (const PortapapelesTomado abierto(ventana_.Manejador()); abierto) {
        EmptyClipboard();
    }
}

void EscritorioWin32::EscribirPortapapeles(const std::string& texto) {
    const PortapapelesTomado abierto(ventana_.Manejador());
    if (!abierto) {
        return;
    }
    GlobalUnico memoria(GlobalAlloc(GMEM_MOVEABLE, texto.size() + 1));
    void* destino = memoria ? GlobalLock(memoria.get()) : nullptr;
    if (destino == nullptr) {
        return;
    }
    std::memcpy(destino, texto.c_str(), texto.size() + 1);
    GlobalUnlock(memoria.get());
    if (SetClipboardData(CF_TEXT, memoria.get()) != nullptr) {
        memoria.release();  // the clipboard's now
    }
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

bool EscritorioWin32::ExisteFichero(const std::string& ruta) {
    return ficheros::ExisteFichero(ruta);
}

std::intptr_t EscritorioWin32::AbrirConShell(const std::string& ruta,
                                             const std::string& directorio) {
    return reinterpret_cast<std::intptr_t>(
        ShellExecuteA(ventana_.Manejador(), "open", ruta.c_str(), "", directorio.c_str(), SW_SHOW));
}

void EscritorioWin32::MostrarEstado(const std::string& texto) {
    if (prog_ != nullptr) {
        prog_->MostrarEstado(texto);
    }
}

}  // namespace rebanex::win32
