// WinMain: the window, its behaviour and the message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <string>

#include "app/Prog.h"
#include "app/win32/CarpetaTemporal.h"
#include "app/win32/DialogosWin32.h"
#include "app/win32/DiscoWin32.h"
#include "app/win32/EscritorioWin32.h"
#include "app/win32/PerfilWin32.h"
#include "app/win32/PortapapelesWin32.h"
#include "app/win32/ShellWin32.h"
#include "app/win32/VentanaPrincipal.h"
#include "host/ControlMensatel.h"
#include "sistema/Rutas.h"

namespace {

std::string DirectorioActual() {
    const DWORD n = GetCurrentDirectoryA(0, nullptr);
    std::string dir(n, '\0');
    dir.resize(GetCurrentDirectoryA(n, dir.data()));
    return dir;
}

// The command line after the program's name and the blanks that follow it. A TAB is kept: it marks
// a message passed as text.
std::string LineaComandos() {
    const std::string linea = GetCommandLineA();
    std::size_t fin = 0;
    if (!linea.empty() && linea.front() == '"') {
        const std::size_t cierre = linea.find('"', 1);
        fin = cierre == std::string::npos ? linea.size() : cierre + 1;
    } else {
        fin = std::min(linea.find_first_of(" \t"), linea.size());
    }
    const std::size_t inicio = linea.find_first_not_of(' ', fin);
    return inicio == std::string::npos ? std::string() : linea.substr(inicio);
}

// The shell and the download may hand their work to COM objects on this thread.
class ComIniciado {
  public:
    ComIniciado()
        : iniciado_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComIniciado() {
        if (iniciado_) {
            CoUninitialize();
        }
    }
    ComIniciado(const ComIniciado&) = delete;
    ComIniciado& operator=(const ComIniciado&) = delete;

  private:
    bool iniciado_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instancia, HINSTANCE, LPSTR, int comoMostrar) {
    INITCOMMONCONTROLSEX comunes{sizeof(comunes), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&comunes);
    const ComIniciado com;

    rebanex::win32::PerfilWin32 perfil;
    rebanex::win32::PortapapelesWin32 portapapeles;
    rebanex::win32::DiscoWin32 disco(rebanex::win32::CarpetaTemporal());
    rebanex::win32::DialogosWin32 dialogos;
    rebanex::win32::ShellWin32 shell;
    const rebanex::Sistema sistema{perfil, disco, portapapeles, shell, dialogos};
    rebanex::win32::VentanaPrincipal ventana(instancia);
    rebanex::win32::EscritorioWin32 escritorio(ventana);
    const std::string directorioActual = DirectorioActual();
    // Mensatel's programs are looked for beside Rebanex.exe.
    rebanex::ControlMensatel mensatel(escritorio, sistema, ventana,
                                      rebanex::DirectorioDe(shell.RutaEjecutable()),
                                      rebanex::ConBarraFinal(directorioActual));
    rebanex::Prog prog(rebanex::Entorno{ventana, mensatel, sistema});
    mensatel.FijarMostrarEstado([&prog](const std::string& texto) { prog.MostrarEstado(texto); });
    escritorio.Conectar(mensatel);
    if (!ventana.Crear(prog)) {
        return 1;
    }
    portapapeles.FijarDueno(ventana.Manejador());
    dialogos.FijarDueno(ventana.Manejador());
    shell.FijarDueno(ventana.Manejador());
    prog.Iniciar(directorioActual, LineaComandos());
    ventana.Mostrar(comoMostrar);

    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!ventana.PreTraducir(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
