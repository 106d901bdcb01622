// The piece view: the four arrows, edits in the piece box, the copy button.
#include <algorithm>
#include <string>
#include <vector>

#include "ProgPrueba.h"

namespace rebanex::prueba {
namespace {

class ProgTrozos : public ProgPrueba {
  protected:
    // Three plain pieces: "uno ", "dos ", "tres".
    void TresTrozos() {
        Arrancar();
        SinTransformaciones();
        Trocear("uno dos tres", "5");
        ASSERT_EQ(prog.Lista().NumTrozos, 3);
    }
    // Which of topeIzq, izq, der, topeDer are enabled, as "0110".
    std::string Flechas() {
        std::string s;
        for (Control c : {Control::topeIzq, Control::izq, Control::der, Control::topeDer}) {
            s += Habilitado(c) ? '1' : '0';
        }
        return s;
    }
};

TEST_F(ProgTrozos, LasFlechasRecorrenLosTrozos) {
    TresTrozos();
    EXPECT_EQ(Texto(Control::Trozo), "uno ");
    EXPECT_EQ(Flechas(), "0011");

    prog.der_Click();
    EXPECT_EQ(Texto(Control::Trozo), "dos ");
    EXPECT_EQ(Texto(Control::Contador), "2/3");
    EXPECT_EQ(Flechas(), "1111");

    prog.topeDer_Click();
    EXPECT_EQ(Texto(Control::Trozo), "tres");
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    EXPECT_EQ(Texto(Control::LonTrozo), "4");
    EXPECT_EQ(Flechas(), "1100");

    prog.izq_Click();
    EXPECT_EQ(Texto(Control::Contador), "2/3");
    prog.topeIzq_Click();
    EXPECT_EQ(Texto(Control::Trozo), "uno ");
    EXPECT_EQ(Texto(Control::Contador), "1/3");
    EXPECT_EQ(Flechas(), "0011");
}

TEST_F(ProgTrozos, MasAllaDeLosExtremosNoSeMueve) {
    TresTrozos();
    OlvidarRegistro();
    prog.izq_Click();
    EXPECT_EQ(prog.Lista().TrozoActual, 1);
    EXPECT_TRUE(vista.Registro("Texto ").empty());
    EXPECT_EQ(Flechas(), "0011");

    prog.topeDer_Click();
    prog.der_Click();
    EXPECT_EQ(prog.Lista().TrozoActual, 3);
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    EXPECT_EQ(Flechas(), "1100");
}

TEST_F(ProgTrozos, ElContadorSeRepintaAlMomento) {
    TresTrozos();
    OlvidarRegistro();
    prog.der_Click();
    EXPECT_EQ(vista.Registro("Texto Contador=").size(), 1u);
    const auto contador =
        std::find(vista.registro.begin(), vista.registro.end(), "Texto Contador=2/3");
    ASSERT_NE(contador, vista.registro.end());
    ASSERT_NE(contador + 1, vista.registro.end());
    EXPECT_EQ(*(contador + 1), "Repintar Contador");
}

TEST_F(ProgTrozos, UnSoloTrozoDeshabilitaLasCuatroFlechas) {
    Arrancar();
    Trocear("hola", "160");
    EXPECT_EQ(Texto(Control::Contador), "1/1");
    EXPECT_EQ(Texto(Control::Trozo), "hola");  // one piece: no indicator
    EXPECT_EQ(Flechas(), "0000");
    EXPECT_TRUE(Habilitado(Control::Copiar));
}

TEST_F(ProgTrozos, LosCambiosEnElTrozoNoSeGuardan) {
    TresTrozos();
    vista.Escribir(Control::Trozo, "cambiado");
    EXPECT_EQ(Texto(Control::LonTrozo), "8");
    prog.der_Click();
    prog.izq_Click();
    EXPECT_EQ(Texto(Control::Trozo), "uno ");
    EXPECT_EQ(Texto(Control::LonTrozo), "4");
    EXPECT_EQ(prog.Lista().Trozos[1], "uno ");
}

TEST_F(ProgTrozos, CopiarSeHabilitaConTexto) {
    TresTrozos();
    vista.Escribir(Control::Trozo, "");
    EXPECT_FALSE(Habilitado(Control::Copiar));
    EXPECT_EQ(Texto(Control::LonTrozo), "0");
    vista.Escribir(Control::Trozo, "x");
    EXPECT_TRUE(Habilitado(Control::Copiar));
    EXPECT_EQ(Texto(Control::LonTrozo), "1");
}

TEST_F(ProgTrozos, SinPegarAlMensatelCopiaElMensajeEntero) {
    TresTrozos();
    Marcar(Menu::mnu_opciones_pegar, false);
    prog.der_Click();
    prog.Copiar_Click();
    EXPECT_EQ(vista.portapapeles, "uno dos tres");
    EXPECT_EQ(prog.Lista().TrozoActual, 2);  // the view does not move
    EXPECT_TRUE(anfitrion.pegados.empty());
}

TEST_F(ProgTrozos, PegarAlMensatelPasaAlSiguienteYSeQuedaEnElUltimo) {
    TresTrozos();
    vista.Escribir(Control::Trozo, "uno editado");
    prog.Copiar_Click();
    EXPECT_EQ(Texto(Control::Contador), "2/3");
    prog.topeDer_Click();
    prog.Copiar_Click();
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    EXPECT_EQ(Flechas(), "1100");
    // The piece goes as shown, edits included.
    EXPECT_EQ(anfitrion.pegados, (std::vector<std::string>{"uno editado", "tres"}));
    EXPECT_FALSE(vista.portapapeles.has_value());
}

TEST_F(ProgTrozos, SiMensatelRechazaElTrozoNoSeMueve) {
    TresTrozos();
    anfitrion.respuesta = false;
    OlvidarRegistro();
    prog.Copiar_Click();
    EXPECT_EQ(prog.Lista().TrozoActual, 1);
    EXPECT_TRUE(vista.registro.empty());
    EXPECT_EQ(anfitrion.pegados.size(), 1u);
}

TEST_F(ProgTrozos, SinMensatelElPegadoCuentaComoHecho) {
    AnfitrionAusente ausente;
    FakeVista otraVista;
    Prog otro(otraVista, perfil, ausente);
    otraVista.Conectar(otro);
    otro.Form_Load(kDirectorio, "");
    otraVista.Escribir(Control::Msg, "uno dos tres");
    otraVista.Escribir(Control::Lon, "20");
    otro.Partir_Click();
    ASSERT_EQ(otro.Lista().NumTrozos, 1);
    otro.Copiar_Click();  // stays on the only piece
    EXPECT_EQ(otraVista[Control::Contador].texto, "1/1");

    otro.Editar_Click();
    otraVista.Escribir(Control::Lon, "12");
    otraVista.Escribir(Control::Msg, "uno dos tres cuatro cinco");
    otro.Partir_Click();
    ASSERT_GT(otro.Lista().NumTrozos, 1);
    otro.Copiar_Click();
    EXPECT_EQ(otro.Lista().TrozoActual, 2);
}

}  // namespace
}  // namespace rebanex::prueba
