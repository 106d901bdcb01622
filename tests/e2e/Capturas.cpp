// Puts Rebanex in the three states the screenshots show, for scripts/capturas:
//   rebanex_capturas FOLDER
// FOLDER holds Rebanex.exe and dorvax.exe. It prints "mensaje L T R B" (the window's rectangle)
// with a sample message typed, "trozos L T R B" once split (the host started beside it), then
// "mensatel L T R B" (both windows) with the first piece pasted, each after a line on standard
// input; then it closes both. Exit code 0 when all went as planned.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// Unless it holds, says what went wrong and stops with exit code 1.
void Exigir(bool condicion, const char* que) {
    if (!condicion) {
        std::fprintf(stderr, "%s\n", que);
        std::exit(1);
    }
}

// Goes on once a line has come on standard input.
void Seguir() {
    std::string linea;
    Exigir(static_cast<bool>(std::getline(std::cin, linea)), "sin orden de seguir");
}

}  // namespace

int main(int argc, char** argv) {
    Exigir(argc == 2, "uso: rebanex_capturas CARPETA");
    Rebanex app(argv[1]);
    Exigir(app.Ventana() != nullptr, "Rebanex no abrió su ventana");
    // At the left of the screen, and the host at its right when Rebanex starts it.
    RECT r{};
    GetWindowRect(app.Ventana(), &r);
    SetWindowPos(app.Ventana(), nullptr, 20, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    std::ofstream(std::string(argv[1]) + "\\dorvax.args")
        << "--posicion " << (20 + r.right - r.left + 20) << " " << r.top;
    // No tooltip in the pictures.
    SetCursorPos(0, 0);
    const std::string mensaje =
        "¡Hola! Mañana a las nueve quedamos en la plaza para ir juntos al concierto. Trae las "
        "entradas, que yo llevo la cámara y algo de comer. Si llueve, nos vemos en el bar de "
        "siempre y lo decidimos allí. ¡No llegues tarde!";
    app.PonerTexto(Control::Msg, mensaje);
    Exigir(Esperar([&] { return app.Texto(Control::Msg) == mensaje; }),
           "el mensaje no llegó a escribirse");
    Anunciar("mensaje", {app.Ventana()});
    Seguir();

    app.Pulsar(Control::Partir);
    Exigir(Esperar([&] { return app.Visible(Control::Trozo); }),
           "no se abrió la vista de los trozos");
    HWND principal = FindWindowA(nullptr, kPrincipal);
    Exigir(principal != nullptr, "no se arrancó el Mensatel");
    // Rebanex in front again, as the user sees it when going on.
    app.AlFrente();
    SetCursorPos(0, 0);
    Anunciar("trozos", {app.Ventana()});
    Seguir();

    const std::string trozo = app.Texto(Control::Trozo);
    app.Pulsar(Control::Copiar);
    // The host's message field is under its fixed point.
    RECT r2{};
    GetWindowRect(principal, &r2);
    HWND campo = WindowFromPoint(POINT{r2.left + 120, r2.top + 150});
    Exigir(Esperar([&] { return app.Texto(campo) == trozo; }), "el trozo no llegó al Mensatel");
    SetCursorPos(0, 0);
    Anunciar("mensatel", {app.Ventana(), principal});
    Seguir();

    PostMessageA(FindWindowA(nullptr, "Dorvax"), WM_CLOSE, 0, 0);
    app.Elegir(rebanex::Menu::mnu_archivo_salir);
    return app.EsperarFin() == 0u ? 0 : 1;
}
