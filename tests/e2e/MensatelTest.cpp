// Rebanex.exe installed beside the test host dorvax.exe, which stands in for Mensatel and
// records what is pasted into its message field.
#include <algorithm>
#include <string>

#include "e2e/RebanexTest.h"
#include "host/ControlMensatel.h"

namespace rebanex::e2e {
namespace {

using enum Control;

// Its letters are Latin-1's, so each UTF-16 unit is the Windows-1252 byte.
const std::wstring kUnicode =
    L"Mañana a las nueve en la plaza, que yo llevo la cámara y tú las entradas del concierto.";
const std::string kMensaje(kUnicode.begin(), kUnicode.end());

class Mensatel : public Instalada {
  protected:
    // The host, which takes its flags from dorvax.args, is not asked for the size.
    void SetUp() override {
        Instalada::SetUp();
        Instalar(DORVAX_EXE, "dorvax.exe");
        Opcion("ObtenerTamañoMsg", "0");
    }
    // The hosts started end, hung or not, before the folder goes.
    void TearDown() override {
        EXPECT_TRUE(Esperar([] {
            DWORD proceso = 0;
            GetWindowThreadProcessId(FindWindowA(nullptr, "Dorvax"), &proceso);
            if (HANDLE h = OpenProcess(PROCESS_TERMINATE, FALSE, proceso)) {
                TerminateProcess(h, 0);
                CloseHandle(h);
            }
            return proceso == 0;
        }));
    }
    std::string Registro() const { return temporal.Leer("registro.txt"); }
};

// The clipboard holds text beyond Windows-1252, HTML and a picture. While the test keeps it,
// "&Copiar" pastes nothing and says so. Then each "&Copiar" pastes one piece into the emptied
// field, and the clipboard gets back all it held. Unticked, it copies the message as Unicode.
TEST_F(Mensatel, CadaCopiarPegaUnTrozoSinPerderElPortapapeles) {
    Rebanex app(carpeta);
    ASSERT_TRUE(app.Trocear(kMensaje, "40"));
    const auto bytes = [](const std::wstring& texto) {
        return std::string(reinterpret_cast<const char*>(texto.c_str()), 2 * texto.size() + 2);
    };
    BITMAPINFOHEADER dib{sizeof(dib), 1, 1, 1, 32, BI_RGB, 4, 0, 0, 0, 0};
    const Formatos antes = {
        {CF_UNICODETEXT, bytes(L"\u03A9\u2260\u2713 \u20AC")},
        {RegisterClipboardFormatA("HTML Format"), "Version:0.9 <b>hola</b>"},
        {CF_DIB, std::string(reinterpret_cast<const char*>(&dib), sizeof(dib)) + "\1\2\3\4"}};
    ASSERT_TRUE(PonerEnPortapapeles(antes));

    ASSERT_TRUE(Esperar([] { return OpenClipboard(nullptr) != FALSE; }));
    app.Pulsar(Copiar);
    Atender(app, AvisoPortapapelesOcupado());
    CloseClipboard();
    std::string registro = "VACIADO\r\n";
    EXPECT_EQ(Registro(), registro);
    EXPECT_EQ(LeerPortapapeles(CF_UNICODETEXT), antes[0].second);

    // The field emptied before each paste: what it held after it was the piece alone.
    for (int n = 1; n <= 3; ++n) {
        const std::string trozo = app.Texto(Trozo);
        registro += "VACIADO\r\nPEGADO " + std::to_string(trozo.size()) + ":" + trozo + "\r\n";
        app.Pulsar(Copiar);
        ASSERT_TRUE(Esperar([&] { return Registro() == registro; }, kPlazoLargo)) << Registro();
        ASSERT_TRUE(Muestra(app, Contador, std::to_string(std::min(n + 1, 3)) + "/3"));
    }
    for (const auto& [formato, contenido] : antes) {
        EXPECT_TRUE(Esperar([&] { return LeerPortapapeles(formato) == contenido; })) << formato;
    }
    app.Elegir(Menu::CopiarTrozoAlMensatel);
    app.Pulsar(Copiar);
    EXPECT_TRUE(Esperar([&] { return LeerPortapapeles(CF_UNICODETEXT) == bytes(kUnicode); }));
}

// A host that stops answering once its windows exist: the box says so within seconds, the
// window answers meanwhile, nothing is pasted, the piece stays.
TEST_F(Mensatel, UnMensatelColgadoNoCuelgaARebanex) {
    temporal.Escribir("dorvax.args", "--colgado");
    Rebanex app(carpeta);
    ASSERT_TRUE(app.Trocear(kMensaje, "40"));
    app.Pulsar(Copiar);
    ASSERT_TRUE(
        Esperar([] { return FindWindowA(nullptr, "\\\\ensatel") != nullptr; }, kPlazoLargo));
    const auto visto = std::chrono::steady_clock::now();
    ASSERT_TRUE(app.EsperarCaja(AvisoMensatelNoResponde().titulo));
    EXPECT_LT(std::chrono::steady_clock::now() - visto, std::chrono::seconds(10));
    EXPECT_EQ(app.Texto(Contador), "1/3");
    Atender(app, AvisoMensatelNoResponde());
    EXPECT_EQ(Registro(), "");
}

// The host starts but its main window never shows: the wait says so, and Escape, which the
// wait lets through to the window, ends it.
TEST_F(Mensatel, SinVentanaPrincipalEscapeAcabaLaEspera) {
    temporal.Escribir("dorvax.args", "--sin-principal");
    Rebanex app(carpeta);
    ASSERT_TRUE(app.Trocear(kMensaje, "160"));

    app.Pulsar(Copiar);  // the host starts; its window shows, for TearDown to end it
    ASSERT_TRUE(Muestra(app, Estado, kEstadoEsperando, kPlazoLargo));
    ASSERT_TRUE(Esperar([] { return FindWindowA(nullptr, "Dorvax") != nullptr; }));
    // Posted to the window, as its message loop gets a key: the host's window, which may take
    // the focus at any moment, cannot catch it.
    PostMessageA(app.Hwnd(Trozo), WM_KEYDOWN, VK_ESCAPE, 0);
    // Well before the wait would give up by itself.
    ASSERT_TRUE(app.EsperarCaja(AvisoSinVentanaMensatel().titulo,
                                std::chrono::milliseconds(kEsperaVentanaMs * 2 / 3)));
    Atender(app, AvisoSinVentanaMensatel());
}

}  // namespace
}  // namespace rebanex::e2e
