// Drives a running Rebanex.exe from another process, as a user would: real keys and mouse,
// the controls read, message boxes answered. What may open a modal box is posted, never sent,
// so the caller never blocks.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/Elementos.h"
#include "app/win32/Identificadores.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::e2e {

inline constexpr char kTitulo[] = "Rebanex  -  01/01/2002";

// Generous bounds: the waits poll, so a bound costs nothing when the condition comes true.
inline constexpr std::chrono::seconds kPlazo{60};
inline constexpr std::chrono::seconds kPlazoLargo{120};

// Polls `condicion` until it holds or `plazo` runs out; true when it held.
inline bool Esperar(const std::function<bool()>& condicion,
                    std::chrono::milliseconds plazo = kPlazo) {
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

// Clipboard formats with their bytes (a text with its final null). Another program (Wine's own
// clipboard bridge among them) may hold the clipboard a moment: false, or "<cerrado>", when it
// kept it.
using Formatos = std::vector<std::pair<UINT, std::string>>;
inline bool PonerEnPortapapeles(const Formatos& formatos) {
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

inline std::string LeerPortapapeles(UINT formato) {
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

// Real keys through the system's input queue, to the foreground window: a combination's keys
// go down in order and up in reverse order.
inline void Teclas(const std::vector<WORD>& combinacion) {
    std::vector<INPUT> teclas(combinacion.size() * 2);
    for (std::size_t i = 0; i < teclas.size(); ++i) {
        const bool soltar = i >= combinacion.size();
        teclas[i].type = INPUT_KEYBOARD;
        teclas[i].ki.wVk = combinacion[soltar ? teclas.size() - 1 - i : i];
        teclas[i].ki.dwFlags = soltar ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(static_cast<UINT>(teclas.size()), teclas.data(), sizeof(INPUT));
}

// One key per character, Shift as needed; "^" and "%" hold Ctrl and Alt for the next one.
inline void Teclear(const std::string& texto) {
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

struct Caja {
    HWND hwnd = nullptr;
    std::string texto;
};

class Rebanex {
  public:
    // Starts the Rebanex.exe of `directorio` there; waits for its window, or a box raised first.
    explicit Rebanex(const std::string& directorio, const std::string& argumentos = "") {
        const std::string exe = directorio + "\\Rebanex.exe";
        std::string linea = "\"" + exe + "\" " + argumentos;
        STARTUPINFOA inicio{};
        inicio.cb = sizeof(inicio);
        if (CreateProcessA(exe.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           directorio.c_str(), &inicio, &proceso_)) {
            EsperarVentana(true);
        }
    }
    ~Rebanex() {  // a program still running is ended
        if (proceso_.hProcess != nullptr) {
            TerminateProcess(proceso_.hProcess, 99);
            WaitForSingleObject(proceso_.hProcess, 10000);
            CloseHandle(proceso_.hThread);
            CloseHandle(proceso_.hProcess);
        }
    }
    Rebanex(const Rebanex&) = delete;
    Rebanex& operator=(const Rebanex&) = delete;

    HWND Ventana() const { return ventana_; }
    bool EsperarVentana(bool oCaja = false) {  // the main window, or else a box
        return Esperar(
            [&] {
                ventana_ = Buscar(nullptr, kTitulo);
                return ventana_ != nullptr || (oCaja && Buscar("#32770", nullptr));
            },
            kPlazoLargo);
    }
    HWND Hwnd(Control c) const { return GetDlgItem(ventana_, win32::IdControl(c)); }
    // WM_GETTEXT is carried across processes; GetWindowText would not ask the control.
    std::string Texto(HWND hwnd) const {
        const auto largo = Enviar(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG);
        if (!largo) {
            return "<sin respuesta>";
        }
        std::string texto(*largo + 1, '\0');
        const LPARAM destino = reinterpret_cast<LPARAM>(texto.data());
        texto.resize(Enviar(hwnd, WM_GETTEXT, texto.size(), destino, SMTO_ABORTIFHUNG).value_or(0));
        return texto;
    }
    std::string Texto(Control c) const { return Texto(Hwnd(c)); }
    bool Visible(Control c) const { return IsWindowVisible(Hwnd(c)) != FALSE; }
    HWND Foco() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(proceso_.dwThreadId, &info) ? info.hwndFocus : nullptr;
    }
    // The label's caption, in the font it shows it in, fits its client area.
    bool Cabe(Control c) const {
        RECT r{};
        GetClientRect(Hwnd(c), &r);
        const DWORD_PTR ancho = Enviar(Hwnd(c), win32::MensajeAnchoDelTexto(), 0, 0).value_or(0);
        return ancho > 0 && ancho <= static_cast<DWORD_PTR>(r.right - r.left);
    }

    void PonerTexto(HWND hwnd, const std::string& texto) const {
        Enviar(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texto.c_str()));
    }
    void PonerTexto(Control c, const std::string& texto) const { PonerTexto(Hwnd(c), texto); }
    void Pulsar(Control c) const { PostMessageA(Hwnd(c), BM_CLICK, 0, 0); }
    // Splits `texto` at `longitud`; true once the piece view has replaced the message view.
    bool Trocear(const std::string& texto, const std::string& longitud) const {
        PonerTexto(Control::Msg, texto);
        PonerTexto(Control::LongMax, longitud);
        Pulsar(Control::Partir);
        return Esperar([&] { return Visible(Control::Trozo) && !Visible(Control::Msg); },
                       kPlazoLargo);
    }
    void Elegir(Menu m) const { PostMessageA(ventana_, WM_COMMAND, win32::IdMenu(m), 0); }
    void Clic(Control c) const {  // the left button, for real, in the middle of the control
        RECT r{};
        GetWindowRect(Hwnd(c), &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        INPUT raton[2]{};
        raton[0].type = raton[1].type = INPUT_MOUSE;
        raton[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        raton[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, raton, sizeof(INPUT));
    }
    // In front with the focus in it, as a click leaves it. The focus follows a moment later;
    // Wine reads the keyboard again on every activation, letting go of a Ctrl the test holds:
    // a window in front is left alone.
    bool AlFrente() const {
        return Esperar([&] {
            if (GetForegroundWindow() != ventana_) {
                SetForegroundWindow(ventana_);
            }
            return GetForegroundWindow() == ventana_ && IsChild(ventana_, Foco());
        });
    }

    std::optional<Caja> EsperarCaja(const std::string& titulo,
                                    std::chrono::milliseconds plazo = kPlazo) {
        HWND caja = nullptr;
        if (!Esperar([&] { return (caja = Buscar("#32770", titulo.c_str())) != nullptr; }, plazo)) {
            return std::nullopt;
        }
        return Caja{caja, Texto(GetDlgItem(caja, 0xFFFF))};  // a message box's text
    }
    void Aceptar(const Caja& caja) {
        PostMessageA(caja.hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(caja.hwnd, IDOK)));
    }
    // The exit code, or nothing when the program did not end in time.
    std::optional<DWORD> EsperarFin() {
        DWORD codigo = 0;
        if (WaitForSingleObject(proceso_.hProcess, kMilisegundos) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(proceso_.hProcess, &codigo)) {
            return std::nullopt;
        }
        return codigo;
    }

  private:
    // A message sent to the program waits at most this long for its answer.
    static constexpr auto kMilisegundos =
        static_cast<UINT>(std::chrono::milliseconds(kPlazo).count());

    // A visible top-level window of the program with that class and title (nullptr: any).
    HWND Buscar(const char* clase, const char* titulo) const {
        for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, clase, titulo)) != nullptr;) {
            DWORD dueno = 0;
            GetWindowThreadProcessId(h, &dueno);
            if (dueno == proceso_.dwProcessId && IsWindowVisible(h)) {
                return h;
            }
        }
        return nullptr;
    }
    static std::optional<DWORD_PTR> Enviar(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                           UINT modo = SMTO_NORMAL) {
        DWORD_PTR r = 0;
        if (hwnd == nullptr || !SendMessageTimeoutA(hwnd, msg, wp, lp, modo, kMilisegundos, &r)) {
            return std::nullopt;
        }
        return r;
    }

    PROCESS_INFORMATION proceso_{};
    HWND ventana_ = nullptr;
};

}  // namespace rebanex::e2e
