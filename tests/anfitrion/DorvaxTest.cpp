// The stand-ins that the end-to-end tests install beside Rebanex.exe, checked on their own:
// the windows, fixed points, keys and records that the tests of the host automation rely on.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <initializer_list>
#include <string>

#include "e2e/Conduccion.h"

namespace rebanex::e2e {
namespace {

std::string TextoDe(HWND hwnd) {
    char texto[256] = {};
    SendMessageA(hwnd, WM_GETTEXT, sizeof(texto), reinterpret_cast<LPARAM>(texto));
    return texto;
}

HWND EnPunto(const RECT& r, int x, int y) {
    return WindowFromPoint(POINT{r.left + x, r.top + y});
}

// Key presses in order, releases in reverse order, to the foreground window.
void Teclas(std::initializer_list<WORD> teclas) {
    for (WORD t : teclas) {
        INPUT e{};
        e.type = INPUT_KEYBOARD;
        e.ki.wVk = t;
        SendInput(1, &e, sizeof(e));
    }
    for (auto t = std::rbegin(teclas); t != std::rend(teclas); ++t) {
        INPUT e{};
        e.type = INPUT_KEYBOARD;
        e.ki.wVk = *t;
        e.ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &e, sizeof(e));
    }
}

// Keys go to the focus, which follows the foreground window a moment later.
bool AlFrente(HWND hwnd) {
    return Esperar([&] {
        SetForegroundWindow(hwnd);
        GUITHREADINFO hilo{};
        hilo.cbSize = sizeof(hilo);
        GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &hilo);
        return GetForegroundWindow() == hwnd &&
               (hilo.hwndFocus == hwnd || IsChild(hwnd, hilo.hwndFocus));
    });
}

// dorvax.exe running from `exe`, with its record file in a temporary folder; closed at the end.
class Anfitrion {
  public:
    explicit Anfitrion(const std::string& argumentos, std::string exe = RutaWindows(DORVAX_EXE))
        : registro_(carpeta_.Ruta() + "\\registro.txt") {
        std::string linea = "\"" + exe + "\" --registro \"" + registro_ + "\" " + argumentos;
        STARTUPINFOA inicio{};
        inicio.cb = sizeof(inicio);
        EXPECT_TRUE(CreateProcessA(exe.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &inicio, &proceso_));
        Esperar([&] { return (aplicacion_ = FindWindowA(nullptr, "Dorvax")) != nullptr; });
    }
    ~Anfitrion() {
        PostMessageA(aplicacion_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(proceso_.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(proceso_.hProcess, 1);
            WaitForSingleObject(proceso_.hProcess, 10000);
        }
        CloseHandle(proceso_.hThread);
        CloseHandle(proceso_.hProcess);
    }
    Anfitrion(const Anfitrion&) = delete;
    Anfitrion& operator=(const Anfitrion&) = delete;

    HWND Aplicacion() const { return aplicacion_; }
    HWND Principal(const char* titulo = "\\\\ensatel") const {
        HWND hwnd = nullptr;
        Esperar([&] { return (hwnd = FindWindowA(nullptr, titulo)) != nullptr; });
        return hwnd;
    }
    std::string Registro() const { return LeerFichero(registro_); }

  private:
    DirectorioTemporal carpeta_;
    std::string registro_;
    PROCESS_INFORMATION proceso_{};
    HWND aplicacion_ = nullptr;
};

TEST(Dorvax, FixedPointsHitTheFieldsOfTheMainWindow) {
    Anfitrion anfitrion(R"(--titulo "\\ensatel - Amena" --tamanyo "145 caracteres")");
    ASSERT_NE(anfitrion.Aplicacion(), nullptr);
    HWND principal = anfitrion.Principal("\\\\ensatel - Amena");
    ASSERT_NE(principal, nullptr);
    EXPECT_TRUE(IsWindowVisible(principal));
    RECT r{};
    GetWindowRect(principal, &r);
    EXPECT_EQ(r.left, 600);
    EXPECT_EQ(r.top, 100);

    HWND mensaje = EnPunto(r, 120, 150);
    ASSERT_EQ(GetParent(mensaje), principal);
    EXPECT_NE(GetWindowLongA(mensaje, GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_EQ(EnPunto(r, (r.right - r.left) / 2, (r.bottom - r.top) / 2), mensaje);
    HWND tamanyo = EnPunto(r, 204, 237);
    ASSERT_EQ(GetParent(tamanyo), principal);
    EXPECT_EQ(TextoDe(tamanyo), "145 caracteres");

    SendMessageA(mensaje, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("escrito"));
    EXPECT_EQ(TextoDe(mensaje), "escrito");
}

TEST(Dorvax, KeysPasteAndEmptyTheMessageFieldAndEveryPasteIsRecorded) {
    Anfitrion anfitrion("");
    HWND principal = anfitrion.Principal();
    ASSERT_NE(principal, nullptr);
    ASSERT_TRUE(AlFrente(principal));
    RECT r{};
    GetWindowRect(principal, &r);
    HWND mensaje = EnPunto(r, 120, 150);

    ASSERT_TRUE(PonerEnPortapapeles("Hola, Málaga"));
    Teclas({VK_CONTROL, 'V'});
    ASSERT_TRUE(Esperar([&] { return TextoDe(mensaje) == "Hola, Málaga"; }));
    Teclas({VK_MENU, 'Z'});
    ASSERT_TRUE(Esperar([&] { return TextoDe(mensaje).empty(); }));
    ASSERT_TRUE(PonerEnPortapapeles("a\r\nb"));
    SendMessageA(mensaje, WM_PASTE, 0, 0);
    SendMessageA(mensaje, WM_PASTE, 0, 0);

    EXPECT_EQ(anfitrion.Registro(),
              "PEGADO 12:Hola, Málaga\r\nVACIADO\r\nPEGADO 4:a\r\nb\r\nPEGADO 8:a\r\nba\r\nb\r\n");
}

TEST(Dorvax, RefusesToEmptyItsFieldWhenAskedTo) {
    Anfitrion anfitrion("--no-vaciar");
    HWND principal = anfitrion.Principal();
    ASSERT_NE(principal, nullptr);
    ASSERT_TRUE(AlFrente(principal));
    RECT r{};
    GetWindowRect(principal, &r);
    HWND mensaje = EnPunto(r, 120, 150);
    SendMessageA(mensaje, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("sigo"));

    Teclas({VK_MENU, 'Z'});
    ASSERT_TRUE(Esperar([&] { return !anfitrion.Registro().empty(); }));
    EXPECT_EQ(anfitrion.Registro(), "NO VACIADO\r\n");
    EXPECT_EQ(TextoDe(mensaje), "sigo");
}

TEST(Dorvax, SecondaryWindowsCloseOnEscape) {
    Anfitrion anfitrion("--agenda --opciones");
    ASSERT_NE(anfitrion.Principal(), nullptr);
    HWND agenda = FindWindowA(nullptr, "Mensatel - Agenda Telefónica");
    HWND opciones = FindWindowA(nullptr, "Mensatel - Opciones");
    ASSERT_NE(agenda, nullptr);
    ASSERT_NE(opciones, nullptr);

    ASSERT_TRUE(AlFrente(agenda));
    Teclas({VK_ESCAPE});
    EXPECT_TRUE(Esperar([&] { return !IsWindow(agenda); }));
    EXPECT_TRUE(IsWindow(opciones));
    PostMessageA(opciones, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Esperar([&] { return !IsWindow(opciones); }));
}

TEST(Dorvax, StartedMinimisedItComesBackWhenTheApplicationWindowIsRestored) {
    Anfitrion anfitrion("--minimizado --retraso 300");
    ASSERT_NE(anfitrion.Aplicacion(), nullptr);
    EXPECT_TRUE(IsIconic(anfitrion.Aplicacion()));
    HWND principal = anfitrion.Principal();
    ASSERT_NE(principal, nullptr);
    EXPECT_FALSE(IsWindowVisible(principal));

    ShowWindow(anfitrion.Aplicacion(), SW_RESTORE);
    EXPECT_TRUE(Esperar([&] { return IsWindowVisible(principal) != FALSE; }));
}

TEST(Dorvax, StartedWithoutArgumentsItTakesThemFromTheFileBesideIt) {
    DirectorioTemporal instalacion;
    const std::string exe = instalacion.Ruta() + "\\dorvax.exe";
    ASSERT_TRUE(CopyFileA(RutaWindows(DORVAX_EXE).c_str(), exe.c_str(), FALSE));
    std::ofstream(instalacion.Ruta() + "\\dorvax.args")
        << R"(--titulo "\\ensatel - Movistar" --posicion -40 850)";

    Anfitrion anfitrion("", exe);
    HWND principal = anfitrion.Principal("\\\\ensatel - Movistar");
    ASSERT_NE(principal, nullptr);
    RECT r{};
    GetWindowRect(principal, &r);
    EXPECT_EQ(r.left, -40);
    EXPECT_EQ(r.top, 850);
}

TEST(MensatelLog, RecordsHowItWasStarted) {
    DirectorioTemporal instalacion;
    const std::string exe = instalacion.Ruta() + "\\MensatelLog.exe";
    ASSERT_TRUE(CopyFileA(RutaWindows(MENSATELLOG_EXE).c_str(), exe.c_str(), FALSE));
    std::string linea = "\"" + exe + "\" uno dos";
    STARTUPINFOA inicio{};
    inicio.cb = sizeof(inicio);
    PROCESS_INFORMATION proceso{};
    ASSERT_TRUE(CreateProcessA(exe.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               instalacion.Ruta().c_str(), &inicio, &proceso));
    WaitForSingleObject(proceso.hProcess, 30000);
    CloseHandle(proceso.hThread);
    CloseHandle(proceso.hProcess);

    EXPECT_EQ(LeerFichero(instalacion.Ruta() + "\\MensatelLog.txt"),
              linea + "\r\n" + instalacion.Ruta() + "\r\n");
}

}  // namespace
}  // namespace rebanex::e2e
