// Start-up and the options menu: the ticks, the summary, and the commands that write the
// settings file.
#include <string>
#include <utility>
#include <vector>

#include "ProgPrueba.h"
#include "settings/Ajustes.h"
#include "settings/TablaOpciones.h"

namespace rebanex::prueba {
namespace {

using ProgArranque = ProgPrueba;
using ProgOpciones = ProgPrueba;

TEST_F(ProgArranque, PrimerArranqueConLasOpcionesPorDefecto) {
    Arrancar();
    EXPECT_EQ(Marcas(), "0 11111 100 100 00 0 1");
    EXPECT_EQ(Texto(Control::Lon), "160");
    EXPECT_EQ(vista[Menu::mnu_reemplazos_fichero1].texto, "C:\\Rebanex\\Rebanex.txt");
    EXPECT_EQ(vista.titulo, "Rebanex  -  01/01/2002");
    EXPECT_EQ(Texto(Control::Opciones),
              std::string(3, ' ') + "A  E  P  O  n  d  " + std::string(9, ' ') + "#  ");
    EXPECT_NE(vista[Control::Opciones].ayuda, "");
    EXPECT_TRUE(memoria.Existe(kIni));
    EXPECT_EQ(vista.ventana.izquierda, 2880);  // no stored position: it stays
    EXPECT_FALSE(vista[Control::Msg].colores.has_value());
    EXPECT_FALSE(vista[Control::frmTrozo].visible);
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgArranque, TomaLoGuardadoYLoDelMensatel) {
    for (const auto& [clave, valor] :
         std::vector<std::pair<std::string, std::string>>{{"Inverso", "1"},
                                                          {"NoAcentos", "0"},
                                                          {"MsgMax", "abc"},
                                                          {"Letras", "3"},
                                                          {"FirmarAutomaticamente", "1"},
                                                          {"FirmarEnTrozos", "1"},
                                                          {"FirmarEnPosicion", "3"},
                                                          {"AutoReemplazar", "1"},
                                                          {"PosicionVentana", "1"},
             {"PosicionVentanaX", "1500"},
                                                          {"PosicionVentanaY", "900"}}) {
        Guardar("Rebanex", clave, valor);
    }
    Guardar("FicherosReemplazos", "1", "D:\\reglas.txt");
    Guardar("FicherosReemplazos", "2", "E:\\otras.txt");
    const std::string mensatelIni = "C:\\Rebanex\\mensatel.ini";
    memoria.EscribirCadena(mensatelIni, "colores", "fondo", "16777215");
    memoria.EscribirCadena(mensatelIni, "colores", "texto", "0");
    memoria.EscribirCadena(mensatelIni, "Usuario", "firma", "Ana");

    Arrancar();

    EXPECT_EQ(Marcas(), "1 01111 001 001 11 1 1");
    EXPECT_EQ(Texto(Control::Lon), "0");  // not a number
    // At the caret signing every piece is disabled, although auto-signature is on.
    EXPECT_FALSE(vista[Menu::mnu_opciones_firma_trozos].habilitado);
    EXPECT_EQ(vista[Menu::mnu_reemplazos_fichero2].texto, "E:\\otras.txt");
    EXPECT_EQ(prog.RutaReemplazos(), "D:\\reglas.txt");
    EXPECT_EQ(Texto(Control::Opciones), "I     E  P  O  M  c  F     R  #  ");
    EXPECT_EQ(vista.ventana, (Rectangulo{1500, 900, 4875, 3495}));
    for (Control c : {Control::Msg, Control::Trozo}) {
        EXPECT_EQ(vista[c].colores, std::make_pair(int32_t{0}, int32_t{16777215}));
    }
    EXPECT_EQ(prog.FirmaMensatel(), "Ana");
}

// Every option of the table through its menu item: the tick, the value read back, and its
// letter in its column of the summary; nothing is saved until asked.
TEST_F(ProgOpciones, CadaOpcionSeCambiaYSaleEnElResumen) {
    Arrancar();
    const std::string ini = memoria.Texto(kIni), antes = Texto(Control::Opciones);
    for (const DefOpcion& o : kOpciones) {
        if (!o.menu || o.tipo != TipoOpcion::SiNo) {
            continue;
        }
        SCOPED_TRACE(o.clave);
        prog.Menu_Click(Menu::mnu_opciones_firma_posicion1);  // signing every piece enabled
        const bool marcado = vista[*o.menu].marcado;
        prog.Menu_Click(*o.menu);
        EXPECT_EQ(vista[*o.menu].marcado, !marcado);
        EXPECT_EQ(prog.LeerOpciones().*o.siNo, !marcado);
        EXPECT_EQ(Texto(Control::Opciones)[3 * static_cast<std::size_t>(o.columna)],
                  marcado ? ' ' : o.letras[0][0]);
        prog.Menu_Click(*o.menu);
        EXPECT_EQ(Texto(Control::Opciones), antes);
    }
    EXPECT_EQ(memoria.Texto(kIni), ini);
}

TEST_F(ProgOpciones, CadaGrupoTieneUnaSolaMarca) {
    Arrancar();
    for (const auto& [primero, columna, letras] :
         {std::tuple{Menu::mnu_opciones_txtChar1, 15u, "nmM"},
          std::tuple{Menu::mnu_opciones_firma_posicion1, 18u, "dfc"}}) {
        for (int elegido : {2, 3, 3, 1}) {  // choosing the ticked item again changes nothing
            SCOPED_TRACE(std::string(1, letras[0]) + std::to_string(elegido));
            prog.Menu_Click(ItemDeGrupo(primero, elegido));
            for (int k = 1; k <= 3; ++k) {
                EXPECT_EQ(vista[ItemDeGrupo(primero, k)].marcado, k == elegido);
            }
            EXPECT_EQ(Texto(Control::Opciones)[columna], letras[elegido - 1]);
        }
    }
}

// Signing every piece makes no sense at the caret nor without signing: the last of those two
// commands decides whether its item is enabled, and a disabled tick does not count.
TEST_F(ProgOpciones, FirmarTrozosDependeDeLaUltimaOrden) {
    Arrancar();
    const Menu trozos = Menu::mnu_opciones_firma_trozos;
    prog.Menu_Click(trozos);
    EXPECT_EQ(Texto(Control::Opciones)[24], 'T');
    const struct {
        Menu orden;
        bool habilitado;
    } pasos[] = {{Menu::mnu_opciones_firma_posicion3, false},
                 {Menu::mnu_opciones_firma_auto, true},
                 {Menu::mnu_opciones_firma_auto, false},
                 {Menu::mnu_opciones_firma_posicion1, true}};
    for (const auto& p : pasos) {
        prog.Menu_Click(p.orden);
        EXPECT_EQ(vista[trozos].habilitado, p.habilitado);
        EXPECT_TRUE(vista[trozos].marcado);
        EXPECT_EQ(Texto(Control::Opciones)[24], p.habilitado ? 'T' : ' ');
    }
}

TEST_F(ProgOpciones, GuardarEscribeLasMarcasYLaPosicion) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_inverso);
    prog.Menu_Click(Menu::mnu_opciones_txtChar2);
    vista.Escribir(Control::Lon, "12a");  // saved as typed
    prog.Menu_Click(Menu::mnu_opciones_guardar);
    EXPECT_NE(memoria.Texto(kIni).find("Inverso=1\r\n"), std::string::npos);
    EXPECT_NE(memoria.Texto(kIni).find("MsgMax=12a\r\nLetras=2\r\n"), std::string::npos);
    EXPECT_EQ(Texto(Control::Estado), kEstadoConfiguracionGuardada);

    vista.ventana = Rectangulo{1440, -15, 4875, 3495};
    prog.Menu_Click(Menu::mnu_opciones_guardarventana);
    EXPECT_NE(memoria.Texto(kIni).find("PosicionVentanaX=1440\r\nPosicionVentanaY=-15\r\n"),
              std::string::npos);
    EXPECT_EQ(Texto(Control::Estado), kEstadoPosicionGuardada);

    // Remembering the place is the one option written at once.
    prog.Menu_Click(Menu::mnu_opciones_ventana);
    EXPECT_FALSE(vista[Menu::mnu_opciones_ventana].marcado);
    EXPECT_NE(memoria.Texto(kIni).find("PosicionVentana=0\r\n"), std::string::npos);
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgOpciones, GuardarEnFicheroDeSoloLecturaAvisaCadaVez) {
    Arrancar();
    memoria.SoloLectura(kIni);
    for (int vez = 0; vez < 2; ++vez) {
        prog.Menu_Click(Menu::mnu_opciones_guardar);
        prog.Menu_Click(Menu::mnu_opciones_guardarventana);
        prog.Menu_Click(Menu::mnu_opciones_ventana);  // this one fails without a word
    }
    const Aviso configuracion = AvisoErrorGuardarConfiguracion();
    const Aviso posicion = AvisoErrorGuardarPosicion();
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{configuracion, posicion, configuracion, posicion}));
    EXPECT_EQ(Texto(Control::Estado), "");
}

}  // namespace
}  // namespace rebanex::prueba
