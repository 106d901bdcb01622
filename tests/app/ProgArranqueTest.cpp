// Start-up: the settings file, the ticks it gives, the window's place, Mensatel's colours and
// signature.
#include <string>
#include <utility>
#include <vector>

#include "ProgPrueba.h"

namespace rebanex::prueba {
namespace {

using ProgArranque = ProgPrueba;
using Movimientos = std::vector<std::pair<double, double>>;

TEST_F(ProgArranque, PrimerArranqueDejaElFicheroCompletoYLasOpcionesPorDefecto) {
    prog.Form_Load(kDirectorio, "");

    EXPECT_EQ(memoria.Texto(kIni),
              "[Rebanex]\r\n"
              "Inverso=0\r\nNoAcentos=1\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
              "CopiarTrozoAlMensatel=1\r\nObtenerTamañoMsg=1\r\nMsgMax=160\r\nLetras=1\r\n"
              "FirmarAutomaticamente=0\r\nFirmarEnTrozos=0\r\nFirmarEnPosicion=1\r\n"
              "PosicionVentana=1\r\nAutoReemplazar=0\r\n"
              "[FicherosReemplazos]\r\n"
              "1=C:\\Rebanex\\Rebanex.txt\r\n2=\r\n3=\r\n4=\r\n5=\r\n");
    EXPECT_FALSE(memoria.Existe(kMensatelIni));  // Mensatel's file is only read

    EXPECT_EQ(Marcas(), "0 11111 100 100 00 0 1");
    // Auto-signature is off, but at start-up only the position decides.
    EXPECT_TRUE(vista[Menu::mnu_opciones_firma_trozos].habilitado);
    EXPECT_EQ(Texto(Control::Lon), "160");
    EXPECT_EQ(vista[Menu::mnu_reemplazos_fichero1].texto, "C:\\Rebanex\\Rebanex.txt");
    EXPECT_EQ(prog.RutaReemplazos(), "C:\\Rebanex\\Rebanex.txt");
    EXPECT_EQ(prog.FicheroIni(), kIni);
    EXPECT_EQ(vista.titulo, "Rebanex  -  01/01/2002");
    EXPECT_EQ(Texto(Control::Opciones),
              std::string(3, ' ') + "A  E  P  O  n  d  " + std::string(9, ' ') + "#  ");
    EXPECT_EQ(vista[Control::Opciones].ayuda,
              " /  Eliminar Acentos  /  Eliminar MultiEspacios  /  Pegar al Mensatel  /  "
              "Obtener Tamaño  /  Trozos tal cual ;)  /  Firmar Delante  /  # de Trozo  /  ");
    EXPECT_TRUE(vista.movimientos.empty());  // no stored position yet
    EXPECT_FALSE(vista[Control::Msg].colores.has_value());
    EXPECT_EQ(prog.FirmaMensatel(), "");
    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_FALSE(vista[Control::frmTrozo].visible);
    EXPECT_EQ(vista.foco, Control::Msg);
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgArranque, CargaLasOpcionesGuardadas) {
    for (const auto& [clave, valor] : std::vector<std::pair<std::string, std::string>>{
             {"Inverso", "1"},
             {"NoAcentos", "0"},
             {"MsgMax", "abc"},
             {"Letras", "3"},
             {"FirmarAutomaticamente", "1"},
             {"FirmarEnTrozos", "1"},
             {"FirmarEnPosicion", "3"},
             {"AutoReemplazar", "1"},
         }) {
        memoria.EscribirCadena(kIni, "Rebanex", clave, valor);
    }
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1", "D:\\reglas.txt");
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "2", "E:\\otras.txt");

    Arrancar();

    EXPECT_EQ(Marcas(), "1 01111 001 001 11 1 1");
    EXPECT_EQ(Texto(Control::Lon), "0");  // not a number
    // At the caret the position alone disables signing every piece, although auto-signature
    // is on: the load sets its tick without running its command.
    EXPECT_FALSE(vista[Menu::mnu_opciones_firma_trozos].habilitado);
    EXPECT_EQ(vista[Menu::mnu_reemplazos_fichero2].texto, "E:\\otras.txt");
    EXPECT_EQ(prog.RutaReemplazos(), "D:\\reglas.txt");
    EXPECT_EQ(Texto(Control::Opciones), "I     E  P  O  M  c  F     R  #  ");
}

struct Posicion {
    std::string recordar, x, y;  // "" leaves the key out
    Movimientos movimientos;
};

class ProgArranquePosicion : public ProgPrueba, public ::testing::WithParamInterface<Posicion> {};

TEST_P(ProgArranquePosicion, ColocaLaVentana) {
    const Posicion& p = GetParam();
    for (const auto& [clave, valor] :
         {std::pair{"PosicionVentana", p.recordar}, std::pair{"PosicionVentanaX", p.x},
          std::pair{"PosicionVentanaY", p.y}}) {
        if (!valor.empty()) {
            memoria.EscribirCadena(kIni, "Rebanex", clave, valor);
        }
    }
    Arrancar();
    EXPECT_EQ(vista[Menu::mnu_opciones_ventana].marcado, p.recordar != "0");
    EXPECT_EQ(vista.movimientos, p.movimientos);
}

INSTANTIATE_TEST_SUITE_P(
    Prog, ProgArranquePosicion,
    ::testing::Values(
        // (15360 - 4875) / 2 and (11520 - 3495) / 2 twips: centred, the stored place unused.
        Posicion{"0", "1500", "900", {{5242.5, 4012.5}}},
        Posicion{"1", "1500", "900", {{1500, 900}}},
        Posicion{"1", "2880", "1440", {}},  // where it already is
        Posicion{"1", "", "", {}}));        // no stored edges: it stays where it is

TEST_F(ProgArranque, TomaLosColoresYLaFirmaDeMensatel) {
    memoria.EscribirCadena(kMensatelIni, "colores", "fondo", "16777215");
    memoria.EscribirCadena(kMensatelIni, "colores", "texto", "0");

    ArrancarConFirma("Ana");

    const auto negroSobreBlanco = std::make_pair(int32_t{0}, int32_t{16777215});
    EXPECT_EQ(vista[Control::Msg].colores, negroSobreBlanco);
    EXPECT_EQ(vista[Control::Trozo].colores, negroSobreBlanco);
    EXPECT_EQ(prog.FirmaMensatel(), "Ana");
    // The settings go back to Rebanex.ini after Mensatel's file was read.
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
    EXPECT_EQ(Marcas(), "0 11111 100 100 00 0 1");
    EXPECT_EQ(Texto(Control::Lon), "160");
    EXPECT_TRUE(vista.avisos.empty());
}

}  // namespace
}  // namespace rebanex::prueba
