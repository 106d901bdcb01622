#include "e2e/Conduccion.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <thread>
#include <vector>

#include "app/win32/VentanaPrincipal.h"

namespace rebanex::e2e {

namespace {

// A message sent to the program waits at most this long for its answer.
constexpr auto kMilisegundos = static_cast<UINT>(std::chrono::milliseconds(kPlazo).count());

// A visible top-level window of the process with that class and title (nullptr: any).
HWND Buscar(DWORD proceso, const char* clase, const char* titulo) {
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, clase, titulo)) != nullptr;) {
        DWORD dueno = 0;
        GetWindowThreadProcessId(h, &dueno);
        if (dueno == proceso && IsWindowVisible(h)) {
            return h;
        }
    }
    return nullptr;
}

std::optional<DWORD_PTR> Enviar(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                UINT modo = SMTO_NORMAL) {
    DWORD_PTR r = 0;
    if (hwnd == nullptr || !SendMessageTimeoutA(hwnd, msg, wp, lp, modo, kMilisegundos, &r)) {
        return std::nullopt;
    }
    return r;
}

}  // namespace

bool Esperar(const std::function<bool()>& condicion, std::chrono::milliseconds plazo) {
    const auto limite = std::chrono::steady_clock::now() + plazo;
    for (MSG msg{}; !condicion(); std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
        if (std::chrono::steady_clock::now() > limite) {
            return false;
        }
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
    }
    return true;
}

std::string RutaWindows(std::string ruta) {
    std::replace(ruta.begin(), ruta.end(), '/', '\\');
    return ruta.starts_with('\\') ? "Z:" + ruta : ruta;
}

std::string LeerFichero(const std::string& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

// Another program (Wine's own clipboard bridge among them) may hold the clipboard a moment.
bool PonerEnPortapapeles(const Formatos& formatos) {
    if (!Esperar([] { return OpenClipboard(nullptr) != FALSE; })) {
        return false;
    }
    EmptyClipboard();
    for (const auto& [formato, bytes] : formatos) {
        HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        std::memcpy(GlobalLock(memoria), bytes.data(), bytes.size());
        GlobalUnlock(memoria);
        SetClipboardData(formato, memoria);
    }
    CloseClipboard();
    return true;
}

std::string LeerPortapapeles(UINT formato) {
    if (!Esperar([] { return OpenClipboard(nullptr) != FALSE; })) {
        return "<cerrado>";
    }
    HANDLE datos = GetClipboardData(formato);
    const char* bytes = datos == nullptr ? nullptr : static_cast<const char*>(GlobalLock(datos));
    std::string copia = bytes == nullptr ? "" : std::string(bytes, GlobalSize(datos));
    GlobalUnlock(datos);
    CloseClipboard();
    return copia;
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
    std::vector<WORD> combinacion;
    for (char c : texto) {
        const SHORT vk = c == '^' ? VK_CONTROL : c == '%' ? VK_MENU : VkKeyScanA(c);
        if (HIBYTE(vk) & 1) {
            combinacion.push_back(VK_SHIFT);
        }
        combinacion.push_back(LOBYTE(vk));
        if (c != '^' && c != '%') {
            Teclas(combinacion);
            combinacion.clear();
        }
    }
}

Rebanex::Rebanex(const std::string& directorio, const std::string& argumentos) {
    const std::string exe = directorio + "\\Rebanex.exe";
    std::string linea = "\"" + exe + "\" " + argumentos;
    STARTUPINFOA inicio{};
    inicio.cb = sizeof(inicio);
    if (CreateProcessA(exe.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directorio.c_str(), &inicio, &proceso_)) {
        EsperarVentana(true);
    }
}

bool Rebanex::EsperarVentana(bool oCaja) {
    return Esperar(
        [&] {
            ventana_ = Buscar(proceso_.dwProcessId, nullptr, kTitulo);
            return ventana_ != nullptr ||
                   (oCaja && Buscar(proceso_.dwProcessId, "#32770", nullptr));
        },
        kPlazoLargo);
}

Rebanex::~Rebanex() {
    if (proceso_.hProcess != nullptr) {
        TerminateProcess(proceso_.hProcess, 99);  // nothing to a program that has ended
        WaitForSingleObject(proceso_.hProcess, 10000);
        CloseHandle(proceso_.hThread);
        CloseHandle(proceso_.hProcess);
    }
}

// WM_GETTEXT is carried across processes; GetWindowText would not ask the control.
std::string Rebanex::Texto(HWND hwnd) const {
    const auto largo = Enviar(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG);
    if (!largo) {
        return "<sin respuesta>";
    }
    std::string texto(*largo + 1, '\0');
    const LPARAM destino = reinterpret_cast<LPARAM>(texto.data());
    texto.resize(Enviar(hwnd, WM_GETTEXT, texto.size(), destino, SMTO_ABORTIFHUNG).value_or(0));
    return texto;
}

HWND Rebanex::Foco() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(proceso_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

bool Rebanex::Cabe(Control c) const {
    RECT r{};
    GetClientRect(Hwnd(c), &r);
    const DWORD_PTR ancho = Enviar(Hwnd(c), win32::MensajeAnchoDelTexto(), 0, 0).value_or(0);
    return ancho > 0 && ancho <= static_cast<DWORD_PTR>(r.right - r.left);
}

void Rebanex::PonerTexto(HWND hwnd, const std::string& texto) const {
    Enviar(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texto.c_str()));
}

void Rebanex::Clic(Control c) const {
    RECT r{};
    GetWindowRect(Hwnd(c), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT raton[2]{};
    raton[0].type = raton[1].type = INPUT_MOUSE;
    raton[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    raton[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, raton, sizeof(INPUT));
}

// The focus follows the foreground window a moment later. Wine reads the keyboard again on
// every activation, letting go of a Ctrl the test holds: a window in front is left alone.
bool Rebanex::AlFrente() const {
    return Esperar([&] {
        if (GetForegroundWindow() != ventana_) {
            SetForegroundWindow(ventana_);
        }
        return GetForegroundWindow() == ventana_ && IsChild(ventana_, Foco());
    });
}

std::optional<Caja> Rebanex::EsperarCaja(const std::string& titulo,
                                         std::chrono::milliseconds plazo) {
    HWND caja = nullptr;
    const auto hay = [&] {
        return (caja = Buscar(proceso_.dwProcessId, "#32770", titulo.c_str())) != nullptr;
    };
    if (!Esperar(hay, plazo)) {
        return std::nullopt;
    }
    return Caja{caja, Texto(GetDlgItem(caja, 0xFFFF))};  // a message box's text
}

void Rebanex::Aceptar(const Caja& caja) {
    PostMessageA(caja.hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(caja.hwnd, IDOK)));
}

std::optional<DWORD> Rebanex::EsperarFin() {
    DWORD codigo = 0;
    if (WaitForSingleObject(proceso_.hProcess, kMilisegundos) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(proceso_.hProcess, &codigo)) {
        return std::nullopt;
    }
    return codigo;
}

}  // namespace rebanex::e2e
