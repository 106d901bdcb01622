// The real Rebanex.exe, installed in a fresh folder and driven through its window: what only
// the real window shows, and one path through each wiring of the layers below.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

#include "comun/Aviso.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Direcciones.h"
#include "e2e/Conduccion.h"
#include "files/Actualizador.h"
#include "files/Mensajes.h"
#include "host/ControlMensatel.h"
#include "settings/Ajustes.h"
#include "settings/LoteIni.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::e2e {
namespace {

// Each end-to-end test starts from Rebanex.exe copied into a new empty folder, also its start
// folder, where Rebanex.ini goes and other programs can be put; the folder goes afterwards.
class Instalada : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "the ANSI code page of this Wine prefix";
        Instalar(REBANEX_EXE, "Rebanex.exe");
    }

    std::string Fichero(const std::string& nombre) const { return carpeta + "\\" + nombre; }
    void Instalar(const char* exe, const std::string& nombre) {
        // The cross build's paths are the host's, which Wine's drive Z: shows.
        ASSERT_TRUE(CopyFileA(("Z:" + std::string(exe)).c_str(), Fichero(nombre).c_str(), FALSE));
    }
    void Opcion(const char* clave, const char* valor) {
        WritePrivateProfileStringA("Rebanex", clave, valor, Fichero("Rebanex.ini").c_str());
    }
    // The control comes to show that text; else what it shows.
    static ::testing::AssertionResult Muestra(const Rebanex& app, Control c, std::string_view t,
                                              std::chrono::milliseconds plazo = kPlazo) {
        if (Esperar([&] { return app.Texto(c) == t; }, plazo)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "shows \"" << app.Texto(c) << "\"";
    }
    // The box shows that notice; then it is answered.
    static void Atender(Rebanex& app, const Aviso& aviso) {
        const std::optional<Caja> caja = app.EsperarCaja(aviso.titulo);
        ASSERT_TRUE(caja) << "no box \"" << aviso.titulo << "\"";
        EXPECT_EQ(caja->texto, aviso.texto);
        app.Aceptar(*caja);
        ASSERT_TRUE(Esperar([&] { return !IsWindow(caja->hwnd); }));
    }

    pruebas::CarpetaTemporal temporal;
    const std::string carpeta = temporal.Ruta();  // without the final backslash
};

using enum Control;

// Saving writes the file whole or not at all: a read-only one stays as it was, with the box.
// The next start reads it, and brings a window stored far off the screen back onto it; a
// message file that another program holds open without sharing is named in a box.
TEST_F(Instalada, ElPrimerArranqueDejaLosAjustesQueElSiguienteLee) {
    const std::string ruta = Fichero("Rebanex.ini");
    {
        Rebanex app(carpeta);
        ASSERT_NE(app.Ventana(), nullptr) << "no window titled \"" << kTitulo << "\"";
        ASSERT_TRUE(app.AlFrente());
        Teclear("^g");
        EXPECT_TRUE(Muestra(app, Estado, kEstadoConfiguracionGuardada));
        const std::string ini = temporal.Leer("Rebanex.ini");
        EXPECT_NE(ini.find("TablaEspanola=0\r\n"), std::string::npos);  // only a save writes it
        SetFileAttributesA(ruta.c_str(), FILE_ATTRIBUTE_READONLY);
        Teclear("^g");
        Atender(app, AvisoErrorGuardarConfiguracion());
        EXPECT_EQ(temporal.Leer("Rebanex.ini"), ini);
        EXPECT_EQ(GetFileAttributesA((ruta + std::string(kSufijoCopiaIni)).c_str()),
                  INVALID_FILE_ATTRIBUTES);
        SetFileAttributesA(ruta.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    Opcion("PosicionVentanaX", "99999999");
    Opcion("PosicionVentanaY", "-99999999999");
    const std::string usado = temporal.Escribir("usado.sms", "no se lee");
    const HANDLE abierto =
        CreateFileA(usado.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(abierto, INVALID_HANDLE_VALUE);
    Rebanex app(carpeta, "\"" + usado + "\"");
    Atender(app, AvisoFicheroIlegible(usado, MotivoFallo::EnUso));
    CloseHandle(abierto);
    ASSERT_TRUE(app.EsperarVentana());
    RECT r{};
    GetWindowRect(app.Ventana(), &r);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
                r.bottom <= GetSystemMetrics(SM_CYSCREEN))
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

// Installed in a folder with spaces, below a program named as the folder's first word: the
// updater and Mensatel started are the ones beside Rebanex, and the updater gets its command
// line as it has always been.
TEST_F(Instalada, ArrancaLosProgramasDeSuCarpetaAunqueTengaEspacios) {
    const std::string dentro = "Archivos de programa\\";
    ASSERT_TRUE(CreateDirectoryA(Fichero(dentro).c_str(), nullptr));
    for (const char* nombre : {"Rebanex.exe", "Actualix.exe", "dorvax.exe"}) {
        Instalar(nombre[0] == 'R' ? REBANEX_EXE : DORVAX_EXE, dentro + nombre);
    }
    Instalar(DORVAX_EXE, "Archivos.exe");  // what the path read up to its first space names
    for (const std::string& d : {dentro, std::string()}) {
        temporal.Escribir(d + "dorvax.args", "--linea");
    }
    const auto lineas = [&] { return temporal.Leer(dentro + "registro.txt"); };
    Rebanex app(Fichero("Archivos de programa"));
    app.Elegir(Menu::EjecutarMensatel);
    ASSERT_TRUE(Esperar([&] { return !lineas().empty(); }));
    app.Elegir(Menu::DescargarUltimaVersion);
    EXPECT_EQ(app.EsperarFin(), 0u);
    const std::string linea = LineaActualizador(Fichero(dentro + "Rebanex.exe"),
                                                std::string(direcciones::kWebActualizaciones));
    EXPECT_TRUE(Esperar([&] { return lineas().ends_with(linea + "\r\n"); })) << lineas();
    EXPECT_EQ(temporal.Leer("registro.txt"), "");
}

// A real click on an arrow and a real Escape back to the message. Quotes force the pieces into
// UCS-2: the piece says so, and both views name them.
TEST_F(Instalada, RecorrerLosTrozosConClicYEscape) {
    // No Mensatel here to ask for the size.
    temporal.Escribir("Rebanex.ini", "[Rebanex]\r\nObtenerTamañoMsg=0\r\nTrozosSMS=1\r\n");
    Rebanex app(carpeta);
    ASSERT_TRUE(app.AlFrente());  // well before the click: an activation may take its press away
    const std::string mensaje = "\x93Hola\x94 y adi\xF3s, " + std::string(70, 'x');
    ASSERT_TRUE(app.Trocear(mensaje, "160"));
    EXPECT_EQ(app.Texto(Contador), "1/2");
    EXPECT_EQ(app.Texto(EstadoTrozos), "UCS-2 por: \x93 \x94 (1 trozo)");
    EXPECT_EQ(app.Texto(Estado), app.Texto(EstadoTrozos));
    app.Clic(TrozoSiguiente);
    ASSERT_TRUE(Muestra(app, Contador, "2/2"));
    EXPECT_EQ(app.Texto(SmsTrozo), "GSM 74/160");
    ASSERT_TRUE(app.AlFrente());  // the focus left the arrow it disabled
    Teclas({VK_ESCAPE});
    EXPECT_TRUE(Esperar([&] { return app.Visible(Msg) && !app.Visible(Trozo); }));
}

// Each label holds its widest caption whole on its one line: the options summary and the status
// line each on a row of their own, a counter too wide in a smaller size of its font.
TEST_F(Instalada, LasEtiquetasMuestranEnteroSuTextoMasLargo) {
    temporal.Escribir("Rebanex.ini",
                      "[Rebanex]\r\nInverso=1\r\nObtenerTamañoMsg=1\r\nLetras=3\r\n"
                      "FirmarAutomaticamente=1\r\nFirmarEnTrozos=1\r\nAutoReemplazar=1\r\n"
                      "TrozosSMS=1\r\nAdaptarGSM=1\r\nTablaEspanola=1\r\n");
    Rebanex app(carpeta);
    const char* const opciones = "I  A  E  P  O  M  d  F  T  R  #  S  G  Ñ  ";
    ASSERT_EQ(app.Texto(Opciones), opciones);
    for (const auto& [etiqueta, texto] :
         {std::pair{Opciones, opciones}, std::pair{Estado, "Cambiando Formato de Letras..."},
          std::pair{Contador, "7974/7974"}, std::pair{SmsTrozo, "GSM 160/160"},
          std::pair{EstadoTrozos,
                    "UCS-2 por: \xC0 \xC8 \xCC \xD2 \xD9 \xE1 \xED \xF3 \xFA \x93 "
                    "... (7974 trozos)"}}) {
        app.PonerTexto(etiqueta, texto);
        EXPECT_TRUE(app.Cabe(etiqueta)) << texto;
    }
}

// Lines of 100 characters: a long paragraph takes the edit control a time that grows squared.
TEST_F(Instalada, ElMensajeAdmiteMasDe64KCaracteres) {
    Rebanex app(carpeta);
    std::string mensaje;
    for (int i = 0; i < 700; ++i) {
        mensaje += std::string(98, static_cast<char>('a' + i % 26)) + "\r\n";
    }
    ASSERT_TRUE(PonerEnPortapapeles({{CF_TEXT, mensaje + '\0'}}));
    PostMessageA(app.Hwnd(Msg), WM_PASTE, 0, 0);
    char miles[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, miles, sizeof(miles));
    EXPECT_TRUE(
        Muestra(app, ContadorMensaje, std::string("438 / 70") + miles + "000", kPlazoLargo));
}

// A key of each kind, pressed for real on the window in front: a menu's access key, a label's
// and a button's, an accelerator; each with something it visibly does. Which command each key
// of the same kind gives is the resource's table, and what the command does the app tests'.
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
    };
    for (const auto& [teclas, comprobar] : atajos) {
        SCOPED_TRACE(teclas);
        ASSERT_TRUE(app.AlFrente());
        Teclear(teclas);
        comprobar();
    }
}

// Its letters are Latin-1's, so each UTF-16 unit is the Windows-1252 byte.
const std::wstring kUnicode =
    L"Mañana a las nueve en la plaza, que yo llevo la cámara y tú las entradas del concierto.";
const std::string kMensaje(kUnicode.begin(), kUnicode.end());

// Rebanex.exe installed beside the test host dorvax.exe, which stands in for Mensatel and
// records what is pasted into its message field.
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
