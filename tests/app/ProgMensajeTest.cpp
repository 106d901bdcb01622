// The message view: live counter, Escape, clearing, going back, the right-click menu.
#include <string>
#include <vector>

#include "ProgPrueba.h"

namespace rebanex::prueba {
namespace {

using ProgMensaje = ProgPrueba;

constexpr int kEscape = 27;

TEST_F(ProgMensaje, ElContadorSigueAlMensajeNoAlTamanyo) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola");
    EXPECT_EQ(Texto(Control::Stat), "1 / 4");

    vista.Escribir(Control::Msg, std::string(161, 'x'));
    EXPECT_EQ(Texto(Control::Stat), "2 / 161");

    vista.Escribir(Control::Lon, "10");  // no refresh until the message changes
    EXPECT_EQ(Texto(Control::Stat), "2 / 161");
    vista.Escribir(Control::Msg, std::string(160, 'x'));
    EXPECT_EQ(Texto(Control::Stat), "16 / 160");
}

TEST_F(ProgMensaje, ElContadorAgrupaConElSeparadorDelUsuario) {
    Arrancar();
    vista.Escribir(Control::Msg, std::string(1234, 'x'));
    EXPECT_EQ(Texto(Control::Stat), "8 / 1.234");
    vista.separadorMiles = std::string(1, ',');  // GCC 12 -Wrestrict misfires on = ","
    vista.Escribir(Control::Msg, std::string(1234, 'x'));
    EXPECT_EQ(Texto(Control::Stat), "8 / 1,234");
    vista.Escribir(Control::Msg, "");
    EXPECT_EQ(Texto(Control::Stat), "0 / 0");
}

TEST_F(ProgMensaje, EscapeBorraElMensajeYLuegoSale) {
    Arrancar();
    Trocear("uno dos tres cuatro", "12");
    prog.Editar_Click();
    ASSERT_TRUE(Habilitado(Control::topeDer));

    prog.Form_KeyDown(kEscape, 0);

    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_EQ(Texto(Control::Stat), "0 / 0");
    EXPECT_EQ(Texto(Control::Trozo), "");
    EXPECT_EQ(Texto(Control::LonTrozo), "0");
    EXPECT_EQ(Texto(Control::Contador), "");
    EXPECT_FALSE(Habilitado(Control::izq));
    EXPECT_FALSE(Habilitado(Control::der));
    EXPECT_TRUE(Habilitado(Control::topeDer));  // left as it was
    EXPECT_EQ(vista.foco, Control::Msg);
    EXPECT_EQ(prog.Lista().NumTrozos, 3);  // the pieces are not touched
    EXPECT_FALSE(vista.cerrada);

    prog.Form_KeyDown(kEscape, 1);  // whatever the shift state
    EXPECT_TRUE(vista.cerrada);
}

TEST_F(ProgMensaje, EscapeEnLaVistaDeTrozosVuelveAlMensaje) {
    Arrancar();
    Trocear("hola", "160");
    ASSERT_TRUE(vista[Control::frmTrozo].visible);
    OlvidarRegistro();

    prog.Form_KeyDown(kEscape, 0);

    EXPECT_EQ(vista.registro, (std::vector<std::string>{"Visible frmMsg=1", "Habilitado frmMsg=1",
                                                        "Visible frmTrozo=0",
                                                        "Habilitado frmTrozo=0", "Foco Msg"}));
    EXPECT_EQ(Texto(Control::Msg), "hola");
    EXPECT_FALSE(vista.cerrada);
}

TEST_F(ProgMensaje, OtrasTeclasNoHacenNada) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola");
    OlvidarRegistro();
    for (int tecla : {13, 9, 32, 112, 0}) {
        prog.Form_KeyDown(tecla, 0);
    }
    EXPECT_TRUE(vista.registro.empty());
    EXPECT_EQ(Texto(Control::Msg), "hola");
}

TEST_F(ProgMensaje, EditarMuestraElMensajeYLeDaElFoco) {
    Arrancar();
    Trocear("hola", "160");
    vista.foco = Control::Copiar;
    prog.Editar_Click();
    EXPECT_TRUE(vista[Control::frmMsg].visible);
    EXPECT_TRUE(vista[Control::frmMsg].habilitado);
    EXPECT_FALSE(vista[Control::frmTrozo].visible);
    EXPECT_FALSE(vista[Control::frmTrozo].habilitado);
    EXPECT_EQ(vista.foco, Control::Msg);
}

TEST_F(ProgMensaje, ClicDerechoAbreLasOpcionesSinTrocear) {
    Arrancar();
    prog.Partir_MouseDown(2, 0, 10.0f, 5.0f);
    prog.Opciones_MouseDown(2, 1, 0.0f, 0.0f);
    EXPECT_EQ(vista.menusOpciones, 2);

    prog.Partir_MouseDown(1, 0, 10.0f, 5.0f);
    prog.Opciones_MouseDown(4, 0, 10.0f, 5.0f);
    EXPECT_EQ(vista.menusOpciones, 2);
    // An empty message would have been refused by a split.
    EXPECT_TRUE(vista.avisos.empty());
    EXPECT_TRUE(vista.registro.empty());
}

TEST_F(ProgMensaje, SalirCierraSinGuardarNada) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola");
    prog.Menu_Click(Menu::mnu_archivo_salir);
    EXPECT_TRUE(vista.cerrada);
    EXPECT_TRUE(perfil.escrituras.empty());
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgMensaje, LosComandosQueFaltanNoHacenNada) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola");
    OlvidarRegistro();
    for (Menu m : {Menu::mnu_archivo_cargar, Menu::mnu_archivo_guardar, Menu::mnu_archivo_mensatel,
                   Menu::mnu_archivo_mensatellog, Menu::mnu_reemplazos_abrir,
                   Menu::mnu_reemplazos_fichero1, Menu::mnu_reemplazos_fichero5,
                   Menu::mnu_opciones_fichR, Menu::mnu_ayuda_utilidad, Menu::mnu_ayuda_acerca,
                   Menu::mnu_ayuda_bajarNew, Menu::mnu_ayuda_enviarmsg, Menu::mnu_ayuda_peich,
                   Menu::mnu_ayuda_foro, Menu::mnu_ayuda_chat, Menu::mnu_ayuda_faqMensatel}) {
        prog.Menu_Click(m);
    }
    prog.Mensatel_Click();
    EXPECT_TRUE(vista.registro.empty());
    EXPECT_TRUE(perfil.escrituras.empty());
    EXPECT_TRUE(vista.avisos.empty());
    EXPECT_FALSE(vista.cerrada);
    EXPECT_EQ(prog.RutaReemplazos(), "C:\\Rebanex\\Rebanex.txt");
}

}  // namespace
}  // namespace rebanex::prueba
