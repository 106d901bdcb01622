// The message view: live counter, Escape, clearing, going back, the right-click menu,
// leaving, and the commands still to come.
#include <string>
#include <vector>

#include "ProgPrueba.h"

namespace rebanex::prueba {
namespace {

using ProgMensaje = ProgPrueba;

constexpr int kEscape = 27;

TEST_F(ProgMensaje, ElContadorSigueAlMensajeNoAlTamanyo) {
    Arrancar();
    vista.Escribir(Control::Msg, std::string(161, 'x'));
    EXPECT_EQ(Texto(Control::Stat), "2 / 161");

    vista.Escribir(Control::Lon, "10");  // no refresh until the message changes
    EXPECT_EQ(Texto(Control::Stat), "2 / 161");
    vista.separadorMiles = std::string(1, ',');  // GCC 12 -Wrestrict misfires on = ","
    vista.Escribir(Control::Msg, std::string(1234, 'x'));
    EXPECT_EQ(Texto(Control::Stat), "124 / 1,234");  // the user's thousands separator
    vista.Escribir(Control::Msg, "");
    EXPECT_EQ(Texto(Control::Stat), "0 / 0");
}

TEST_F(ProgMensaje, EscapeBorraElMensajeYLuegoSale) {
    Arrancar();
    Trocear("uno dos tres cuatro", "12");
    prog.Editar_Click();
    ASSERT_TRUE(Habilitado(Control::topeDer));
    OlvidarRegistro();

    prog.Form_KeyDown(kEscape, 0);

    EXPECT_EQ(vista.Diario(),
              "Texto Msg=; Texto Stat=0 / 0; Texto Trozo=; Habilitado Copiar=0; "
              "Texto LonTrozo=0; Texto Contador=; Habilitado izq=0; Habilitado der=0; Foco Msg");
    EXPECT_TRUE(Habilitado(Control::topeDer));  // left as it was
    EXPECT_EQ(prog.Trozos().size(), 3u);        // the pieces are not touched
    EXPECT_FALSE(vista.cerrada);

    prog.Form_KeyDown(kEscape, 1);  // whatever the shift state
    EXPECT_TRUE(vista.cerrada);
    EXPECT_TRUE(perfil.escrituras.empty());  // nothing is saved on the way out
}

TEST_F(ProgMensaje, EditarYEscapeEnLosTrozosVuelvenAlMensaje) {
    Arrancar();
    for (bool tecla : {false, true}) {
        Trocear("hola", "160");
        ASSERT_TRUE(vista[Control::frmTrozo].visible);
        OlvidarRegistro();

        tecla ? prog.Form_KeyDown(kEscape, 0) : prog.Editar_Click();

        EXPECT_EQ(vista.Diario(),
                  "Visible frmMsg=1; Habilitado frmMsg=1; Visible frmTrozo=0; "
                  "Habilitado frmTrozo=0; Foco Msg");
        EXPECT_EQ(Texto(Control::Msg), "hola");
        EXPECT_FALSE(vista.cerrada);
    }
}

TEST_F(ProgMensaje, OtrasTeclasNoHacenNada) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola");
    OlvidarRegistro();
    for (int tecla : {13, 9, 32, 112, 0}) {
        prog.Form_KeyDown(tecla, 0);
    }
    EXPECT_TRUE(vista.registro.empty());
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

TEST_F(ProgMensaje, LosComandosQueFaltanNoHacenNada) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola");
    OlvidarRegistro();
    for (Menu m : {Menu::mnu_archivo_guardar, Menu::mnu_archivo_mensatel}) {
        prog.Menu_Click(m);
    }
    prog.Mensatel_Click();
    EXPECT_TRUE(vista.registro.empty());
    EXPECT_TRUE(perfil.escrituras.empty());
    EXPECT_TRUE(vista.avisos.empty());
    EXPECT_FALSE(vista.cerrada);
    EXPECT_EQ(prog.RutaReemplazos(), "C:\\Rebanex\\Rebanex.txt");

    prog.Menu_Click(Menu::mnu_archivo_salir);
    EXPECT_TRUE(vista.cerrada);
}

}  // namespace
}  // namespace rebanex::prueba
