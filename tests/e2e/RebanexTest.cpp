// The real Rebanex.exe, started in a fresh folder and driven through its window.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <ios>
#include <iterator>
#include <string>
#include <vector>

#include "app/win32/Manejadores.h"
#include "e2e/Conduccion.h"

namespace rebanex::e2e {
namespace {

using enum Control;

// The settings file's lines, blank lines left out.
std::vector<std::string> Lineas(const std::string& fichero) {
    std::ifstream f(fichero, std::ios::binary);
    const std::string todo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::vector<std::string> lineas;
    std::size_t inicio = 0;
    while (inicio < todo.size()) {
        std::size_t fin = todo.find("\r\n", inicio);
        if (fin == std::string::npos) {
            fin = todo.size();
        }
        if (fin > inicio) {
            lineas.push_back(todo.substr(inicio, fin - inicio));
        }
        inicio = fin + 2;
    }
    return lineas;
}

bool Contiene(const std::vector<std::string>& lineas, const std::string& linea) {
    return std::find(lineas.begin(), lineas.end(), linea) != lineas.end();
}

class RebanexTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The texts below are Windows-1252, as the program's.
        ASSERT_EQ(GetACP(), 1252u) << "the ANSI code page of this Wine prefix";
    }

    std::string Ini() const { return directorio_.Ruta() + "\\Rebanex.ini"; }

    DirectorioTemporal directorio_;
};

TEST_F(RebanexTest, ElPrimerArranqueAbreLaVistaDelMensajeYDejaLosAjustesCompletos) {
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr) << "no window titled \"" << kTitulo << "\"";

    EXPECT_EQ(app.Texto(Msg), "");
    EXPECT_EQ(app.Texto(Lon), "160");
    EXPECT_EQ(app.Texto(Stat), "0 / 0");
    EXPECT_EQ(app.Texto(Opciones), "   A  E  P  O  n  d           #  ");
    EXPECT_TRUE(app.Visible(Msg));
    EXPECT_TRUE(app.Visible(Partir));
    EXPECT_FALSE(app.Visible(Trozo));
    EXPECT_FALSE(app.Visible(Editar));
    EXPECT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(Msg); }));

    // No position stored yet: centred on the screen.
    const RECT r = app.Rectangulo();
    EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2, 1);
    EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 1);

    app.Elegir(Menu::mnu_archivo_salir);
    EXPECT_EQ(app.EsperarFin(), 0u);

    const std::vector<std::string> esperado{
        "[Rebanex]",
        "Inverso=0",
        "NoAcentos=1",
        "NoMultiEspacios=1",
        "IndicadorTrozos=1",
        "CopiarTrozoAlMensatel=1",
        "ObtenerTamañoMsg=1",
        "MsgMax=160",
        "Letras=1",
        "FirmarAutomaticamente=0",
        "FirmarEnTrozos=0",
        "FirmarEnPosicion=1",
        "PosicionVentana=1",
        "AutoReemplazar=0",
        "[FicherosReemplazos]",
        "1=" + directorio_.Ruta() + "\\Rebanex.txt",
        "2=",
        "3=",
        "4=",
        "5=",
    };
    EXPECT_EQ(Lineas(Ini()), esperado);
}

TEST_F(RebanexTest, LosColoresDelMensatelPuedenSerDelSistema) {
    // 0x800000nn stands for the system colour nn.
    const std::string mensatel = directorio_.Ruta() + "\\mensatel.ini";
    WritePrivateProfileStringA("colores", "fondo", "-2147483633", mensatel.c_str());  // 3D face
    WritePrivateProfileStringA("colores", "texto", "-2147483640", mensatel.c_str());  // text
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    EXPECT_TRUE(Esperar([&] { return app.ColorEnMedio(Msg) == GetSysColor(COLOR_BTNFACE); }))
        << std::hex << app.ColorEnMedio(Msg);

    app.Elegir(Menu::mnu_archivo_salir);
    EXPECT_EQ(app.EsperarFin(), 0u);
}

TEST_F(RebanexTest, TrocearMuestraLosTrozosYEscapeVuelveBorraYSale) {
    // No Mensatel beside this Rebanex: the split does not ask it for the size.
    WritePrivateProfileStringA("Rebanex", "ObtenerTamañoMsg", "0", Ini().c_str());
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    const std::string mensaje =
        "Hola, esto es un mensaje de prueba bastante largo para que Rebanex lo trocee en "
        "varios trozos de ciento sesenta caracteres como mucho, con su indicador de trozo "
        "delante de cada uno. Y un poco mas de texto al final.";
    ASSERT_EQ(mensaje.size(), 214u);
    app.Escribir(Msg, mensaje);
    ASSERT_TRUE(Esperar([&] { return app.Texto(Stat) == "2 / 214"; })) << app.Texto(Stat);

    app.Pulsar(Partir);
    ASSERT_TRUE(Esperar([&] { return app.Visible(Trozo); }));
    EXPECT_FALSE(app.Visible(Msg));
    EXPECT_FALSE(app.Visible(Partir));
    EXPECT_EQ(app.Texto(Contador), "1/2");
    const std::string primero = app.Texto(Trozo);
    EXPECT_EQ(primero.rfind("1/2 Hola, esto es", 0), 0u) << primero;
    EXPECT_LE(primero.size(), 160u);
    EXPECT_EQ(app.Texto(LonTrozo), std::to_string(primero.size()));
    EXPECT_FALSE(app.Habilitado(izq));
    EXPECT_TRUE(app.Habilitado(der));

    app.Pulsar(der);
    ASSERT_TRUE(Esperar([&] { return app.Texto(Contador) == "2/2"; }));
    EXPECT_EQ(app.Texto(Trozo).rfind("2/2 ", 0), 0u) << app.Texto(Trozo);
    EXPECT_TRUE(app.Habilitado(izq));
    EXPECT_FALSE(app.Habilitado(der));

    // In the piece view Escape goes back to the message, which is kept.
    app.Tecla(VK_ESCAPE);
    ASSERT_TRUE(Esperar([&] { return app.Visible(Msg) && !app.Visible(Trozo); }));
    EXPECT_EQ(app.Texto(Msg), mensaje);
    EXPECT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(Msg); }));

    // Then it clears the message, and on an empty message it ends the program.
    app.Tecla(VK_ESCAPE);
    ASSERT_TRUE(Esperar([&] { return app.Texto(Msg).empty(); }));
    EXPECT_EQ(app.Texto(Stat), "0 / 0");
    app.Tecla(VK_ESCAPE);
    EXPECT_EQ(app.EsperarFin(), 0u);
}

// Lines of 100 characters: the edit control takes a long paragraph in a time that grows with
// the square of its length, lines are quick.
TEST_F(RebanexTest, ElMensajeAdmiteMasDe64KCaracteres) {
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    std::string mensaje;
    for (int i = 0; i < 700; ++i) {
        mensaje += std::string(98, static_cast<char>('a' + i % 26)) + "\r\n";
    }
    app.Pegar(Msg, mensaje);
    char miles[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, miles, sizeof(miles));
    const std::string esperado = std::string("438 / 70") + miles + "000";
    EXPECT_TRUE(Esperar([&] { return app.Texto(Stat) == esperado; }, kPlazoLargo))
        << app.Texto(Stat);
    EXPECT_EQ(app.Texto(Msg), mensaje);

    app.Elegir(Menu::mnu_archivo_salir);
    EXPECT_EQ(app.EsperarFin(), 0u);
}

TEST_F(RebanexTest, TrocearAvisaDeLoQueFaltaYElBotonDerechoAbreLasOpciones) {
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    app.Pulsar(Partir);
    std::optional<Caja> caja = app.EsperarCaja("Eres mudo ?");
    ASSERT_TRUE(caja);
    EXPECT_EQ(caja->texto, "Escribe algo no seas timidin");
    app.Responder(*caja, IDOK);
    EXPECT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(Msg); }));

    app.Escribir(Msg, "hola");
    app.PonerTexto(Lon, "16a");
    ASSERT_TRUE(Esperar([&] { return app.Texto(Msg) == "hola"; }));
    app.Pulsar(Partir);
    caja = app.EsperarCaja("Sólo Números");
    ASSERT_TRUE(caja);
    EXPECT_EQ(caja->texto, "Ein?? Que tal si ponemos solo números en el campo tamaño máximo");
    app.Responder(*caja, IDOK);
    EXPECT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(Lon); }));
    EXPECT_FALSE(app.Visible(Trozo));

    // The right button pops the options menu up and does not split.
    app.PonerTexto(Lon, "160");
    app.ClicDerecho(Partir);
    ASSERT_TRUE(Esperar([&] { return app.HayMenuAbierto(); }));
    app.CancelarMenu();
    EXPECT_TRUE(Esperar([&] { return !app.HayMenuAbierto(); }));
    EXPECT_FALSE(app.Visible(Trozo));

    app.Elegir(Menu::mnu_archivo_salir);
    EXPECT_EQ(app.EsperarFin(), 0u);
}

TEST_F(RebanexTest, GuardarOpcionesEscribeElFicheroOAvisaSiEsDeSoloLectura) {
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    app.Elegir(Menu::mnu_opciones_inverso);
    ASSERT_TRUE(Esperar([&] { return app.Texto(Opciones).rfind("I  A", 0) == 0; }))
        << app.Texto(Opciones);
    app.PonerTexto(Lon, "99");
    app.Elegir(Menu::mnu_opciones_guardar);
    ASSERT_TRUE(Esperar([&] { return app.Texto(Estado) == "OK! Configuración Guardada!!"; }))
        << app.Texto(Estado);
    const std::vector<std::string> lineas = Lineas(Ini());
    EXPECT_TRUE(Contiene(lineas, "Inverso=1"));
    EXPECT_TRUE(Contiene(lineas, "MsgMax=99"));

    ASSERT_TRUE(SetFileAttributesA(Ini().c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine run as root (as CI is) still writes a read-only file; an open handle that lets
    // nobody write makes the save fail there as the attribute does elsewhere.
    const win32::ManejadorUnico bloqueo(CreateFileA(Ini().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                    nullptr));
    ASSERT_NE(bloqueo.get(), INVALID_HANDLE_VALUE);
    app.Elegir(Menu::mnu_opciones_guardar);
    const std::optional<Caja> caja = app.EsperarCaja("Rebanex (by Quelvo)");
    ASSERT_TRUE(caja);
    EXPECT_EQ(caja->texto,
              "Cagon toooo!! Error al intentar Guardar la Configuración !!\r\r"
              "El fichero 'Rebanex.ini' tendrá el atributo de Solo Lectura\r"
              "o estará en un dispositivo sin capacidad/permisos de escritura\r\r");
    app.Responder(*caja, IDOK);

    app.Elegir(Menu::mnu_archivo_salir);
    EXPECT_EQ(app.EsperarFin(), 0u);
}

// Back from the taskbar the focus is where it was: the letters typed go into the message and
// none acts as an access key ("t" would split, "x" clear the message, "f" insert the
// signature). Coming back from another program takes the same path (WM_ACTIVATE), but a
// display without a window manager hands the foreground to the desktop instead, so it is not
// driven here.
TEST_F(RebanexTest, AlVolverALaVentanaLoQueSeTecleaVaAlMensaje) {
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    ASSERT_TRUE(Esperar([&] { return app.Foco() == app.Hwnd(Msg); }));
    const std::string frase = "texto es un gran dia";

    app.Minimizar();
    ASSERT_TRUE(Esperar([&] { return IsIconic(app.Ventana()) != FALSE; }));
    app.Restaurar();
    ASSERT_TRUE(Esperar([&] {
        return IsIconic(app.Ventana()) == FALSE && GetForegroundWindow() == app.Ventana();
    }));
    Rebanex::Teclear(frase);
    EXPECT_TRUE(Esperar([&] { return app.Texto(Msg) == frase; })) << app.Texto(Msg);
    Rebanex::Teclear(" x");
    EXPECT_TRUE(Esperar([&] { return app.Texto(Msg) == frase + " x"; })) << app.Texto(Msg);
    EXPECT_TRUE(app.Visible(Msg));
    EXPECT_EQ(app.Foco(), app.Hwnd(Msg));

    app.Elegir(Menu::mnu_archivo_salir);
    EXPECT_EQ(app.EsperarFin(), 0u);
}

// Each label holds its widest caption whole on its one line, in the font it shows it in: the
// options summary with every option on, the longest status texts, the piece counter of
// thousands of pieces.
TEST_F(RebanexTest, LasEtiquetasMuestranEnteroSuTextoMasLargo) {
    for (const char* clave : {"Inverso", "ObtenerTamañoMsg", "FirmarAutomaticamente",
                              "FirmarEnTrozos", "AutoReemplazar"}) {
        WritePrivateProfileStringA("Rebanex", clave, "1", Ini().c_str());
    }
    WritePrivateProfileStringA("Rebanex", "Letras", "3", Ini().c_str());
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    EXPECT_EQ(app.Texto(Opciones), "I  A  E  P  O  M  d  F  T  R  #  ");

    for (const auto& [etiqueta, texto] :
         {std::pair{Opciones, ""}, std::pair{Estado, "OK! Configuración Guardada!!"},
          std::pair{Estado, "OK! Posicion Guardada!!!"},
          std::pair{Estado, "Cambiando Formato de Letras..."},
          std::pair{Estado, "Eliminando Multi-Espacios..."}, std::pair{Contador, "7974/7974"},
          std::pair{Contador, "1/2"}}) {
        if (*texto != '\0') {
            app.PonerTexto(etiqueta, texto);
        }
        SCOPED_TRACE(app.Texto(etiqueta));
        const int ancho = app.AnchoTexto(etiqueta);
        EXPECT_GT(ancho, 0);
        EXPECT_LE(ancho, app.AnchoCliente(etiqueta));
    }

    app.Elegir(Menu::mnu_archivo_salir);
    EXPECT_EQ(app.EsperarFin(), 0u);
}

}  // namespace
}  // namespace rebanex::e2e
