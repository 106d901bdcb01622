// Rebanex.exe installed beside the test host dorvax.exe, which stands in for Mensatel and
// records what is pasted into its message field.
#include <algorithm>
#include <fstream>
#include <string>

#include "e2e/RebanexTest.h"
#include "host/ControlMensatel.h"

namespace rebanex::e2e {
namespace {

using enum Control;

const std::string kMensaje =
    "Mañana a las nueve en la plaza, que yo llevo la cámara y tú las entradas del concierto.";

class Mensatel : public Instalada {
  protected:
    // The host with its flags in dorvax.args, as Rebanex starts it without any; the size of a
    // message is not asked of it.
    void SetUp() override {
        Instalada::SetUp();
        Instalar(DORVAX_EXE, "dorvax.exe");
        std::ofstream(Fichero("dorvax.args"), std::ios::binary)
            << "--registro \"" << Fichero("registro.txt") << "\" ";
        Opcion("ObtenerTamañoMsg", "0");
    }
    // The hosts started end with their application window, before the folder goes.
    void TearDown() override {
        if (HWND aplicacion = FindWindowA(nullptr, "Dorvax")) {
            PostMessageA(aplicacion, WM_CLOSE, 0, 0);
        }
        EXPECT_TRUE(Esperar([] { return FindWindowA(nullptr, "Dorvax") == nullptr; }));
    }
    std::string Registro() const { return LeerFichero(Fichero("registro.txt")); }

    // Splits kMensaje at `longitud` and waits for the piece view.
    static void Trocear(Rebanex& app, const std::string& longitud) {
        app.PonerTexto(Msg, kMensaje);
        app.PonerTexto(Lon, longitud);
        app.Pulsar(Partir);
        ASSERT_TRUE(Esperar([&] { return app.Visible(Trozo); }, kPlazoLargo));
    }
};

TEST_F(Mensatel, CadaCopiarPegaUnTrozoEnElCampoVacioYDevuelveElPortapapeles) {
    Rebanex app(carpeta);
    Trocear(app, "40");
    ASSERT_EQ(app.Texto(Contador), "1/3");
    ASSERT_TRUE(PonerEnPortapapeles("lo de antes"));

    // The field emptied before each paste: what it held after it was the piece alone.
    std::string registro;
    for (int n = 1; n <= 3; ++n) {
        const std::string trozo = app.Texto(Trozo);
        registro += "VACIADO\r\nPEGADO " + std::to_string(trozo.size()) + ":" + trozo + "\r\n";
        app.Pulsar(Copiar);
        ASSERT_TRUE(Esperar([&] { return Registro() == registro; }, kPlazoLargo)) << Registro();
        const std::string siguiente = std::to_string(std::min(n + 1, 3)) + "/3";
        ASSERT_TRUE(Esperar([&] { return app.Texto(Contador) == siguiente; }));
    }
    EXPECT_TRUE(Esperar([] { return LeerPortapapeles() == "lo de antes"; })) << LeerPortapapeles();
}

// The host starts but its main window never shows: the wait says so and Escape ends it.
TEST_F(Mensatel, SinVentanaPrincipalEscapeAcabaLaEspera) {
    std::ofstream(Fichero("dorvax.args"), std::ios::app) << "--sin-principal";
    Rebanex app(carpeta);
    Trocear(app, "160");

    app.Pulsar(Copiar);  // the host starts, for TearDown to end
    ASSERT_TRUE(Esperar([&] { return app.Texto(Estado) == kEstadoEsperando; }, kPlazoLargo))
        << app.Texto(Estado);
    ASSERT_TRUE(Esperar([] { return FindWindowA(nullptr, "Dorvax") != nullptr; }));
    ASSERT_TRUE(app.AlFrente());
    Teclas({VK_ESCAPE});
    Atender(app, AvisoSinVentanaMensatel());
    EXPECT_TRUE(Esperar([&] { return app.Texto(Estado).empty(); })) << app.Texto(Estado);
    EXPECT_EQ(app.Texto(Contador), "1/1");
    EXPECT_EQ(Registro(), "");
}

}  // namespace
}  // namespace rebanex::e2e
