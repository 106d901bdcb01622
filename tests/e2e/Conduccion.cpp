#include "e2e/Conduccion.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "app/win32/Identificadores.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::e2e {

namespace {

// A message sent to the program waits at most this long for its answer.
constexpr auto kMilisegundos = static_cast<UINT>(std::chrono::milliseconds(kPlazo).count());

// A visible top-level window of the process with that class (nullptr: any) and title.
HWND Buscar(DWORD proceso, const char* clase, const std::string& titulo) {
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, clase, titulo.c_str())) != nullptr;) {
        DWORD dueno = 0;
        GetWindowThreadProcessId(h, &dueno);
        if (dueno == proceso && IsWindowVisible(h)) {
            return h;
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
    GetLongPathNameA(temporal, temporal, MAX_PATH);
    ruta_ = std::string(temporal) + "rebanex-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++contador);
    CreateDirectoryA(ruta_.c_str(), nullptr);
}

DirectorioTemporal::~DirectorioTemporal() {
    std::error_code ignorado;
    std::filesystem::remove_all(ruta_, ignorado);
}

std::string RutaWindows(std::string ruta) {
    if (!ruta.empty() && ruta.front() == '/') {
        ruta = "Z:" + ruta;
    }
    for (char& c : ruta) {
        c = c == '/' ? '\\' : c;
    }
    return ruta;
}

std::string RutaRebanex() {
    return RutaWindows(REBANEX_EXE);
}

std::string LeerFichero(const std::string& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

// Another program (Wine's own clipboard bridge among them) may hold the clipboard a moment.
bool PonerEnPortapapeles(const std::string& texto) {
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

std::string LeerPortapapeles() {
    std::string texto = "<cerrado>";
    if (Esperar([] { return OpenClipboard(nullptr) != FALSE; })) {
        texto.clear();
        if (HANDLE datos = GetClipboardData(CF_TEXT)) {
            texto = static_cast<const char*>(GlobalLock(datos));
            GlobalUnlock(datos);
        }
        CloseClipboard();
    }
    return texto;
}

void Teclas(const std::vector<WORD>& combinacion) {
    std::vector<INPUT> teclas(combinacion.size() * 2);
    for (std::size_t i = 0; i < teclas.size(); ++i) {
        const bool soltar = i >= combinacion.size();
        teclas[i].type = INPUT_KEYBOARD;
        teclas[i].ki.wVk = combinacion[soltar ? teclas.size() - 1 - i : i];
        teclas[i].ki.dwFlags = soltar ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(static_cast<UINT>(teclas.size()), teclas.data(), sizeof(INPUT));
}

void Teclear(const std::string& texto) {
    for (char ch : texto) {
        Teclas({static_cast<WORD>(LOBYTE(VkKeyScanA(ch)))});
    }
}

Rebanex::Rebanex(const std::string& directorio) {
    std::string exe = directorio + "\\Rebanex.exe";
    if (GetFileAttributesA(exe.c_str()) == INVALID_FILE_ATTRIBUTES) {
        exe = RutaRebanex();
    }
    std::string linea = "\"" + exe + "\"";
    STARTUPINFOA inicio{};
    inicio.cb = sizeof(inicio);
    if (CreateProcessA(exe.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directorio.c_str(), &inicio, &proceso_)) {
        Esperar(
            [&] { return (ventana_ = Buscar(proceso_.dwProcessId, nullptr, kTitulo)) != nullptr; },
            kPlazoLargo);
    }
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

// WM_GETTEXT is carried across processes; GetWindowText would not ask the control.
std::string Rebanex::Texto(HWND hwnd) const {
    DWORD_PTR largo = 0;
    DWORD_PTR copiados = 0;
    if (hwnd == nullptr || !SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                                                kMilisegundos, &largo)) {
        return "<sin respuesta>";
    }
    std::string texto(largo + 1, '\0');
    SendMessageTimeoutA(hwnd, WM_GETTEXT, texto.size(), reinterpret_cast<LPARAM>(texto.data()),
                        SMTO_ABORTIFHUNG, kMilisegundos, &copiados);
    texto.resize(copiados);
    return texto;
}

HWND Rebanex::Foco() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(proceso_.dwThreadId, &info) ? info.hwndFocus : nullptr;
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

void Rebanex::PonerTexto(Control c, const std::string& texto) {
    DWORD_PTR r = 0;
    SendMessageTimeoutA(Hwnd(c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texto.c_str()),
                        SMTO_NORMAL, kMilisegundos, &r);
}

void Rebanex::Pulsar(Control c) {
    PostMessageA(Hwnd(c), BM_CLICK, 0, 0);
}

void Rebanex::Elegir(Menu m) {
    PostMessageA(ventana_, WM_COMMAND, MAKEWPARAM(win32::IdMenu(m), 0), 0);
}

void Rebanex::Clic(Control c) const {
    RECT r{};
    GetWindowRect(Hwnd(c), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT raton[2] = {};
    raton[0].type = raton[1].type = INPUT_MOUSE;
    raton[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    raton[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, raton, sizeof(INPUT));
}

// Keys go to the focus, which follows the foreground window a moment later. Wine reads the
// keyboard's state again whenever a window is activated, which would let go of a Ctrl the
// test holds: a window already in front is left alone.
bool Rebanex::AlFrente() const {
    return Esperar([&] {
        if (GetForegroundWindow() != ventana_) {
            SetForegroundWindow(ventana_);
        }
        return GetForegroundWindow() == ventana_ && IsChild(ventana_, Foco());
    });
}

std::optional<Caja> Rebanex::EsperarCaja(const std::string& titulo) {
    HWND caja = nullptr;
    if (!Esperar(
            [&] { return (caja = Buscar(proceso_.dwProcessId, "#32770", titulo)) != nullptr; })) {
        return std::nullopt;
    }
    // A message box's text is the static with ID 0xFFFF.
    return Caja{caja, Texto(GetDlgItem(caja, 0xFFFF))};
}

void Rebanex::Responder(const Caja& caja, int boton) {
    PostMessageA(caja.hwnd, WM_COMMAND, MAKEWPARAM(boton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(caja.hwnd, boton)));
}

std::optional<DWORD> Rebanex::EsperarFin(std::chrono::milliseconds plazo) {
    DWORD codigo = 0;
    if (proceso_.hProcess == nullptr ||
        WaitForSingleObject(proceso_.hProcess, static_cast<DWORD>(plazo.count())) !=
            WAIT_OBJECT_0 ||
        !GetExitCodeProcess(proceso_.hProcess, &codigo)) {
        return std::nullopt;
    }
    return codigo;
}

}  // namespace rebanex::e2e
