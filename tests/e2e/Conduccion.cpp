#include "e2e/Conduccion.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>
#include <vector>

#include "app/win32/Identificadores.h"
#include "app/win32/Manejadores.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::e2e {

namespace {

// A message sent to the program waits at most this long for its answer.
constexpr auto kMilisegundos = static_cast<UINT>(std::chrono::milliseconds(kPlazo).count());

std::string Clase(HWND hwnd) {
    char clase[64] = {};
    GetClassNameA(hwnd, clase, static_cast<int>(sizeof(clase)));
    return clase;
}

std::string Titulo(HWND hwnd) {
    char titulo[256] = {};
    GetWindowTextA(hwnd, titulo, static_cast<int>(sizeof(titulo)));
    return titulo;
}

// The visible top-level windows of a process.
std::vector<HWND> VentanasDe(DWORD proceso) {
    struct Busqueda {
        DWORD proceso;
        std::vector<HWND> halladas;
    } busqueda{proceso, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM l) -> BOOL {
            auto* b = reinterpret_cast<Busqueda*>(l);
            DWORD dueno = 0;
            GetWindowThreadProcessId(hwnd, &dueno);
            if (dueno == b->proceso && IsWindowVisible(hwnd)) {
                b->halladas.push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&busqueda));
    return busqueda.halladas;
}

HWND Buscar(DWORD proceso, const std::string& clase, const std::string& titulo) {
    for (HWND hwnd : VentanasDe(proceso)) {
        if ((clase.empty() || Clase(hwnd) == clase) && (titulo.empty() || Titulo(hwnd) == titulo)) {
            return hwnd;
        }
    }
    return nullptr;
}

}  // namespace

bool Esperar(const std::function<bool()>& condicion, std::chrono::milliseconds plazo) {
    const auto limite = std::chrono::steady_clock::now() + plazo;
    while (!condicion()) {
        if (std::chrono::steady_clock::now() > limite) {
            return false;
        }
        MSG msg{};
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

DirectorioTemporal::DirectorioTemporal() {
    static int contador = 0;
    char temporal[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporal);
    char largo[MAX_PATH] = {};
    if (GetLongPathNameA(temporal, largo, MAX_PATH) == 0) {
        lstrcpynA(largo, temporal, MAX_PATH);
    }
    ruta_ = std::string(largo) + "rebanex-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++contador);
    CreateDirectoryA(ruta_.c_str(), nullptr);
}

DirectorioTemporal::~DirectorioTemporal() {
    WIN32_FIND_DATAA datos{};
    HANDLE busqueda = FindFirstFileA((ruta_ + "\\*").c_str(), &datos);
    if (busqueda != INVALID_HANDLE_VALUE) {
        do {
            const std::string fichero = ruta_ + "\\" + datos.cFileName;
            if ((datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                SetFileAttributesA(fichero.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(fichero.c_str());
            }
        } while (FindNextFileA(busqueda, &datos));
        FindClose(busqueda);
    }
    RemoveDirectoryA(ruta_.c_str());
}

std::string RutaRebanex() {
    const char* entorno = std::getenv("REBANEX_EXE");
    std::string ruta = entorno != nullptr && *entorno != '\0' ? entorno : REBANEX_EXE;
    return RutaWindows(ruta);
}

// A path of the cross build (a Unix path) as Wine's drive Z: shows it.
std::string RutaWindows(std::string ruta) {
    if (!ruta.empty() && ruta.front() == '/') {
        ruta = "Z:" + ruta;
    }
    for (char& c : ruta) {
        if (c == '/') {
            c = '\\';
        }
    }
    return ruta;
}

std::string LeerFichero(const std::string& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

bool PonerEnPortapapeles(const std::string& texto) {
    // Another program (Wine's own clipboard bridge among them) may hold it for a moment.
    if (!Esperar([] { return OpenClipboard(nullptr) != FALSE; })) {
        return false;
    }
    EmptyClipboard();
    HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE, texto.size() + 1);
    std::memcpy(GlobalLock(memoria), texto.c_str(), texto.size() + 1);
    GlobalUnlock(memoria);
    SetClipboardData(CF_TEXT, memoria);
    CloseClipboard();
    return true;
}

Rebanex::Rebanex(const std::string& directorio, const std::string& argumentos) {
    const std::string exe = RutaRebanex();
    std::string linea = "\"" + exe + "\"" + (argumentos.empty() ? "" : " " + argumentos);
    STARTUPINFOA inicio{};
    inicio.cb = sizeof(inicio);
    if (!CreateProcessA(exe.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directorio.c_str(), &inicio, &proceso_)) {
        return;
    }
    Esperar(
        [&] {
            ventana_ = Buscar(proceso_.dwProcessId, "", kTitulo);
            return ventana_ != nullptr;
        },
        kPlazoLargo);
}

Rebanex::~Rebanex() {
    if (proceso_.hProcess == nullptr) {
        return;
    }
    if (WaitForSingleObject(proceso_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(proceso_.hProcess, 99);
        WaitForSingleObject(proceso_.hProcess, 10000);
    }
    CloseHandle(proceso_.hThread);
    CloseHandle(proceso_.hProcess);
}

HWND Rebanex::Hwnd(Control c) const {
    return ventana_ == nullptr ? nullptr : GetDlgItem(ventana_, win32::IdControl(c));
}

RECT Rebanex::Rectangulo() const {
    RECT r{};
    GetWindowRect(ventana_, &r);
    return r;
}

std::string Rebanex::Texto(Control c) const {
    return Texto(Hwnd(c));
}

// WM_GETTEXT is carried across processes; GetWindowText would not ask the control.
std::string Rebanex::Texto(HWND hwnd) const {
    DWORD_PTR largo = 0;
    if (hwnd == nullptr || !SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                                                kMilisegundos, &largo)) {
        return "<sin respuesta>";
    }
    std::string texto(largo + 1, '\0');
    DWORD_PTR copiados = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, texto.size(), reinterpret_cast<LPARAM>(texto.data()),
                        SMTO_ABORTIFHUNG, kMilisegundos, &copiados);
    texto.resize(copiados);
    return texto;
}

bool Rebanex::Visible(Control c) const {
    return IsWindowVisible(Hwnd(c)) != FALSE;
}

bool Rebanex::Habilitado(Control c) const {
    return IsWindowEnabled(Hwnd(c)) != FALSE;
}

COLORREF Rebanex::ColorEnMedio(Control c) const {
    RECT r{};
    GetWindowRect(Hwnd(c), &r);
    HDC pantalla = GetDC(nullptr);
    const COLORREF color = GetPixel(pantalla, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ReleaseDC(nullptr, pantalla);
    return color;
}

int Rebanex::AnchoTexto(Control c) const {
    DWORD_PTR ancho = 0;
    SendMessageTimeoutA(Hwnd(c), win32::MensajeAnchoDelTexto(), 0, 0, SMTO_NORMAL, kMilisegundos,
                        &ancho);
    return static_cast<int>(ancho);
}

int Rebanex::AnchoCliente(Control c) const {
    RECT r{};
    GetClientRect(Hwnd(c), &r);
    return r.right - r.left;
}

HWND Rebanex::Foco() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(proceso_.dwThreadId, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

void Rebanex::Escribir(Control c, const std::string& texto) {
    for (char ch : texto) {
        PostMessageA(Hwnd(c), WM_CHAR, static_cast<unsigned char>(ch), 1);
    }
}

void Rebanex::Pegar(Control c, const std::string& texto) {
    // Another program (Wine's own clipboard bridge among them) may hold it for a moment.
    if (!Esperar([] { return OpenClipboard(nullptr) != FALSE; })) {
        return;
    }
    EmptyClipboard();
    win32::GlobalUnico memoria(GlobalAlloc(GMEM_MOVEABLE, texto.size() + 1));
    void* destino = memoria ? GlobalLock(memoria.get()) : nullptr;
    if (destino != nullptr) {
        std::memcpy(destino, texto.c_str(), texto.size() + 1);
        GlobalUnlock(memoria.get());
        if (SetClipboardData(CF_TEXT, memoria.get()) != nullptr) {
            memoria.release();  // the clipboard's now
        }
    }
    CloseClipboard();
    PostMessageA(Hwnd(c), WM_PASTE, 0, 0);
}

void Rebanex::PonerTexto(Control c, const std::string& texto) {
    DWORD_PTR r = 0;
    SendMessageTimeoutA(Hwnd(c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texto.c_str()),
                        SMTO_NORMAL, kMilisegundos, &r);
}

void Rebanex::Pulsar(Control c) {
    PostMessageA(Hwnd(c), BM_CLICK, 0, 0);
}

void Rebanex::ClicDerecho(Control c) {
    PostMessageA(Hwnd(c), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    PostMessageA(Hwnd(c), WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
}

void Rebanex::Elegir(Menu m) {
    PostMessageA(ventana_, WM_COMMAND, MAKEWPARAM(win32::IdMenu(m), 0), 0);
}

void Rebanex::Tecla(WPARAM vk) {
    HWND destino = Foco() != nullptr ? Foco() : ventana_;
    PostMessageA(destino, WM_KEYDOWN, vk, 1);
    PostMessageA(destino, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
}

void Rebanex::Teclear(const std::string& texto) {
    std::vector<INPUT> teclas;
    for (char ch : texto) {
        const auto vk = static_cast<WORD>(LOBYTE(VkKeyScanA(ch)));
        for (const DWORD soltar : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT tecla{};
            tecla.type = INPUT_KEYBOARD;
            tecla.ki.wVk = vk;
            tecla.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
            tecla.ki.dwFlags = soltar;
            teclas.push_back(tecla);
        }
    }
    SendInput(static_cast<UINT>(teclas.size()), teclas.data(), sizeof(INPUT));
}

void Rebanex::ClicEn(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(ventana_, &p);
    // Absolute positions go from 0 to 65535 across the screen.
    const auto absoluto = [](int v, int lado) {
        return static_cast<LONG>((v * 65535LL) / (lado - 1));
    };
    INPUT raton[3] = {};
    for (INPUT& r : raton) {
        r.type = INPUT_MOUSE;
        r.mi.dx = absoluto(p.x, GetSystemMetrics(SM_CXSCREEN));
        r.mi.dy = absoluto(p.y, GetSystemMetrics(SM_CYSCREEN));
    }
    raton[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    raton[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    raton[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, raton, sizeof(INPUT));
}

void Rebanex::Minimizar() const {
    ShowWindowAsync(ventana_, SW_MINIMIZE);
}

void Rebanex::Restaurar() const {
    ShowWindowAsync(ventana_, SW_RESTORE);
}

// The menu loop hands other windows' messages on; WM_CANCELMODE makes it end.
void Rebanex::CancelarMenu() {
    PostMessageA(ventana_, WM_CANCELMODE, 0, 0);
}

bool Rebanex::HayMenuAbierto() const {
    return Buscar(proceso_.dwProcessId, "#32768", "") != nullptr;
}

std::optional<Caja> Rebanex::EsperarCaja(const std::string& titulo) {
    HWND caja = nullptr;
    if (!Esperar([&] {
            caja = Buscar(proceso_.dwProcessId, "#32770", titulo);
            return caja != nullptr;
        })) {
        return std::nullopt;
    }
    // A message box's text is the static with ID 0xFFFF.
    return Caja{caja, Titulo(caja), Texto(GetDlgItem(caja, 0xFFFF))};
}

void Rebanex::Responder(const Caja& caja, int boton) {
    PostMessageA(caja.hwnd, WM_COMMAND, MAKEWPARAM(boton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(caja.hwnd, boton)));
}

std::optional<DWORD> Rebanex::EsperarFin(std::chrono::milliseconds plazo) {
    if (proceso_.hProcess == nullptr ||
        WaitForSingleObject(proceso_.hProcess, static_cast<DWORD>(plazo.count())) !=
            WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD codigo = 0;
    GetExitCodeProcess(proceso_.hProcess, &codigo);
    return codigo;
}

}  // namespace rebanex::e2e
