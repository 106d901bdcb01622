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
    EXPECT_EQ(Marcas(), "0 1 1 1 1 1 100 0 0 100 0 1");
    EXPECT_EQ(Texto(Control::Lon), "160");
    EXPECT_EQ(vista.titulo, "Rebanex  -  01/01/2002");
    EXPECT_EQ(Texto(Control::Opciones), "   A  E  P  O  n  d           #  ");
    EXPECT_EQ(vista.ventana.izquierda, 2880);  // no stored position: it stays
    EXPECT_FALSE(vista[Control::Msg].colores.has_value());
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgArranque, TomaLoGuardadoYLoDelMensatel) {
    for (const std::string par :
         {"Inverso=1", "NoAcentos=0", "MsgMax=abc", "Letras=3", "FirmarAutomaticamente=1",
          "FirmarEnTrozos=1", "FirmarEnPosicion=3", "AutoReemplazar=1", "PosicionVentana=1",
          "PosicionVentanaX=1500", "PosicionVentanaY=900"}) {
        Guardar("Rebanex", par.substr(0, par.find('=')), par.substr(par.find('=') + 1));
    }
    Guardar("FicherosReemplazos", "1", "D:\\reglas.txt");
    const std::string mensatel = "C:\\Rebanex\\mensatel.ini";
    memoria.EscribirCadena(mensatel, "colores", "fondo", "16777215");
    memoria.EscribirCadena(mensatel, "colores", "texto", "0");
    memoria.EscribirCadena(mensatel, "Usuario", "firma", "Ana");

    Arrancar();

    EXPECT_EQ(Marcas(), "1 0 1 1 1 1 001 1 1 001 1 1");
    EXPECT_EQ(Texto(Control::Lon), "0");  // not a number
    // At the caret signing every piece is disabled, although auto-signature is on.
    EXPECT_FALSE(vista[Menu::mnu_opciones_firma_trozos].habilitado);
    EXPECT_EQ(prog.RutaReemplazos(), "D:\\reglas.txt");
    EXPECT_EQ(Texto(Control::Opciones), "I     E  P  O  M  c  F     R  #  ");
    EXPECT_EQ(vista.ventana, (Rectangulo{1500, 900, 4875, 3495}));
    for (Control c : {Control::Msg, Control::Trozo}) {
        EXPECT_EQ(vista[c].colores, std::make_pair(int32_t{0}, int32_t{16777215}));
    }
    EXPECT_EQ(prog.FirmaMensatel(), "Ana");
}

// Every flag through its menu item: the tick, the value read back and its letter in the
// summary; nothing is saved until asked.
TEST_F(ProgOpciones, CadaOpcionSeCambiaYSaleEnElResumen) {
    Arrancar();
    const std::string ini = memoria.Texto(kIni), antes = Texto(Control::Opciones);
    for (const DefOpcion& o : kOpciones) {
        if (o.menu && o.tipo == TipoOpcion::SiNo) {
            SCOPED_TRACE(o.clave);
            const bool marcado = vista[*o.menu].marcado;
            prog.Menu_Click(*o.menu);
            EXPECT_EQ(vista[*o.menu].marcado, !marcado);
            EXPECT_EQ(prog.LeerOpciones().*o.siNo, !marcado);
            EXPECT_EQ(Texto(Control::Opciones)[3 * static_cast<std::size_t>(o.columna)],
                      marcado ? ' ' : o.letras[0][0]);
            prog.Menu_Click(*o.menu);
            prog.Menu_Click(Menu::mnu_opciones_firma_posicion1);  // signing every piece enabled
            EXPECT_EQ(Texto(Control::Opciones), antes);
        }
    }
    EXPECT_EQ(memoria.Texto(kIni), ini);
    // Signing every piece makes no sense at the caret nor without signing: the last of those
    // commands decides whether its item is enabled; a disabled tick does not count.
    prog.Menu_Click(Menu::mnu_opciones_firma_trozos);
    for (const auto& [orden, habilitado] : {std::pair{Menu::mnu_opciones_firma_posicion3, false},
                                            {Menu::mnu_opciones_firma_auto, true},
                                            {Menu::mnu_opciones_firma_auto, false}}) {
        prog.Menu_Click(orden);
        EXPECT_EQ(vista[Menu::mnu_opciones_firma_trozos].habilitado, habilitado);
        EXPECT_EQ(Texto(Control::Opciones)[24], habilitado ? 'T' : ' ');
    }
}

TEST_F(ProgOpciones, GuardarEscribeLasMarcasYLaPosicion) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_txtChar2);
    vista.Escribir(Control::Lon, "12a");  // saved as typed
    prog.Menu_Click(Menu::mnu_opciones_guardar);
    EXPECT_NE(memoria.Texto(kIni).find("MsgMax=12a\r\nLetras=2\r\n"), std::string::npos);
    EXPECT_EQ(Texto(Control::Estado), kEstadoConfiguracionGuardada);

    vista.ventana = Rectangulo{1440, -15, 4875, 3495};
    prog.Menu_Click(Menu::mnu_opciones_guardarventana);
    EXPECT_NE(memoria.Texto(kIni).find("X=1440\r\nPosicionVentanaY=-15\r\n"), std::string::npos);
    EXPECT_EQ(Texto(Control::Estado), kEstadoPosicionGuardada);

    prog.Menu_Click(Menu::mnu_opciones_ventana);  // the one option written at once
    EXPECT_NE(memoria.Texto(kIni).find("PosicionVentana=0\r\n"), std::string::npos);

    memoria.SoloLectura(kIni);
    vista[Control::Estado].texto = "";
    prog.Menu_Click(Menu::mnu_opciones_guardar);
    prog.Menu_Click(Menu::mnu_opciones_guardarventana);
    prog.Menu_Click(Menu::mnu_opciones_ventana);  // fails without a word
    EXPECT_EQ(vista.avisos,
              (std::vector<Aviso>{AvisoErrorGuardarConfiguracion(), AvisoErrorGuardarPosicion()}));
    EXPECT_EQ(Texto(Control::Estado), "");
}

}  // namespace
}  // namespace rebanex::prueba
