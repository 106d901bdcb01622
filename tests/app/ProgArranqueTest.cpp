// Start-up: the settings file, the ticks it gives, the caption, Mensatel's colours and
// signature.
#include <string>
#include <vector>

#include "ProgPrueba.h"

namespace rebanex::prueba {
namespace {

using ProgArranque = ProgPrueba;

const std::string kResumenCortoPorDefecto =
    std::string(3, ' ') + "A  E  P  O  n  d  " + std::string(9, ' ') + "#  ";
const std::string kResumenLargoPorDefecto =
    " /  Eliminar Acentos  /  Eliminar MultiEspacios  /  Pegar al Mensatel  /  "
    "Obtener Tamaño  /  Trozos tal cual ;)  /  Firmar Delante  /  # de Trozo  /  ";

TEST_F(ProgArranque, PrimerArranqueDejaElFicheroCompletoEnOrden) {
    prog.Form_Load(kDirectorio, "");

    EXPECT_EQ(memoria.Texto(kIni),
              "[Rebanex]\r\n"
              "Inverso=0\r\nNoAcentos=1\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
              "CopiarTrozoAlMensatel=1\r\nObtenerTamañoMsg=1\r\nMsgMax=160\r\nLetras=1\r\n"
              "FirmarAutomaticamente=0\r\nFirmarEnTrozos=0\r\nFirmarEnPosicion=1\r\n"
              "PosicionVentana=1\r\nAutoReemplazar=0\r\n"
              "[FicherosReemplazos]\r\n"
              "1=C:\\Rebanex\\Rebanex.txt\r\n2=\r\n3=\r\n4=\r\n5=\r\n");
    // Key 1 is created empty with the others, then given the default rules file.
    const std::vector<std::string> finales(perfil.escrituras.end() - 7, perfil.escrituras.end());
    EXPECT_EQ(finales,
              (std::vector<std::string>{
                  "FicherosReemplazos/1=", "FicherosReemplazos/2=", "FicherosReemplazos/3=",
                  "FicherosReemplazos/4=", "FicherosReemplazos/5=",
                  "FicherosReemplazos/1=C:\\Rebanex\\Rebanex.txt", "Rebanex/AutoReemplazar=0"}));
    EXPECT_FALSE(memoria.Existe(kMensatelIni));  // Mensatel's file is only read
}

TEST_F(ProgArranque, PrimerArranqueMuestraLasOpcionesPorDefecto) {
    Arrancar();

    for (Menu m :
         {Menu::mnu_opciones_acentos, Menu::mnu_opciones_espacios, Menu::mnu_opciones_indicador,
          Menu::mnu_opciones_pegar, Menu::mnu_opciones_getTamanyo, Menu::mnu_opciones_ventana,
          Menu::mnu_opciones_txtChar1, Menu::mnu_opciones_firma_posicion1}) {
        EXPECT_TRUE(vista[m].marcado) << static_cast<int>(m);
    }
    for (Menu m : {Menu::mnu_opciones_inverso, Menu::mnu_opciones_txtChar2,
                   Menu::mnu_opciones_txtChar3, Menu::mnu_opciones_firma_posicion2,
                   Menu::mnu_opciones_firma_posicion3, Menu::mnu_opciones_firma_auto,
                   Menu::mnu_opciones_firma_trozos, Menu::mnu_opciones_auto}) {
        EXPECT_FALSE(vista[m].marcado) << static_cast<int>(m);
    }
    EXPECT_TRUE(vista[Menu::mnu_opciones_firma_trozos].habilitado);
    EXPECT_EQ(Texto(Control::Lon), "160");
    EXPECT_EQ(vista[Menu::mnu_reemplazos_fichero1].texto, "C:\\Rebanex\\Rebanex.txt");
    EXPECT_EQ(vista[Menu::mnu_reemplazos_fichero5].texto, "");
    EXPECT_EQ(prog.RutaReemplazos(), "C:\\Rebanex\\Rebanex.txt");
    EXPECT_EQ(prog.DirectorioInicio(), "C:\\Rebanex\\");
    EXPECT_EQ(prog.FicheroIni(), kIni);
    EXPECT_EQ(vista.titulo, "Rebanex  -  01/01/2002");
    EXPECT_EQ(Texto(Control::Opciones), kResumenCortoPorDefecto);
    EXPECT_EQ(Texto(Control::Opciones).size(), 33u);
    EXPECT_EQ(vista[Control::Opciones].ayuda, kResumenLargoPorDefecto);
    EXPECT_TRUE(vista.movimientos.empty());  // no stored position yet
    EXPECT_FALSE(vista[Control::Msg].colores.has_value());
    EXPECT_EQ(prog.FirmaMensatel(), "");
    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_TRUE(vista[Control::frmMsg].visible);
    EXPECT_FALSE(vista[Control::frmTrozo].visible);
    EXPECT_EQ(vista.foco, Control::Msg);
}

TEST_F(ProgArranque, ElDirectorioConBarraNoLaDuplica) {
    prog.Form_Load("D:\\sms\\", "");
    EXPECT_EQ(prog.DirectorioInicio(), "D:\\sms\\");
    EXPECT_EQ(prog.FicheroIni(), "D:\\sms\\Rebanex.ini");
    EXPECT_EQ(prog.RutaReemplazos(), "D:\\sms\\Rebanex.txt");
}

TEST_F(ProgArranque, CargaLasOpcionesGuardadas) {
    const std::vector<std::pair<std::string, std::string>> claves = {
        {"Inverso", "1"},
        {"NoAcentos", "0"},
        {"MsgMax", "abc"},
        {"Letras", "3"},
        {"FirmarAutomaticamente", "1"},
        {"FirmarEnTrozos", "1"},
        {"FirmarEnPosicion", "3"},
        {"PosicionVentana", "1"},
        {"PosicionVentanaX", "1500"},
        {"PosicionVentanaY", "900"},
        {"AutoReemplazar", "1"},
    };
    for (const auto& [clave, valor] : claves) {
        memoria.EscribirCadena(kIni, "Rebanex", clave, valor);
    }
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1", "D:\\reglas.txt");
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "2", "E:\\otras.txt");

    Arrancar();

    EXPECT_TRUE(vista[Menu::mnu_opciones_inverso].marcado);
    EXPECT_FALSE(vista[Menu::mnu_opciones_acentos].marcado);
    EXPECT_EQ(Texto(Control::Lon), "0");  // not a number
    EXPECT_FALSE(vista[Menu::mnu_opciones_txtChar1].marcado);
    EXPECT_TRUE(vista[Menu::mnu_opciones_txtChar3].marcado);
    EXPECT_TRUE(vista[Menu::mnu_opciones_firma_auto].marcado);
    EXPECT_FALSE(vista[Menu::mnu_opciones_firma_posicion1].marcado);
    EXPECT_TRUE(vista[Menu::mnu_opciones_firma_posicion3].marcado);
    // At the caret, the position alone disables signing every piece; the tick stays.
    EXPECT_TRUE(vista[Menu::mnu_opciones_firma_trozos].marcado);
    EXPECT_FALSE(vista[Menu::mnu_opciones_firma_trozos].habilitado);
    EXPECT_TRUE(vista[Menu::mnu_opciones_auto].marcado);
    EXPECT_EQ(vista.movimientos, (std::vector<std::pair<double, double>>{{1500, 900}}));
    EXPECT_EQ(vista[Menu::mnu_reemplazos_fichero1].texto, "D:\\reglas.txt");
    EXPECT_EQ(vista[Menu::mnu_reemplazos_fichero2].texto, "E:\\otras.txt");
    EXPECT_EQ(prog.RutaReemplazos(), "D:\\reglas.txt");
    EXPECT_EQ(Texto(Control::Opciones), "I     E  P  O  M  c  F     R  #  ");
}

TEST_F(ProgArranque, SinRecordarPosicionCentraLaVentana) {
    memoria.EscribirCadena(kIni, "Rebanex", "PosicionVentana", "0");
    memoria.EscribirCadena(kIni, "Rebanex", "PosicionVentanaX", "1500");

    Arrancar();

    EXPECT_FALSE(vista[Menu::mnu_opciones_ventana].marcado);
    // (15360 - 4875) / 2 and (11520 - 3495) / 2, in twips
    EXPECT_EQ(vista.movimientos, (std::vector<std::pair<double, double>>{{5242.5, 4012.5}}));
}

TEST_F(ProgArranque, LaPosicionGuardadaIgualNoMueve) {
    memoria.EscribirCadena(kIni, "Rebanex", "PosicionVentana", "1");
    memoria.EscribirCadena(kIni, "Rebanex", "PosicionVentanaX", "2880");
    memoria.EscribirCadena(kIni, "Rebanex", "PosicionVentanaY", "1440");
    Arrancar();
    EXPECT_TRUE(vista.movimientos.empty());
}

TEST_F(ProgArranque, TomaColoresYFirmaDeMensatel) {
    memoria.EscribirCadena(kMensatelIni, "colores", "fondo", "16777215");
    memoria.EscribirCadena(kMensatelIni, "colores", "texto", "0");

    ArrancarConFirma("Ana");

    const auto negroSobreBlanco = std::make_pair(int32_t{0}, int32_t{16777215});
    EXPECT_EQ(vista[Control::Msg].colores, negroSobreBlanco);
    EXPECT_EQ(vista[Control::Trozo].colores, negroSobreBlanco);
    EXPECT_EQ(prog.FirmaMensatel(), "Ana");
    // After reading Mensatel's file the settings go back to Rebanex.ini.
    EXPECT_EQ(prog.FicheroIni(), kIni);
    prog.Menu_Click(Menu::mnu_opciones_guardar);
    EXPECT_EQ(memoria.Contenido(kMensatelIni).size(), 2u);  // colores, Usuario: untouched
    EXPECT_EQ(Texto(Control::Estado), "OK! Configuración Guardada!!");
}

TEST_F(ProgArranque, SinColorDeTextoNoCambiaLosColores) {
    memoria.EscribirCadena(kMensatelIni, "colores", "fondo", "255");
    Arrancar();
    EXPECT_FALSE(vista[Control::Msg].colores.has_value());
    EXPECT_FALSE(vista[Control::Trozo].colores.has_value());
}

TEST_F(ProgArranque, ConElFicheroDeSoloLecturaUsaLosValoresPorDefecto) {
    memoria.SoloLectura(kIni);
    Arrancar();
    EXPECT_FALSE(memoria.Existe(kIni));
    EXPECT_TRUE(vista[Menu::mnu_opciones_getTamanyo].marcado);
    EXPECT_EQ(Texto(Control::Lon), "160");
    EXPECT_EQ(Texto(Control::Opciones), kResumenCortoPorDefecto);
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgArranque, LaLineaDeComandosTodaviaNoCargaNada) {
    prog.Form_Load(kDirectorio, "\thola que tal");
    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_TRUE(vista.avisos.empty());
}

}  // namespace
}  // namespace rebanex::prueba
