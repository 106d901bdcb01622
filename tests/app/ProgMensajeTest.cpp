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

// The cut of the core reaches the piece view, which replaces the message view.
TEST_F(ProgMensaje, TrocearMuestraElPrimerTrozo) {
    Arrancar();
    anfitrion.tamanyo = "145";  // ObtenerTamañoMsg is on by default: it counts from the next
    Trocear("hola mundo que tal estas", "20");

    EXPECT_EQ(Texto(Control::Trozo), "1/2 hola mundo que ");
    EXPECT_EQ(Texto(Control::LonTrozo), "19");
    EXPECT_EQ(Texto(Control::Contador), "1/2");
    EXPECT_EQ(Texto(Control::Estado), "");
    EXPECT_TRUE(Habilitado(Control::Copiar));
    EXPECT_FALSE(vista[Control::frmMsg].visible);
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
        vista[Control::Lon].seleccion = 0;
        vista.foco = Control::Partir;
        Trocear(c.mensaje, c.lon);
        EXPECT_EQ(vista.avisos, std::vector<Aviso>{c.aviso});
        EXPECT_EQ(vista.foco, c.foco);
        EXPECT_EQ(vista[Control::Lon].seleccion, c.seleccion);
        EXPECT_TRUE(vista[Control::frmMsg].visible);
        EXPECT_EQ(prog.Trozos(), std::vector<std::string>{"anterior"});
        EXPECT_EQ(anfitrion.lecturas, lecturas);  // Mensatel is not asked before the checks
    }
}

TEST_F(ProgMensaje, ElContadorSigueAlMensaje) {
    Arrancar();
    vista.separadorMiles = std::string(1, ',');  // GCC 12 -Wrestrict misfires on = ","
    vista.Escribir(Control::Msg, std::string(1234, 'x'));
    EXPECT_EQ(Texto(Control::Stat), "8 / 1,234");
    vista.Escribir(Control::Lon, "10");  // no refresh until the message changes
    EXPECT_EQ(Texto(Control::Stat), "8 / 1,234");
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
    EXPECT_FALSE(vista[Control::frmTrozo].visible);
    EXPECT_EQ(vista.foco, Control::Msg);
    EXPECT_EQ(Texto(Control::Msg), "uno dos tres cuatro");

    prog.Form_KeyDown(kEscape, 0);
    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_EQ(Texto(Control::Stat), "0 / 0");
    EXPECT_EQ(Texto(Control::Trozo), "");
    EXPECT_EQ(Texto(Control::Contador), "");
    EXPECT_FALSE(Habilitado(Control::Copiar));
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

// The format commands change the whole message whatever the options; the counter follows.
TEST_F(ProgMensaje, ElMenuFormatoCambiaTodoElMensaje) {
    Arrancar();
    SinTransformaciones();
    vista.Escribir(Control::Msg, "canción\r\nÁRBOL   él");
    prog.Menu_Click(Menu::mnu_formato_acentos);
    prog.Menu_Click(Menu::mnu_formato_espacio);
    prog.Menu_Click(Menu::mnu_formato_letras2);
    EXPECT_EQ(Texto(Control::Msg), "CANCION\r\nARBOL EL");
    EXPECT_EQ(Texto(Control::Stat), "1 / 17");
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
    for (const auto& [posicion, resultado] :
         {std::pair{Menu::mnu_opciones_firma_posicion1, "Ana hola"},
          std::pair{Menu::mnu_opciones_firma_posicion2, "hola Ana"},
          std::pair{Menu::mnu_opciones_firma_posicion3, "hoAnala"}}) {
        prog.Menu_Click(posicion);
        vista.Escribir(Control::Msg, "hola");
        vista[Control::Msg].inicio = 2;
        vista.foco = Control::btnFirma;
        prog.Menu_Click(Menu::mnu_formato_firma);  // the button's command
        EXPECT_EQ(Texto(Control::Msg), resultado);
        EXPECT_EQ(vista.foco, Control::Msg);
    }
}

}  // namespace
}  // namespace rebanex::prueba
