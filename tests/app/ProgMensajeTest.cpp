// The message view: the split button and its refusals, the live counter, Escape, the
// right-click menu, the format menu and the signature button.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "split/Partir.h"

namespace rebanex::prueba {
namespace {

using ProgMensaje = ProgPrueba;
constexpr int kEscape = 27;

// The core's cut reaches the piece view, which replaces the message view.
TEST_F(ProgMensaje, TrocearMuestraElPrimerTrozo) {
    Arrancar();
    anfitrion.tamanyo = "145";  // ObtenerTamañoMsg is on by default: it counts from the next
    Trocear("hola mundo que tal estas", "20");
    EXPECT_EQ(Texto(Control::Trozo), "1/2 hola mundo que ");
    EXPECT_EQ(Texto(Control::LonTrozo), "19");
    EXPECT_EQ(Texto(Control::Contador), "1/2");
    EXPECT_TRUE(Habilitado(Control::Copiar));
    EXPECT_FALSE(vista[Control::frmMsg].visible || Habilitado(Control::frmMsg));
    EXPECT_TRUE(vista[Control::frmTrozo].visible && Habilitado(Control::frmTrozo));
    EXPECT_EQ(Texto(Control::Msg), "hola mundo que tal estas");  // only the copy is cut
    EXPECT_EQ(Texto(Control::Lon), "145");
    EXPECT_TRUE(vista.avisos.empty());

    anfitrion.tamanyo = std::nullopt;  // Mensatel not there: Lon stays
    prog.etLongMax_Click();
    EXPECT_EQ(Texto(Control::Lon), "145");
}

// A refused split shows its box, puts the focus where the fault is, and changes nothing else.
TEST_F(ProgMensaje, UnTroceoRechazadoAvisaEnfocaYNoCambiaNadaMas) {
    Arrancar();
    Trocear("anterior", "160");
    prog.Editar_Click();
    const int lecturas = anfitrion.lecturas;
    const struct {
        std::string mensaje, lon;
        Aviso aviso;
        Control foco;
        long long seleccion;
    } casos[] = {{"", "160", AvisoMensajeVacio(), Control::Msg, 0},
                 {"hola", "16a", AvisoSoloNumeros(), Control::Lon, 3},
                 {"hola", "11", AvisoMinimoIndicadores(), Control::Lon, 0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.aviso.titulo);
        vista.avisos.clear();
        vista.foco = Control::Partir;
        Trocear(c.mensaje, c.lon);
        EXPECT_EQ(vista.avisos, std::vector<Aviso>{c.aviso});
        EXPECT_EQ(vista.foco, c.foco);
        EXPECT_EQ(vista[Control::Lon].seleccion, c.seleccion);
        vista[Control::Lon].seleccion = 0;
        EXPECT_TRUE(vista[Control::frmMsg].visible);
        EXPECT_EQ(prog.Trozos(), std::vector<std::string>{"anterior"});
        EXPECT_EQ(anfitrion.lecturas, lecturas);  // Mensatel is not asked before the checks
    }
}

// In the piece view Escape goes back to the message; in the message view it clears the
// message, and on an empty one leaves without saving. Other keys do nothing.
TEST_F(ProgMensaje, EscapeVuelveBorraYSale) {
    Arrancar();
    Trocear("uno dos tres cuatro", "12");
    const std::string ini = memoria.Texto(kIni);
    for (int tecla : {13, 9, 32, 112, 0}) {
        prog.Form_KeyDown(tecla, 0);
    }
    EXPECT_TRUE(vista[Control::frmTrozo].visible);
    prog.Form_KeyDown(kEscape, 0);
    EXPECT_TRUE(vista[Control::frmMsg].visible && Habilitado(Control::frmMsg));
    EXPECT_FALSE(vista[Control::frmTrozo].visible || Habilitado(Control::frmTrozo));
    EXPECT_EQ(Texto(Control::Msg), "uno dos tres cuatro");

    vista.foco = Control::Partir;
    prog.Form_KeyDown(kEscape, 0);
    for (Control c : {Control::Msg, Control::Trozo, Control::Contador}) {
        EXPECT_EQ(Texto(c), "");
    }
    EXPECT_EQ(Texto(Control::Stat), "0 / 0");
    EXPECT_FALSE(Habilitado(Control::Copiar));
    EXPECT_EQ(vista.foco, Control::Msg);
    EXPECT_FALSE(vista.cerrada);

    prog.Form_KeyDown(kEscape, 1);  // whatever the shift state
    EXPECT_TRUE(vista.cerrada);
    EXPECT_EQ(memoria.Texto(kIni), ini);
}

TEST_F(ProgMensaje, ClicDerechoAbreLasOpcionesSinTrocear) {
    Arrancar();
    prog.Partir_MouseDown(2, 0, 10.0f, 5.0f);
    prog.Opciones_MouseDown(2, 1, 0.0f, 0.0f);
    prog.Partir_MouseDown(1, 0, 10.0f, 5.0f);
    prog.Opciones_MouseDown(4, 0, 10.0f, 5.0f);
    EXPECT_EQ(vista.menusOpciones, 2);
    EXPECT_TRUE(vista.avisos.empty());  // an empty message would have been refused
}

// The format commands change the whole message whatever the options; the counter follows,
// with the user's thousands separator.
TEST_F(ProgMensaje, ElMenuFormatoCambiaTodoElMensaje) {
    Arrancar();
    SinTransformaciones();
    vista.Escribir(Control::Msg, "canción\r\nÁRBOL   él" + std::string(1000, ' '));
    prog.Menu_Click(Menu::mnu_formato_acentos);
    prog.Menu_Click(Menu::mnu_formato_letras2);
    EXPECT_EQ(Texto(Control::Msg), "CANCION\r\nARBOL   EL" + std::string(1000, ' '));
    EXPECT_EQ(Texto(Control::Stat), "7 / 1,019");
    prog.Menu_Click(Menu::mnu_formato_espacio);
    EXPECT_EQ(Texto(Control::Msg), "CANCION\r\nARBOL EL ");
    EXPECT_EQ(Texto(Control::Stat), "1 / 18");
    EXPECT_EQ(Texto(Control::Estado), "");
}

TEST_F(ProgMensaje, LaFirmaVaDondeDiceSuPosicionYSinFirmaNada) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola");
    vista.foco = Control::Partir;
    prog.btnFirma_Click();
    EXPECT_EQ(Texto(Control::Msg), "hola");
    EXPECT_EQ(vista.foco, Control::Partir);

    memoria.EscribirCadena("C:\\Rebanex\\mensatel.ini", "Usuario", "firma", "Ana");
    Arrancar();
    for (const auto& [posicion, firmado] :
         {std::pair{Menu::mnu_opciones_firma_posicion3, "hoAnala"},
          {Menu::mnu_opciones_firma_posicion1, "Ana hola"},
          {Menu::mnu_opciones_firma_posicion2, "hola Ana"}}) {
        prog.Menu_Click(posicion);
        vista.Escribir(Control::Msg, "hola");
        vista[Control::Msg].inicio = 2;
        prog.Menu_Click(Menu::mnu_formato_firma);  // the button's command
        EXPECT_EQ(Texto(Control::Msg), firmado);
        EXPECT_EQ(vista.foco, Control::Msg);
        vista.foco = Control::btnFirma;
    }
}

}  // namespace
}  // namespace rebanex::prueba
