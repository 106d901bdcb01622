// `rebanex_capturas FOLDER` (which holds Rebanex.exe and dorvax.exe) puts Rebanex in each state
// scripts/capturas takes a picture of, in its order, printing "STATE L T R B" (the windows'
// rectangle) and going on after a line on standard input. Exit code 0 when all went as planned.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string>

#include "e2e/Conduccion.h"

namespace {

using enum rebanex::Control;
using namespace rebanex::e2e;

// Unless it holds, says so and stops with exit code 1.
void Exigir(bool condicion, const char* que) {
    if (!condicion) {
        std::fprintf(stderr, "%s\n", que);
        std::exit(1);
    }
}

// The cursor out of the way, so that no tooltip shows.
void Anunciar(const char* estado, std::initializer_list<HWND> ventanas) {
    SetCursorPos(0, 0);
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
    const std::string mensaje =
        "¡Hola! Mañana a las nueve quedamos en la plaza para ir juntos al concierto. Trae las "
        "entradas, que yo llevo la cámara y algo de comer. Si llueve, nos vemos en el bar de "
        "siempre y lo decidimos allí. ¡No llegues tarde!";
    // Pasted as a user would: a multi-line edit tells no one of a WM_SETTEXT, nor the counter.
    Exigir(PonerEnPortapapeles({{CF_TEXT, mensaje + '\0'}}), "no se pudo usar el portapapeles");
    SendMessageA(app.Hwnd(Msg), WM_PASTE, 0, 0);
    Anunciar("mensaje", {app.Ventana()});

    app.Pulsar(Partir);
    Exigir(Esperar([&] { return app.Visible(Trozo); }), "no se abrió la vista de los trozos");
    HWND principal = FindWindowA(nullptr, "\\\\ensatel");
    Exigir(principal != nullptr, "no se arrancó el Mensatel");
    // Rebanex in front again, as the user sees it when going on.
    app.AlFrente();
    Anunciar("trozos", {app.Ventana()});

    const std::string trozo = app.Texto(Trozo);
    app.Pulsar(Copiar);
    HWND campo = FindWindowExA(principal, nullptr, "Edit", nullptr);  // its message field
    Exigir(Esperar([&] { return app.Texto(campo) == trozo; }), "el trozo no llegó al Mensatel");
    Anunciar("mensatel", {app.Ventana(), principal});

    // Every piece one real SMS, with 160 as typed: one in GSM-7, one that quotes force into UCS-2.
    app.Elegir(rebanex::Menu::ObtenerTamanyoMsg);
    app.Elegir(rebanex::Menu::TrozosSms);
    const auto trocear = [&](const std::string& texto, const char* codificacion) {
        app.Pulsar(Editar);
        Exigir(Esperar([&] { return app.Visible(Msg); }), "no se volvió al mensaje");
        Exigir(app.Trocear(texto, "160") &&
                   Esperar([&] { return app.Texto(SmsTrozo).starts_with(codificacion); }),
               "el trozo no dice su codificación");
        app.AlFrente();
    };
    trocear(mensaje, "GSM ");
    Anunciar("sms-gsm", {app.Ventana()});
    trocear("“Nos vemos” a las nueve… ¿Vienes? Trae las entradas y yo llevo la cámara.", "UCS-2 ");
    Anunciar("sms-ucs2", {app.Ventana()});
    Teclas({VK_MENU, 'O'});
    HWND menu = nullptr;
    Exigir(Esperar([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr; }),
           "no se abrió el menú Opciones");
    Anunciar("menu", {app.Ventana(), menu});
    Teclas({VK_ESCAPE});
    Teclas({VK_ESCAPE});

    PostMessageA(FindWindowA(nullptr, "Dorvax"), WM_CLOSE, 0, 0);
    app.Elegir(rebanex::Menu::Salir);
    return app.EsperarFin() == 0u ? 0 : 1;
}
