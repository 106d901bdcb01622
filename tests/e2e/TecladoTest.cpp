// The accelerators of Rebanex.rc and the access keys of the buttons and menus, pressed as real
// keys on the window in front, each with something it visibly does.
#include <cctype>
#include <fstream>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/RebanexTest.h"
#include "files/Ayuda.h"
#include "host/ControlMensatel.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::e2e {
namespace {

using enum Control;

// "^X" is Ctrl+X, "%X" Alt+X; keys apart ("%O I") are pressed one after the other.
void Pulsar(const std::string& teclas) {
    std::istringstream grupos(teclas);
    for (std::string grupo; grupos >> grupo;) {
        std::vector<WORD> combinacion;
        for (char c : grupo) {
            const SHORT vk = VkKeyScanA(static_cast<char>(std::tolower(c)));  // no Shift for "R"
            if (c == '^' || c == '%') {
                combinacion.push_back(c == '^' ? VK_CONTROL : VK_MENU);
            } else if (HIBYTE(vk) & 1) {
                combinacion.insert(combinacion.end(), {VK_SHIFT, LOBYTE(vk)});
            } else {
                combinacion.push_back(LOBYTE(vk));
            }
        }
        Teclas(combinacion);
    }
}

// The open dialog with that title: the path put in its file name box, then confirmed.
void ElegirFichero(Rebanex& app, const std::string& titulo, const std::string& ruta) {
    const std::optional<Caja> dialogo = app.EsperarCaja(titulo);
    ASSERT_TRUE(dialogo) << "no dialog \"" << titulo << "\"";
    // The file name box: a combo box (cmb13) with its edit inside, or an edit (edt1).
    HWND nombre = GetDlgItem(dialogo->hwnd, 0x47C);
    nombre = nombre == nullptr ? GetDlgItem(dialogo->hwnd, 0x480) : nombre;
    if (HWND dentro = FindWindowExA(nombre, nullptr, "Edit", nullptr)) {
        nombre = dentro;
    }
    DWORD_PTR r = 0;
    SendMessageTimeoutA(nombre, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ruta.c_str()), SMTO_NORMAL,
                        30000, &r);
    app.Responder(*dialogo, IDOK);
    ASSERT_TRUE(Esperar([&] { return !IsWindow(dialogo->hwnd); }));
}

TEST_F(Instalada, CadaAtajoDeTecladoHaceLoSuyo) {
    // The test host stands in for the log viewer too: its window shows that it started.
    Instalar(DORVAX_EXE, "MensatelLog.exe");
    Opcion("ObtenerTamañoMsg", "0");
    std::ofstream(carpeta.Fichero("Rebanex.txt"), std::ios::binary) << "mundo\tR1\r\n";
    std::ofstream(carpeta.Fichero("carga.sms"), std::ios::binary) << "cargado";
    Rebanex app(carpeta.Ruta());
    ASSERT_TRUE(app.AlFrente());
    Teclear("hola mundo");
    ASSERT_TRUE(Esperar([&] { return app.Texto(Msg) == "hola mundo"; }));

    const auto texto = [&](Control c, const std::string& t) {
        EXPECT_TRUE(Esperar([&] { return app.Texto(c) == t; })) << app.Texto(c);
    };
    const auto vista = [&](Control c) { EXPECT_TRUE(Esperar([&] { return app.Visible(c); })); };
    // The window of a program Rebanex started, closed once it is there.
    const auto cerrar = [](const char* clase, const char* titulo) {
        HWND ventana = nullptr;
        EXPECT_TRUE(Esperar([&] { return (ventana = FindWindowA(clase, titulo)) != nullptr; },
                            kPlazoLargo));
        PostMessageA(ventana, WM_CLOSE, 0, 0);
        EXPECT_TRUE(Esperar([&] { return !IsWindow(ventana); }));
    };
    // Ctrl+S is left out: its menu item is greyed, so the accelerator does nothing.
    const std::pair<const char*, std::function<void()>> atajos[] = {
        {"^R",
         [&] {
             texto(Msg, "hola R1");
             DeleteFileA(carpeta.Fichero("Rebanex.txt").c_str());  // for Ctrl+F below
         }},
        {"^I", [&] { texto(Opciones, "I  A  E  P     n  d           #  "); }},
        {"%O I", [&] { texto(Opciones, "   A  E  P     n  d           #  "); }},
        {"^G", [&] { texto(Estado, "OK! Configuración Guardada!!"); }},
        {"%L", [&] { EXPECT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(Lon); })); }},
        {"%X", [&] { texto(Msg, ""); }},
        {"^A",
         [&] {
             ElegirFichero(app, "Cargar Mensaje...", carpeta.Fichero("carga.sms"));
             texto(Msg, "cargado");
         }},
        {"%T", [&] { vista(Trozo); }},
        {"%M", [&] { Atender(app, AvisoSinDorvax()); }},
        {"%E", [&] { vista(Msg); }},
        {"^W", [&] { Atender(app, AvisoSinDorvax()); }},
        {"%? P", [&] { Atender(app, AvisoAyuda()); }},
        {"^L", [&] { cerrar(nullptr, "Dorvax"); }},
        // The rules file is made again, then handed to the shell (this prefix opens ".txt"
        // with nothing).
        {"^F",
         [&] {
             Atender(app, Troceado::AvisoReemplazosNoEncontrado(carpeta.Fichero("Rebanex.txt")));
             EXPECT_TRUE(
                 Esperar([&] { return !LeerFichero(carpeta.Fichero("Rebanex.txt")).empty(); }));
         }},
        {"^Q", [&] { EXPECT_EQ(app.EsperarFin(), 0u); }},
    };
    for (const auto& [teclas, comprobar] : atajos) {
        SCOPED_TRACE(teclas);
        ASSERT_TRUE(app.AlFrente());
        Pulsar(teclas);
        comprobar();
    }
}

}  // namespace
}  // namespace rebanex::e2e
