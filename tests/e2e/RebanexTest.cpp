// The real Rebanex.exe, installed in a fresh folder and driven through its window: what only
// the real window shows, and one path through each wiring of the layers below.
#include "e2e/RebanexTest.h"
#include "comun/Direcciones.h"
#include "files/Actualizador.h"
#include "files/Mensajes.h"
#include "settings/Ajustes.h"
#include "settings/LoteIni.h"

namespace rebanex::e2e {
namespace {

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

// A real click on an arrow and a real Escape back to the message. Quotes force
// the pieces into UCS-2: the piece says so, and both views name them.
TEST_F(Instalada, RecorrerLosTrozosConClicYEscape) {
    Opcion("ObtenerTamañoMsg", "0");  // no Mensatel here to ask for the size
    Opcion("TrozosSMS", "1");
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
    for (const char* clave :
         {"Inverso", "ObtenerTamañoMsg", "FirmarAutomaticamente", "FirmarEnTrozos",
          "AutoReemplazar", "TrozosSMS", "AdaptarGSM", "TablaEspanola"}) {
        Opcion(clave, "1");
    }
    Opcion("Letras", "3");
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

}  // namespace
}  // namespace rebanex::e2e
