// Puts Rebanex in the three states the screenshots show, for scripts/capturas:
//   rebanex_capturas FOLDER
// FOLDER holds Rebanex.exe (REBANEX_EXE names it) and the test host dorvax.exe. It starts
// Rebanex there, types a sample message and prints "mensaje L T R B" (the window's
// rectangle); after a line on standard input it splits, which starts the host beside the
// window to read its size, and prints "trozos L T R B"; after another line it pastes the
// first piece into the host and prints "mensatel L T R B" (both windows); after another line
// it closes both. Exit code 0 when all went as planned.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string>

#include "e2e/Conduccion.h"

namespace {

using rebanex::Control;
using namespace rebanex::e2e;

constexpr char kPrincipal[] = "\\\\ensatel";

// Paints the windows now, then tells where they are together.
void Anunciar(const char* estado, std::initializer_list<HWND> ventanas) {
    RECT todo{};
    for (HWND hwnd : ventanas) {
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT r{};
        GetWindowRect(hwnd, &r);
        UnionRect(&todo, &todo, &r);
    }
    std::printf("%s %ld %ld %ld %ld\n", estado, todo.left, todo.top, todo.right, todo.bottom);
    std::fflush(stdout);
}

// The text of the host's message field, under its fixed point.
std::string TextoMensaje(const Rebanex& app, HWND principal) {
    RECT r{};
    GetWindowRect(principal, &r);
    return app.Texto(WindowFromPoint(POINT{r.left + 120, r.top + 150}));
}

bool Seguir() {
    std::string linea;
    return static_cast<bool>(std::getline(std::cin, linea));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: rebanex_capturas CARPETA\n");
        return 2;
    }
    Rebanex app(argv[1]);
    if (app.Ventana() == nullptr) {
        std::fprintf(stderr, "Rebanex no abrió su ventana\n");
        return 1;
    }
    // At the left of the screen, and the host at its right when Rebanex starts it.
    const RECT r = app.Rectangulo();
    SetWindowPos(app.Ventana(), nullptr, 20, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    std::ofstream(std::string(argv[1]) + "\\dorvax.args")
        << "--posicion " << (20 + r.right - r.left + 20) << " " << r.top;
    // No tooltip in the pictures.
    SetCursorPos(0, 0);
    const std::string mensaje =
        "¡Hola! Mañana a las nueve quedamos en la plaza para ir juntos al concierto. Trae las "
        "entradas, que yo llevo la cámara y algo de comer. Si llueve, nos vemos en el bar de "
        "siempre y lo decidimos allí. ¡No llegues tarde!";
    app.Escribir(Control::Msg, mensaje);
    if (!Esperar([&] { return app.Texto(Control::Msg) == mensaje; })) {
        std::fprintf(stderr, "el mensaje no llegó a escribirse\n");
        return 1;
    }
    Anunciar("mensaje", {app.Ventana()});
    if (!Seguir()) {
        return 1;
    }

    app.Pulsar(Control::Partir);
    if (!Esperar([&] { return app.Visible(Control::Trozo); }, std::chrono::seconds(60))) {
        std::fprintf(stderr, "no se abrió la vista de los trozos\n");
        return 1;
    }
    HWND principal = FindWindowA(nullptr, kPrincipal);
    if (principal == nullptr) {
        std::fprintf(stderr, "no se arrancó el Mensatel\n");
        return 1;
    }
    // Rebanex in front again, as the user sees it when going on.
    Esperar([&] {
        SetForegroundWindow(app.Ventana());
        return GetForegroundWindow() == app.Ventana();
    });
    SetCursorPos(0, 0);
    Anunciar("trozos", {app.Ventana()});
    if (!Seguir()) {
        return 1;
    }

    const std::string trozo = app.Texto(Control::Trozo);
    app.Pulsar(Control::Copiar);
    if (!Esperar([&] { return TextoMensaje(app, principal) == trozo; }, std::chrono::seconds(60))) {
        std::fprintf(stderr, "el trozo no llegó al Mensatel\n");
        return 1;
    }
    SetCursorPos(0, 0);
    Anunciar("mensatel", {app.Ventana(), principal});
    if (!Seguir()) {
        return 1;
    }

    PostMessageA(FindWindowA(nullptr, "Dorvax"), WM_CLOSE, 0, 0);
    app.Elegir(rebanex::Menu::mnu_archivo_salir);
    return app.EsperarFin() == 0u ? 0 : 1;
}
