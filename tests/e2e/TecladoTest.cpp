// A key of each kind, pressed for real on the window in front: a menu's access key, a label's
// and a button's, an accelerator; each with something it visibly does. Which command each key
// of the same kind gives is the resource's table, and what the command does the app tests'.
#include <functional>
#include <string>

#include "e2e/RebanexTest.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::e2e {
namespace {

using enum Control;

TEST_F(Instalada, CadaAtajoDeTecladoHaceLoSuyo) {
    Opcion("ObtenerTamañoMsg", "0");
    temporal.Escribir("carga.sms", "cargado");
    Rebanex app(carpeta);
    // Back from the taskbar the focus is where it was: the letters typed go into the message and
    // none acts as an access key ("t" would split, "x" clear the message).
    ASSERT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(Msg); }));
    ShowWindowAsync(app.Ventana(), SW_MINIMIZE);
    ASSERT_TRUE(Esperar([&] { return IsIconic(app.Ventana()) != FALSE; }));
    ShowWindowAsync(app.Ventana(), SW_RESTORE);
    ASSERT_TRUE(Esperar([&] {
        return IsIconic(app.Ventana()) == FALSE && GetForegroundWindow() == app.Ventana();
    }));
    Teclear("texto es un gran dia x");
    ASSERT_TRUE(Muestra(app, Msg, "texto es un gran dia x"));
    const std::pair<const char*, std::function<void()>> atajos[] = {
        {"%oi", [&] { EXPECT_TRUE(Muestra(app, Opciones, "I  A  E  P     n  d           #  ")); }},
        {"%s",  // "Men&saje": typing goes into the message
         [&] {
             Teclas({VK_END});
             Teclear("s");
             EXPECT_TRUE(Muestra(app, Msg, "texto es un gran dia xs"));
         }},
        {"^a",
         [&] {  // the file name box: a combo box (cmb13) with its edit inside, or an edit (edt1)
             const std::optional<Caja> dialogo = app.EsperarCaja("Cargar Mensaje...");
             ASSERT_TRUE(dialogo);
             HWND nombre = GetDlgItem(dialogo->hwnd, 0x47C);
             nombre = nombre == nullptr ? GetDlgItem(dialogo->hwnd, 0x480) : nombre;
             if (HWND dentro = FindWindowExA(nombre, nullptr, "Edit", nullptr)) {
                 nombre = dentro;
             }
             app.PonerTexto(nombre, Fichero("carga.sms"));
             app.Aceptar(*dialogo);
             EXPECT_TRUE(Muestra(app, Msg, "cargado"));
         }},
        {"%t", [&] { EXPECT_TRUE(Esperar([&] { return app.Visible(Trozo); })); }},
        // The rules file is made, then opened in the text editor (Notepad here), then closed.
        {"^f",
         [&] {
             Atender(app, AvisoReemplazosNoEncontrado(Fichero("Rebanex.txt")));
             EXPECT_TRUE(Esperar([&] { return !temporal.Leer("Rebanex.txt").empty(); }));
             HWND editor = nullptr;
             EXPECT_TRUE(
                 Esperar([&] { return (editor = FindWindowA("Notepad", nullptr)) != nullptr; },
                         kPlazoLargo));
             EXPECT_NE(app.Texto(editor).find("Rebanex.txt"), std::string::npos);
             PostMessageA(editor, WM_CLOSE, 0, 0);
         }},
        {"^q", [&] { EXPECT_EQ(app.EsperarFin(), 0u); }},
    };
    for (const auto& [teclas, comprobar] : atajos) {
        SCOPED_TRACE(teclas);
        ASSERT_TRUE(app.AlFrente());
        Teclear(teclas);
        comprobar();
    }
}

}  // namespace
}  // namespace rebanex::e2e
