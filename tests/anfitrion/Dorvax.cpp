// dorvax.exe: a stand-in for the SMS program that Rebanex drives, for the end-to-end tests. It
// shows the windows Rebanex looks for, reacts to its keys and records in "registro.txt" beside
// it, one line each: "PEGADO n:texto" (the field after a paste, n its length in bytes),
// "VACIADO" (Alt+Z emptied the field) and, with --linea, its command line.
// Flags, in "dorvax.args" beside it: --posicion X Y (the main window's corner), --sin-principal
// (the main window never shows), --linea (records the command line and ends, as any program
// Rebanex starts), --colgado (stops answering once its windows exist).
#include <windows.h>

#include <cstring>
#include <fstream>
#include <string>

namespace {

std::string registro;
int posX = 600, posY = 100;
bool conPrincipal = true, soloLinea = false, colgado = false;
HWND aplicacion = nullptr, principal = nullptr, mensaje = nullptr;
WNDPROC procesoEdit = nullptr;

constexpr WORD kVaciar = 100;

void LeerOpciones() {
    char ruta[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, ruta, MAX_PATH);
    const std::string carpeta(ruta, std::strrchr(ruta, '\\') + 1);
    registro = carpeta + "registro.txt";
    std::ifstream palabras(carpeta + "dorvax.args");
    for (std::string p; palabras >> p;) {
        if (p == "--posicion") {
            palabras >> posX >> posY;
        }
        conPrincipal = conPrincipal && p != "--sin-principal";
        soloLinea = soloLinea || p == "--linea";
        colgado = colgado || p == "--colgado";
    }
}

// Opened and closed for every record, so a test may read the file at any time.
void Registrar(const std::string& linea) {
    std::ofstream(registro, std::ios::binary | std::ios::app) << linea << "\r\n";
}

// The edit control pastes by itself; the record is what the field holds once it is done.
LRESULT CALLBACK ProcesoMensaje(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT resultado = CallWindowProcA(procesoEdit, hwnd, msg, wp, lp);
    if (msg == WM_PASTE) {
        std::string texto(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
        texto.resize(static_cast<size_t>(
            GetWindowTextA(hwnd, texto.data(), static_cast<int>(texto.size()))));
        Registrar("PEGADO " + std::to_string(texto.size()) + ":" + texto);
    }
    return resultado;
}

// Placed by window-rectangle coordinates: Rebanex measures its points from the main window's
// outer corner, whatever the caption and border sizes are.
HWND Hijo(const char* clase, DWORD estilo, const char* texto, RECT r, DWORD extendido) {
    RECT ventana{};
    GetWindowRect(principal, &ventana);
    POINT origen{0, 0};
    ClientToScreen(principal, &origen);
    HWND hijo = CreateWindowExA(
        extendido, clase, texto, WS_CHILD | WS_VISIBLE | estilo, r.left - (origen.x - ventana.left),
        r.top - (origen.y - ventana.top), r.right - r.left, r.bottom - r.top, principal, nullptr,
        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hijo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return hijo;
}

LRESULT CALLBACK Proceso(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE && hwnd == principal) {
        SetFocus(mensaje);
    } else if (msg == WM_COMMAND && LOWORD(wp) == kVaciar) {
        SetWindowTextA(mensaje, "");
        Registrar("VACIADO");
    } else if (msg == WM_CLOSE) {  // either window ends the program
        DestroyWindow(aplicacion);
    } else {
        if (msg == WM_DESTROY && hwnd == aplicacion) {
            PostQuitMessage(0);
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    return 0;
}

HWND Ventana(const char* clase, const char* titulo, int x, int y, int ancho, int alto) {
    WNDCLASSA c{};
    c.lpfnWndProc = &Proceso;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = clase;
    RegisterClassA(&c);
    return CreateWindowExA(0, clase, titulo, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x, y, ancho,
                           alto, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void CrearPrincipal() {
    // Titled last: once the main window is found by its title, its fields are in place.
    principal = Ventana("DorvaxPrincipal", "", posX, posY, 420, 320);
    // The message field also covers the window's centre (210, 160), where Rebanex clicks.
    mensaje = Hijo("EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_TABSTOP, "", RECT{20, 50, 400, 205},
                   WS_EX_CLIENTEDGE);
    procesoEdit = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(mensaje, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcesoMensaje)));
    // A read-only edit rather than a static: a static is transparent to hit-testing.
    Hijo("EDIT", ES_READONLY, "160 caracteres", RECT{150, 222, 330, 252}, WS_EX_CLIENTEDGE);
    Hijo("STATIC", 0, "Mensaje:", RECT{20, 30, 200, 46}, 0);
    Hijo("STATIC", 0, "Tamaño máximo:", RECT{20, 230, 145, 246}, 0);
    ShowWindow(principal, SW_SHOW);
    SetWindowTextA(principal, "\\\\ensatel");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LeerOpciones();
    if (soloLinea) {
        Registrar(GetCommandLineA());
        return 0;
    }
    // Small, in the bottom-right corner, out of the main window's way.
    aplicacion = Ventana("DorvaxAplicacion", "Dorvax", GetSystemMetrics(SM_CXSCREEN) - 220,
                         GetSystemMetrics(SM_CYSCREEN) - 90, 200, 60);
    ShowWindow(aplicacion, SW_SHOW);
    if (conPrincipal) {
        CrearPrincipal();
    }
    while (colgado) {
        Sleep(INFINITE);
    }
    ACCEL vaciar{FALT | FVIRTKEY, 'Z', kVaciar};
    HACCEL aceleradores = CreateAcceleratorTableA(&vaciar, 1);
    for (MSG msg{}; GetMessageA(&msg, nullptr, 0, 0) > 0;) {
        if (!TranslateAcceleratorA(principal, aceleradores, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
