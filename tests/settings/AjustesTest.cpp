// Loading and saving Rebanex.ini: keys in order, stored and missing values, failed writes.
#include "settings/Ajustes.h"

#include <gtest/gtest.h>

#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

const std::string kIni = "C:\\M\\Rebanex.ini", kReglas = "C:\\M\\Rebanex.txt";
using Ficheros = std::array<std::string, 5>;
// The keys of the first start, with their defaults, in the order they are written.
const std::string kOpcionesIni =
    "[Rebanex]\r\nInverso=0\r\nNoAcentos=1\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
    "CopiarTrozoAlMensatel=1\r\nObtenerTama\xF1oMsg=1\r\nMsgMax=160\r\nLetras=1\r\n"
    "FirmarAutomaticamente=0\r\nFirmarEnTrozos=0\r\nFirmarEnPosicion=1\r\n";

// A file that takes every write but one.
struct PerfilQueFallaEn : PerfilEnMemoria {
    bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                        std::string_view clave, std::string_view valor) override {
        PerfilEnMemoria::EscribirCadena(fichero, seccion, clave, valor);
        return clave != falla;
    }
    std::string falla;
};

struct AjustesTest : ::testing::Test {
    AjustesTest() { ini.FijarFicheroIni(kIni); }
    void Guardar(std::string_view clave, std::string_view valor,
                 std::string_view seccion = kSeccionRebanex) {
        perfil.EscribirCadena(kIni, seccion, clave, valor);
    }
    void Cargar(const std::string& directorio = "C:\\M\\") {
        CargarConfiguracion(ini, directorio, {0, 0, 19200, 14400}, estado);
    }
    std::string Texto() { return perfil.Texto(kIni); }

    PerfilQueFallaEn perfil;
    Ini ini{perfil};
    EstadoAjustes estado;
};

TEST_F(AjustesTest, PrimerArranqueDejaElFicheroCompletoEnSuOrden) {
    Cargar();
    EXPECT_EQ(Texto(), kOpcionesIni +
                           "PosicionVentana=1\r\nAutoReemplazar=0\r\n[FicherosReemplazos]\r\n1=" +
                           kReglas + "\r\n2=\r\n3=\r\n4=\r\n5=\r\n");
    EXPECT_EQ(estado.opciones, Configuracion{});
    EXPECT_EQ(estado.rutaReemplazos, kReglas);
    EXPECT_EQ(estado.ficheros, (Ficheros{kReglas, "", "", "", ""}));
    // The second start adds the window's position at that moment; a third changes nothing.
    estado.ventana = {2400, -15, 6000, 4500};
    Cargar();
    EXPECT_EQ(estado.ventana, (Rectangulo{2400, -15, 6000, 4500}));
    const std::string segundo = Texto();
    EXPECT_NE(segundo.find("AutoReemplazar=0\r\nPosicionVentanaX=2400\r\nPosicionVentanaY=-15\r\n"),
              std::string::npos);
    Cargar();
    EXPECT_EQ(Texto(), segundo);
}

TEST_F(AjustesTest, ValoresGuardados) {
    // Names in any letter case; numbers rounded (halves to even); a flag is any number but 0.
    for (const std::string g :
         {"Inverso=1", "NoAcentos=0", "copiartrozoalmensatel=0", "MsgMax=161.5", "Letras=3",
          "FirmarAutomaticamente=1e3", "FirmarEnTrozos=-1", "FirmarEnPosicion=3",
          "PosicionVentana=1abc", "AutoReemplazar=1"}) {
        Guardar(g.substr(0, g.find('=')), g.substr(g.find('=') + 1));
    }
    Guardar("1", "D:\\reglas.txt", kSeccionFicheros);
    Guardar("3", "E:\\otras.txt", kSeccionFicheros);
    const std::string antes = Texto();
    Cargar();
    Configuracion esperada;
    esperada.Inverso = esperada.FirmarAutomaticamente = esperada.FirmarEnTrozos = true;
    esperada.NoAcentos = esperada.CopiarTrozoAlMensatel = esperada.PosicionVentana = false;
    esperada.MsgMax = "162";
    esperada.Letras = esperada.FirmarEnPosicion = 3;
    esperada.FirmarEnTrozosHabilitado = false;  // disabled while signing at the caret
    esperada.AutoReemplazar = true;
    EXPECT_EQ(estado.opciones, esperada);
    EXPECT_EQ(estado.rutaReemplazos, "D:\\reglas.txt");
    EXPECT_EQ(estado.ficheros, (Ficheros{"D:\\reglas.txt", "", "E:\\otras.txt", "", ""}));
    // Only the missing keys were added, after the existing ones; stored texts stay.
    EXPECT_EQ(Texto().substr(0, Texto().find("[Ficheros")),
              antes.substr(0, antes.find("[Ficheros")) +
                  "NoMultiEspacios=1\r\nIndicadorTrozos=1\r\nObtenerTama\xF1oMsg=1\r\n");
    // The sentinel of a failed read and an empty first file count as missing.
    Guardar("Inverso", "** error **");
    Guardar("1", "", kSeccionFicheros);
    Cargar("E:\\Otro\\");
    EXPECT_FALSE(estado.opciones.Inverso);
    EXPECT_TRUE(Texto().starts_with("[Rebanex]\r\nInverso=0\r\n"));  // in place
    EXPECT_EQ(estado.ficheros, (Ficheros{"E:\\Otro\\Rebanex.txt", "", "E:\\otras.txt", "", ""}));
}

TEST_F(AjustesTest, GuardarEscribeLasOpcionesEnSuOrden) {
    Configuracion c;
    c.Inverso = c.FirmarEnTrozos = c.AutoReemplazar = true;
    c.NoAcentos = false;
    c.MsgMax = "12a";                    // the text of Lon as it is
    c.FirmarEnTrozosHabilitado = false;  // the tick is saved even while disabled
    c.FirmarEnPosicion = 3;
    c.PosicionVentana = false;  // its own command writes it, not this one
    EXPECT_TRUE(GuardarConfiguracion(ini, c));
    EXPECT_EQ(Texto(),
              "[Rebanex]\r\nInverso=1\r\nNoAcentos=0\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
              "CopiarTrozoAlMensatel=1\r\nObtenerTama\xF1oMsg=1\r\nMsgMax=12a\r\nLetras=1\r\n"
              "FirmarAutomaticamente=0\r\nFirmarEnTrozos=1\r\nFirmarEnPosicion=3\r\n"
              "AutoReemplazar=1\r\n");
    // A failed write is reported, and the others are still made.
    perfil.falla = "Inverso";
    EXPECT_FALSE(GuardarConfiguracion(ini, Configuracion{}));
    EXPECT_EQ(Texto(), kOpcionesIni + "AutoReemplazar=0\r\n");
    perfil.falla = "AutoReemplazar";
    EXPECT_FALSE(GuardarConfiguracion(ini, Configuracion{}));
    for (const char* clave : {"PosicionVentanaX", "PosicionVentanaY", ""}) {
        perfil.falla = clave;
        EXPECT_EQ(GuardarPosicionVentana(ini, 1440, -15), *clave == '\0') << clave;
    }
    // Edges in twips as single precision, without exponent.
    EXPECT_EQ(TextoTwips(-0.0) + " " + TextoTwips(1234.5) + " " + TextoTwips(16777217),
              "0 1234.5 16777216");
}

}  // namespace
}  // namespace rebanex
