// Puts Rebanex in the two states the screenshots show, for scripts/capturas:
//   rebanex_capturas FOLDER
// starts Rebanex in FOLDER, types a sample message and prints "mensaje L T R B" (the
// window's rectangle); after a line on standard input it splits and prints "trozos L T R B";
// after another line it closes Rebanex. Exit code 0 when all went as planned.
#include <cstdio>
#include <iostream>
#include <string>

#include "e2e/Conduccion.h"

namespace {

using rebanex::Control;
using namespace rebanex::e2e;

// Paints the window now, then tells where it is.
void Anunciar(const Rebanex& app, const char* estado) {
    RedrawWindow(app.Ventana(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const RECT r = app.Rectangulo();
    std::printf("%s %ld %ld %ld %ld\n", estado, r.left, r.top, r.right, r.bottom);
    std::fflush(stdout);
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
    Anunciar(app, "mensaje");
    if (!Seguir()) {
        return 1;
    }

    app.Pulsar(Control::Partir);
    if (!Esperar([&] { return app.Visible(Control::Trozo); })) {
        std::fprintf(stderr, "no se abrió la vista de los trozos\n");
        return 1;
    }
    SetCursorPos(0, 0);
    Anunciar(app, "trozos");
    if (!Seguir()) {
        return 1;
    }

    app.Elegir(rebanex::Menu::mnu_archivo_salir);
    return app.EsperarFin() == 0u ? 0 : 1;
}
