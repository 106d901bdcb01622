#include "settings/Ajustes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

const std::string kDirectorio = "C:\\Mensatel\\";
const std::string kIni = kDirectorio + "Rebanex.ini";
const std::string kReglas = kDirectorio + "Rebanex.txt";
const Rectangulo kPantalla{0, 0, 19200, 14400};
const Rectangulo kVentanaInicial{1200, 900, 6000, 4500};
using Ficheros = std::array<std::string, 5>;

class AjustesTest : public ::testing::Test {
  protected:
    AjustesTest() {
        ini.FijarFicheroIni(kIni);
        estado.ventana = kVentanaInicial;
    }

    void Guardar(std::string_view clave, std::string_view valor,
                 std::string_view seccion = kSeccionRebanex) {
        perfil.EscribirCadena(kIni, seccion, clave, valor);
    }
    void Cargar(const Rectangulo& pantalla = kPantalla) {
        CargarConfiguracion(ini, kDirectorio, pantalla, estado);
    }
    std::string Valor(std::string_view clave, std::string_view seccion = kSeccionRebanex) {
        return perfil.ObtenerCadena(kIni, seccion, clave, "(falta)", 255);
    }

    PerfilEnMemoria perfil;
    Ini ini{perfil};
    EstadoAjustes estado;
};

TEST_F(AjustesTest, PrimerArranqueDejaElFicheroCompletoEnSuOrden) {
    Cargar();
    const std::string primero =
        "[Rebanex]\r\nInverso=0\r\nNoAcentos=1\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
        "CopiarTrozoAlMensatel=1\r\nObtenerTama\xF1oMsg=1\r\nMsgMax=160\r\nLetras=1\r\n"
        "FirmarAutomaticamente=0\r\nFirmarEnTrozos=0\r\nFirmarEnPosicion=1\r\n"
        "PosicionVentana=1\r\nAutoReemplazar=0\r\n";
    EXPECT_EQ(perfil.Texto(kIni),
              primero + "[FicherosReemplazos]\r\n1=" + kReglas + "\r\n2=\r\n3=\r\n4=\r\n5=\r\n");
    EXPECT_EQ(estado.opciones, Configuracion{});
    EXPECT_EQ(estado.ventana, kVentanaInicial);
    EXPECT_EQ(estado.rutaReemplazos, kReglas);
    EXPECT_EQ(estado.ficheros, (Ficheros{kReglas, "", "", "", ""}));

    // The second start adds the window's position at that moment; a third changes nothing.
    estado.ventana = {2400, -15, 6000, 4500};
    Cargar();
    EXPECT_EQ(estado.ventana, (Rectangulo{2400, -15, 6000, 4500}));
    const std::string segundo = perfil.Texto(kIni);
    EXPECT_EQ(segundo.substr(0, segundo.find("[Ficheros")),
              primero + "PosicionVentanaX=2400\r\nPosicionVentanaY=-15\r\n");
    Cargar();
    EXPECT_EQ(perfil.Texto(kIni), segundo);
}

TEST_F(AjustesTest, FicheroDeSoloLecturaArrancaConLosValoresPorDefecto) {
    perfil.SoloLectura(kIni);
    estado.opciones.PosicionVentana = false;
    estado.opciones.AutoReemplazar = true;
    Cargar();
    EXPECT_FALSE(perfil.Existe(kIni));
    Configuracion esperada;
    esperada.PosicionVentana = false;  // missing keys leave these two ticks alone
    esperada.AutoReemplazar = true;
    EXPECT_EQ(estado.opciones, esperada);
    EXPECT_EQ(estado.ficheros[0], kReglas);
    EXPECT_EQ(estado.ventana, kVentanaInicial);
    EXPECT_FALSE(GuardarConfiguracion(ini, estado.opciones));
}

TEST_F(AjustesTest, ValoresGuardados) {
    const std::pair<const char*, const char*> guardados[] = {
        {"Inverso", "1"},
        {"NoAcentos", "0"},
        {"copiartrozoalmensatel", "0"},  // names ignore letter case
        {"ObtenerTamañoMsg", "0"},
        {"MsgMax", "161.5"},  // rounded, halves to even
        {"Letras", "3"},
        {"FirmarAutomaticamente", "1e3"},  // any number but 0
        {"FirmarEnTrozos", "-1"},
        {"FirmarEnPosicion", "2.5"},
        {"AutoReemplazar", "1"}};
    for (const auto& [clave, valor] : guardados) {
        Guardar(clave, valor);
    }
    Guardar("1", "D:\\reglas.txt", kSeccionFicheros);
    Guardar("3", "E:\\otras.txt", kSeccionFicheros);
    const std::string antes = perfil.Texto(kIni);
    Cargar();

    Configuracion esperada;
    esperada.Inverso = esperada.FirmarAutomaticamente = esperada.FirmarEnTrozos = true;
    esperada.NoAcentos = esperada.CopiarTrozoAlMensatel = esperada.ObtenerTamanyoMsg = false;
    esperada.MsgMax = "162";
    esperada.Letras = 3;
    esperada.FirmarEnPosicion = 2;
    esperada.AutoReemplazar = true;
    EXPECT_EQ(estado.opciones, esperada);
    EXPECT_EQ(Valor("MsgMax"), "161.5");  // the stored text stays
    EXPECT_EQ(estado.rutaReemplazos, "D:\\reglas.txt");
    EXPECT_EQ(estado.ficheros, (Ficheros{"D:\\reglas.txt", "", "E:\\otras.txt", "", ""}));
    // Only the missing keys were added, after the existing ones of their section.
    const std::string despues = perfil.Texto(kIni);
    EXPECT_EQ(despues.substr(0, despues.find("[FicherosReemplazos]")),
              antes.substr(0, antes.find("[FicherosReemplazos]")) +
                  "NoMultiEspacios=1\r\nIndicadorTrozos=1\r\nPosicionVentana=1\r\n");
}

TEST_F(AjustesTest, ElCentinelaYLaPrimeraEntradaVaciaCuentanComoAusentes) {
    Guardar("Inverso", "** error **");
    Guardar("1", "", kSeccionFicheros);
    Guardar("2", "** error **", kSeccionFicheros);
    estado.opciones.Inverso = true;
    CargarConfiguracion(ini, "E:\\Otro\\", kPantalla, estado);
    EXPECT_FALSE(estado.opciones.Inverso);
    EXPECT_TRUE(perfil.Texto(kIni).starts_with("[Rebanex]\r\nInverso=0\r\n"));  // in place
    EXPECT_EQ(estado.rutaReemplazos, "E:\\Otro\\Rebanex.txt");
    EXPECT_EQ(Valor("1", kSeccionFicheros), "E:\\Otro\\Rebanex.txt");
    EXPECT_EQ(estado.ficheros, (Ficheros{"E:\\Otro\\Rebanex.txt", "", "", "", ""}));
}

TEST_F(AjustesTest, LasMarcasQueSoloCambianSiEstanGuardadas) {
    for (const auto& [guardado, encendido] :
         {std::pair<const char*, bool>{"1", true}, {"0", false}, {"1abc", false}}) {
        Guardar("PosicionVentana", guardado);
        Guardar("AutoReemplazar", guardado);
        estado.opciones.PosicionVentana = estado.opciones.AutoReemplazar = !encendido;
        Cargar();
        EXPECT_EQ(estado.opciones.PosicionVentana, encendido) << guardado;
        EXPECT_EQ(estado.opciones.AutoReemplazar, encendido) << guardado;
    }
}

TEST_F(AjustesTest, LaPosicionDeLaFirmaDecideSiFirmarTrozosEstaHabilitado) {
    Guardar("FirmarEnPosicion", "3");
    Guardar("FirmarAutomaticamente", "1");
    Guardar("FirmarEnTrozos", "1");
    Cargar();
    EXPECT_TRUE(estado.opciones.FirmarEnTrozos);
    EXPECT_FALSE(estado.opciones.FirmarEnTrozosHabilitado);
    Guardar("FirmarEnPosicion", "1");
    Guardar("FirmarAutomaticamente", "0");
    Cargar();
    EXPECT_TRUE(estado.opciones.FirmarEnTrozosHabilitado);
}

TEST_F(AjustesTest, PosicionDeLaVentana) {
    // Missing: "1" is written, nothing moves.
    Guardar("PosicionVentanaX", "10");
    estado.opciones.PosicionVentana = false;
    Cargar();
    EXPECT_EQ(Valor("PosicionVentana"), "1");
    EXPECT_FALSE(estado.opciones.PosicionVentana);
    EXPECT_EQ(estado.ventana, kVentanaInicial);
    // Ticked: the stored position, or the current one written back where it is missing.
    Guardar("PosicionVentanaX", "-300");
    Cargar();
    EXPECT_EQ(estado.ventana, (Rectangulo{-300, 900, 6000, 4500}));
    EXPECT_EQ(Valor("PosicionVentanaY"), "900");
    ASSERT_TRUE(GuardarPosicionVentana(ini, 3000, 450.5));
    Cargar();
    EXPECT_EQ(estado.ventana, (Rectangulo{3000, 450, 6000, 4500}));
    // Not ticked: centred on the screen in single precision.
    Guardar("PosicionVentana", "0");
    estado.ventana = {10, 10, 6001, 4500};
    Cargar(Rectangulo{0, 0, 19200, 14401});
    EXPECT_EQ(estado.ventana, (Rectangulo{6599.5, 4950.5, 6001, 4500}));
    estado.ventana = {0, 0, 0, 0};
    Cargar(Rectangulo{0, 0, 33554433, 0});
    EXPECT_EQ(estado.ventana.izquierda, 16777216.0);  // 16777216.5 in double
}

TEST_F(AjustesTest, GuardarEscribeLasOpcionesEnSuOrden) {
    Guardar("PosicionVentana", "0");
    Guardar("1", "D:\\r.txt", kSeccionFicheros);
    Configuracion c;
    c.Inverso = true;
    c.NoAcentos = false;
    c.MsgMax = "12a";  // the text of Lon as it is
    c.Letras = 2;
    c.FirmarEnTrozos = true;
    c.FirmarEnTrozosHabilitado = false;  // the tick is saved even while disabled
    c.FirmarEnPosicion = 3;
    c.AutoReemplazar = true;
    c.PosicionVentana = true;  // its own command writes it, not this one
    EXPECT_TRUE(GuardarConfiguracion(ini, c));
    EXPECT_EQ(perfil.Texto(kIni),
              "[Rebanex]\r\nPosicionVentana=0\r\n"
              "Inverso=1\r\nNoAcentos=0\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
              "CopiarTrozoAlMensatel=1\r\nObtenerTama\xF1oMsg=1\r\nMsgMax=12a\r\nLetras=2\r\n"
              "FirmarAutomaticamente=0\r\nFirmarEnTrozos=1\r\nFirmarEnPosicion=3\r\n"
              "AutoReemplazar=1\r\n"
              "[FicherosReemplazos]\r\n1=D:\\r.txt\r\n");
    Cargar();
    EXPECT_EQ(estado.opciones.MsgMax, "12");  // read back as its number
}

// A file that takes every write but one.
class PerfilQueFallaEn : public PerfilEnMemoria {
  public:
    bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                        std::string_view clave, std::string_view valor) override {
        PerfilEnMemoria::EscribirCadena(fichero, seccion, clave, valor);
        return clave != falla;
    }
    std::string falla;
};

TEST(GuardarAjustes, CualquierEscrituraFallidaSeAvisaSinSaltarseLasDemas) {
    PerfilQueFallaEn perfil;
    Ini ini(perfil);
    ini.FijarFicheroIni("R.ini");
    for (const char* clave : {"Inverso", "MsgMax", "AutoReemplazar"}) {
        perfil.falla = clave;
        EXPECT_FALSE(GuardarConfiguracion(ini, Configuracion{})) << clave;
        EXPECT_EQ(perfil.Contenido("R.ini").at(0).claves.size(), 12u) << clave;
    }
    for (const char* clave : {"PosicionVentanaX", "PosicionVentanaY"}) {
        perfil.falla = clave;
        EXPECT_FALSE(GuardarPosicionVentana(ini, 1440, -15)) << clave;
    }
    perfil.falla = "";
    EXPECT_TRUE(GuardarConfiguracion(ini, Configuracion{}));
    EXPECT_TRUE(GuardarPosicionVentana(ini, 1440, -15));
}

TEST(GuardarAjustes, TextoDelBordeEnTwips) {
    const std::pair<double, std::string> casos[] = {
        {1440, "1440"},     {-15, "-15"},           {-0.0, "0"},
        {1234.5, "1234.5"}, {16777217, "16777216"}, {12345678, "12345678"}};  // single, no exponent
    for (const auto& [valor, texto] : casos) {
        EXPECT_EQ(TextoTwips(valor), texto);
    }
}

}  // namespace
}  // namespace rebanex
