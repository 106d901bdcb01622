// The piece view: the four arrows, edits in the piece box, the copy button.
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
        ASSERT_EQ(prog.Trozos().size(), 3u);
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

TEST_F(ProgTrozos, LasFlechasRecorrenLosTrozosYSeParanEnLosExtremos) {
    TresTrozos();
    EXPECT_EQ(Flechas(), "0011");
    OlvidarRegistro();
    prog.izq_Click();  // already on the first: only the buttons are set
    EXPECT_TRUE(vista.Registro("Texto ").empty());
    EXPECT_EQ(Flechas(), "0011");

    struct Paso {
        void (Prog::*clic)();
        std::string trozo, contador, flechas;
    };
    for (const Paso& p : {Paso{&Prog::der_Click, "dos ", "2/3", "1111"},
                          Paso{&Prog::topeDer_Click, "tres", "3/3", "1100"},
                          Paso{&Prog::der_Click, "tres", "3/3", "1100"},
                          Paso{&Prog::izq_Click, "dos ", "2/3", "1111"},
                          Paso{&Prog::topeIzq_Click, "uno ", "1/3", "0011"}}) {
        SCOPED_TRACE(p.trozo + p.contador);
        OlvidarRegistro();
        (prog.*p.clic)();
        EXPECT_EQ(Texto(Control::Trozo), p.trozo);
        EXPECT_EQ(Texto(Control::LonTrozo), std::to_string(p.trozo.size()));
        EXPECT_EQ(Texto(Control::Contador), p.contador);
        EXPECT_EQ(Flechas(), p.flechas);
        EXPECT_EQ(vista.Registro("Repintar Contador").size(),
                  vista.Registro("Texto Contador=").size());  // painted at once
    }
}

// Spaces only: one empty piece, nothing to copy until something is typed.
TEST_F(ProgTrozos, UnTrozoVacioSinFlechasNiCopiar) {
    Arrancar();
    Trocear("   ", "160");
    EXPECT_EQ(Texto(Control::Contador), "1/1");
    EXPECT_EQ(Texto(Control::LonTrozo), "0");
    EXPECT_EQ(Flechas(), "0000");
    EXPECT_FALSE(Habilitado(Control::Copiar));

    vista.Escribir(Control::Trozo, "x");
    EXPECT_TRUE(Habilitado(Control::Copiar));
    EXPECT_EQ(Texto(Control::LonTrozo), "1");
}

TEST_F(ProgTrozos, LosCambiosEnElTrozoNoSeGuardan) {
    TresTrozos();
    vista.Escribir(Control::Trozo, "cambiado");
    prog.der_Click();
    prog.izq_Click();
    EXPECT_EQ(Texto(Control::Trozo), "uno ");
    EXPECT_EQ(prog.Trozos()[0], "uno ");
}

TEST_F(ProgTrozos, SinPegarAlMensatelCopiaElMensajeEntero) {
    TresTrozos();
    Marcar(Menu::mnu_opciones_pegar, false);
    prog.der_Click();
    prog.Copiar_Click();
    EXPECT_EQ(portapapeles.texto, "uno dos tres");
    EXPECT_EQ(prog.TrozoActual(), 2);  // the view does not move
    EXPECT_TRUE(anfitrion.pegados.empty());
}

TEST_F(ProgTrozos, PegarAlMensatelPasaAlSiguienteSiLoAcepta) {
    TresTrozos();
    vista.Escribir(Control::Trozo, "uno editado");
    prog.Copiar_Click();
    EXPECT_EQ(Texto(Control::Contador), "2/3");

    // Refused, no main window, a field that would not empty, another paste waiting: the
    // view stays.
    for (ResultadoPegar r : {ResultadoPegar::Rechazado, ResultadoPegar::SinVentana,
                             ResultadoPegar::CampoLleno, ResultadoPegar::Ocupado}) {
        anfitrion.respuesta = r;
        OlvidarRegistro();
        prog.Copiar_Click();
        EXPECT_TRUE(vista.registro.empty());
    }

    anfitrion.respuesta = ResultadoPegar::Pegado;
    prog.topeDer_Click();
    prog.Copiar_Click();  // the last piece stays
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    EXPECT_EQ(Flechas(), "1100");
    // The piece goes as shown, edits included.
    EXPECT_EQ(anfitrion.pegados,
              (std::vector<std::string>{"uno editado", "dos ", "dos ", "dos ", "dos ", "tres"}));
    EXPECT_FALSE(portapapeles.texto.has_value());
}

TEST_F(ProgTrozos, SinMensatelElPegadoCuentaComoHecho) {
    TresTrozos();
    anfitrion.respuesta = ResultadoPegar::SinMensatel;
    prog.Copiar_Click();
    EXPECT_EQ(prog.TrozoActual(), 2);
}

TEST_F(ProgTrozos, MensatelSeMuestraOSeEjecuta) {
    TresTrozos();
    prog.Mensatel_Click();
    prog.Menu_Click(Menu::mnu_archivo_mensatel);
    EXPECT_EQ(anfitrion.mostrados, 1);
    EXPECT_EQ(anfitrion.ejecutados, 1);
}

// While a paste waits for Mensatel, Escape ends the wait and nothing else; a split is
// refused; the rest of the window works.
TEST_F(ProgTrozos, MientrasSeEsperaAlMensatel) {
    TresTrozos();
    anfitrion.ocupado = true;
    prog.Form_KeyDown(27, 0);
    EXPECT_EQ(anfitrion.cancelados, 1);
    EXPECT_TRUE(vista[Control::frmTrozo].visible);
    prog.der_Click();
    EXPECT_EQ(Texto(Control::Contador), "2/3");
    const int lecturas = anfitrion.lecturas;
    prog.Editar_Click();
    Trocear("otro mensaje", "160");
    EXPECT_EQ(prog.Trozos().size(), 3u);
    EXPECT_EQ(anfitrion.lecturas, lecturas);

    anfitrion.ocupado = false;
    prog.Form_KeyDown(27, 0);  // the message view's Escape again: clears the message
    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_EQ(anfitrion.cancelados, 1);
}

}  // namespace
}  // namespace rebanex::prueba
