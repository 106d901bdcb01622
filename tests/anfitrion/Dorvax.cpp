// dorvax.exe: a stand-in for the SMS program that Rebanex drives, for the end-to-end tests.
// It shows the windows Rebanex looks for, reacts to the keys Rebanex sends and writes what
// arrives in its message field to a record file, so that a test can check every paste.
//
// Flags (on the command line, after those of a file "dorvax.args" beside the program, which
// stands in for the command line when Rebanex starts it without one):
//   --titulo TEXTO      title of the main window (default "\\ensatel")
//   --retraso MS        the main window appears MS milliseconds after the start (default 0)
//   --tamanyo TEXTO     text of the size field (default "160 caracteres")
//   --registro RUTA     record file (default: none)
//   --posicion X Y      top-left corner of the main window (default 600 100)
//   --minimizado        start minimised; restoring "Dorvax" shows the main window
//   --agenda            open the phone-book window with the main window
//   --opciones          open the options window with the main window
//   --no-vaciar         Alt+Z leaves the message field as it is
//   --sin-principal     never show the main window
// Records, each ending in CR LF: "PEGADO n:texto" (the field after a paste; n is the length
// of texto in bytes), "VACIADO" (Alt+Z emptied the field), "NO VACIADO" (Alt+Z refused).
#include <windows.h>

#include <exception>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Opciones {
    std::string titulo = "\\\\ensatel";
    UINT retraso = 0;
    std::string tamanyo = "160 caracteres";
    std::string registro;
    int x = 600;
    int y = 100;
    bool minimizado = false;
    bool agenda = false;
    bool opciones = false;
    bool vaciar = true;
    bool principal = true;
};

Opciones ajustes;
HWND aplicacion = nullptr;
HWND principal = nullptr;
HWND mensaje = nullptr;
WNDPROC procesoEdit = nullptr;

constexpr UINT_PTR kTemporizador = 1;
constexpr WORD kVaciar = 100;
constexpr int kAncho = 420;
constexpr int kAlto = 320;

// Words separated by blanks; double quotes group blanks into a word. Backslashes are plain
// characters, so a title such as "\\ensatel" needs no escaping.
std::vector<std::string> Palabras(const std::string& linea) {
    std::vector<std::string> palabras;
    std::string palabra;
    bool entreComillas = false;
    bool hayPalabra = false;
    for (char c : linea) {
        if (c == '"') {
            entreComillas = !entreComillas;
            hayPalabra = true;
        } else if (!entreComillas && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
            if (hayPalabra) {
                palabras.push_back(palabra);
            }
            palabra.clear();
            hayPalabra = false;
        } else {
            palabra += c;
            hayPalabra = true;
        }
    }
    if (hayPalabra) {
        palabras.push_back(palabra);
    }
    return palabras;
}

void LeerOpciones(const std::vector<std::string>& palabras) {
    for (size_t i = 0; i < palabras.size(); ++i) {
        const std::string& p = palabras[i];
        const bool hayUno = i + 1 < palabras.size();
        if (p == "--titulo" && hayUno) {
            ajustes.titulo = palabras[++i];
        } else if (p == "--retraso" && hayUno) {
            ajustes.retraso = static_cast<UINT>(std::stoul(palabras[++i]));
        } else if (p == "--tamanyo" && hayUno) {
            ajustes.tamanyo = palabras[++i];
        } else if (p == "--registro" && hayUno) {
            ajustes.registro = palabras[++i];
        } else if (p == "--posicion" && i + 2 < palabras.size()) {
            ajustes.x = std::stoi(palabras[++i]);
            ajustes.y = std::stoi(palabras[++i]);
        } else if (p == "--minimizado") {
            ajustes.minimizado = true;
        } else if (p == "--agenda") {
            ajustes.agenda = true;
        } else if (p == "--opciones") {
            ajustes.opciones = true;
        } else if (p == "--no-vaciar") {
            ajustes.vaciar = false;
        } else if (p == "--sin-principal") {
            ajustes.principal = false;
        }
    }
}

std::string ArgumentosJuntoAlPrograma() {
    char ruta[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, ruta, MAX_PATH);
    std::string fichero(ruta);
    fichero = fichero.substr(0, fichero.find_last_of('\\') + 1) + "dorvax.args";
    std::ifstream entrada(fichero, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

// Opened and closed for every record, so a test may read the file at any time.
void Registrar(const std::string& registro) {
    if (ajustes.registro.empty()) {
        return;
    }
    std::ofstream salida(ajustes.registro, std::ios::binary | std::ios::app);
    salida << registro << "\r\n";
}

std::string TextoDe(HWND hwnd) {
    std::string texto(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    texto.resize(static_cast<size_t>(GetWindowTextA(hwnd, texto.data(), texto.size())));
    return texto;
}

// The edit control pastes by itself (Ctrl+V sends it WM_PASTE); the record is what the field
// holds once the paste is done.
LRESULT CALLBACK ProcesoMensaje(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT resultado = CallWindowProcA(procesoEdit, hwnd, msg, wp, lp);
    if (msg == WM_PASTE) {
        const std::string texto = TextoDe(hwnd);
        Registrar("PEGADO " + std::to_string(texto.size()) + ":" + texto);
    }
    return resultado;
}

// A child placed by its window-rectangle coordinates: the points Rebanex reads are measured
// from the main window's outer corner, whatever the caption and border sizes are.
HWND Hijo(HWND padre, const char* clase, DWORD estilo, const std::string& texto, RECT r,
          DWORD estiloExtendido = WS_EX_CLIENTEDGE) {
    RECT ventana{};
    GetWindowRect(padre, &ventana);
    POINT origen{0, 0};
    ClientToScreen(padre, &origen);
    const int dx = origen.x - ventana.left;
    const int dy = origen.y - ventana.top;
    HWND hijo =
        CreateWindowExA(estiloExtendido, clase, texto.c_str(), WS_CHILD | WS_VISIBLE | estilo,
                        r.left - dx, r.top - dy, r.right - r.left, r.bottom - r.top, padre, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hijo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return hijo;
}

LRESULT CALLBACK ProcesoPrincipal(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE && mensaje != nullptr) {
                SetFocus(mensaje);
                return 0;
            }
            break;
        case WM_COMMAND:
            if (LOWORD(wp) == kVaciar) {
                if (ajustes.vaciar) {
                    SetWindowTextA(mensaje, "");
                }
                Registrar(ajustes.vaciar ? "VACIADO" : "NO VACIADO");
                return 0;
            }
            break;
        case WM_CLOSE:
            DestroyWindow(aplicacion);
            return 0;
        case WM_DESTROY:
            principal = nullptr;
            mensaje = nullptr;
            break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The phone book and the options: empty windows that close on Escape.
LRESULT CALLBACK ProcesoSecundaria(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN && wp == VK_ESCAPE) {
        DestroyWindow(hwnd);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND Ventana(const char* clase, const std::string& titulo, DWORD estilo, int x, int y, int ancho,
             int alto) {
    return CreateWindowExA(0, clase, titulo.c_str(), estilo, x, y, ancho, alto, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void CrearPrincipal() {
    const bool visible = !IsIconic(aplicacion);
    // Titled last: once a test or Rebanex finds the main window by its title, the fields and the
    // secondary windows are in place and no later activation takes the focus.
    principal = Ventana("DorvaxPrincipal", "", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, ajustes.x,
                        ajustes.y, kAncho, kAlto);
    // The message field also covers the window's centre (210, 160), where Rebanex clicks.
    mensaje = Hijo(principal, "EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_TABSTOP, "",
                   RECT{20, 50, 400, 205});
    procesoEdit = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(mensaje, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcesoMensaje)));
    // A read-only edit rather than a static: a static is transparent to hit-testing.
    Hijo(principal, "EDIT", ES_READONLY, ajustes.tamanyo, RECT{150, 222, 330, 252});
    Hijo(principal, "STATIC", 0, "Mensaje:", RECT{20, 30, 200, 46}, 0);
    Hijo(principal, "STATIC", 0, "Tamaño máximo:", RECT{20, 230, 145, 246}, 0);
    if (visible) {
        ShowWindow(principal, SW_SHOW);
    }
    const DWORD estilo = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (visible ? WS_VISIBLE : 0);
    if (ajustes.agenda) {
        Ventana("DorvaxSecundaria", "Mensatel - Agenda Telefónica", estilo, ajustes.x + 60,
                ajustes.y + 60, 300, 200);
    }
    if (ajustes.opciones) {
        Ventana("DorvaxSecundaria", "Mensatel - Opciones", estilo, ajustes.x + 120, ajustes.y + 120,
                300, 200);
    }
    SetWindowTextA(principal, ajustes.titulo.c_str());
}

// Shows or hides the main and secondary windows with the application window's state (the
// process also owns windows of the system's own, which stay as they are).
BOOL CALLBACK Acompanyar(HWND hwnd, LPARAM mostrar) {
    DWORD proceso = 0;
    GetWindowThreadProcessId(hwnd, &proceso);
    char clase[32] = {};
    GetClassNameA(hwnd, clase, sizeof(clase));
    const std::string nombre(clase);
    if (proceso == GetCurrentProcessId() &&
        (nombre == "DorvaxPrincipal" || nombre == "DorvaxSecundaria")) {
        ShowWindow(hwnd, mostrar != 0 ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

LRESULT CALLBACK ProcesoAplicacion(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER:
            KillTimer(hwnd, kTemporizador);
            CrearPrincipal();
            return 0;
        case WM_SIZE:
            if (wp == SIZE_MINIMIZED || wp == SIZE_RESTORED) {
                EnumWindows(&Acompanyar, wp == SIZE_RESTORED);
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegistrarClase(const char* nombre, WNDPROC proceso) {
    WNDCLASSA clase{};
    clase.lpfnWndProc = proceso;
    clase.hInstance = GetModuleHandleA(nullptr);
    clase.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    clase.lpszClassName = nombre;
    RegisterClassA(&clase);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR linea, int) {
    try {
        LeerOpciones(Palabras(ArgumentosJuntoAlPrograma()));
        LeerOpciones(Palabras(linea));
    } catch (const std::exception&) {
        MessageBoxA(nullptr, "Argumentos no válidos", "Dorvax", MB_ICONEXCLAMATION);
        return 2;
    }
    RegistrarClase("DorvaxAplicacion", &ProcesoAplicacion);
    RegistrarClase("DorvaxPrincipal", &ProcesoPrincipal);
    RegistrarClase("DorvaxSecundaria", &ProcesoSecundaria);

    // Small, in the bottom-right corner, out of the way of the main window.
    const int ancho = GetSystemMetrics(SM_CXSCREEN);
    const int alto = GetSystemMetrics(SM_CYSCREEN);
    // Born minimised when asked, so that it is never found restored.
    aplicacion = Ventana("DorvaxAplicacion", "Dorvax",
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                             (ajustes.minimizado ? WS_MINIMIZE : 0),
                         ancho - 220, alto - 90, 200, 60);
    ShowWindow(aplicacion, ajustes.minimizado ? SW_SHOWMINNOACTIVE : SW_SHOW);
    if (ajustes.principal) {
        SetTimer(aplicacion, kTemporizador, ajustes.retraso, nullptr);
    }

    ACCEL vaciar{FALT | FVIRTKEY, 'Z', kVaciar};
    HACCEL aceleradores = CreateAcceleratorTableA(&vaciar, 1);
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        const bool enPrincipal =
            principal != nullptr && (msg.hwnd == principal || IsChild(principal, msg.hwnd));
        if (enPrincipal && TranslateAcceleratorA(principal, aceleradores, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyAcceleratorTable(aceleradores);
    return 0;
}
