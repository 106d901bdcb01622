// The accelerators of Rebanex.rc and the access keys of the buttons and menus, pressed as real
// keys on the window in front, each with something it visibly does.
#include <fstream>
#include <functional>
#include <string>

#include "e2e/RebanexTest.h"
#include "files/Ayuda.h"
#include "host/ControlMensatel.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::e2e {
namespace {

using enum Control;

TEST_F(Instalada, CadaAtajoDeTecladoHaceLoSuyo) {
    Opcion("ObtenerTamañoMsg", "0");
    std::ofstream(Fichero("Rebanex.txt"), std::ios::binary) << "mundo\tR1\r\n";
    std::ofstream(Fichero("carga.sms"), std::ios::binary) << "cargado";
    Rebanex app(carpeta);
    ASSERT_TRUE(app.AlFrente());
    Teclear("hola mundo");
    ASSERT_TRUE(Esperar([&] { return app.Texto(Msg) == "hola mundo"; }));

    const auto texto = [&](Control c, const std::string& t) {
        EXPECT_TRUE(Esperar([&] { return app.Texto(c) == t; })) << app.Texto(c);
    };
    const auto vista = [&](Control c) { EXPECT_TRUE(Esperar([&] { return app.Visible(c); })); };
    // Ctrl+S is left out: its menu item is greyed, so the accelerator does nothing.
    const std::pair<const char*, std::function<void()>> atajos[] = {
        {"^r",
         [&] {
             texto(Msg, "hola R1");
             DeleteFileA(Fichero("Rebanex.txt").c_str());  // for Ctrl+F below
         }},
        {"^i", [&] { texto(Opciones, "I  A  E  P     n  d           #  "); }},
        {"%oi", [&] { texto(Opciones, "   A  E  P     n  d           #  "); }},
        {"%l", [&] { EXPECT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(LongMax); })); }},
        {"%s",  // "Men&saje": typing goes into the message
         [&] {
             EXPECT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(Msg); }));
             Teclas({VK_END});
             Teclear("s");
             texto(Msg, "hola R1s");
         }},
        {"%x", [&] { texto(Msg, ""); }},
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
             app.Responder(*dialogo, IDOK);
             texto(Msg, "cargado");
         }},
        {"%t", [&] { vista(Trozo); }},
        {"%m", [&] { Atender(app, AvisoSinDorvax()); }},
        {"%e", [&] { vista(Msg); }},
        {"^w", [&] { Atender(app, AvisoSinDorvax()); }},
        {"^l", [&] { Atender(app, AvisoMensatelLogAusente()); }},
        // The rules file is made again, then opened in the text editor (Notepad here), then closed.
        {"^f",
         [&] {
             Atender(app, AvisoReemplazosNoEncontrado(Fichero("Rebanex.txt")));
             EXPECT_TRUE(Esperar([&] { return !LeerFichero(Fichero("Rebanex.txt")).empty(); }));
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
