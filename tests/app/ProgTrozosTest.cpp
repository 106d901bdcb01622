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
    EXPECT_EQ(vista.portapapeles, "uno dos tres");
    EXPECT_EQ(prog.TrozoActual(), 2);  // the view does not move
    EXPECT_TRUE(anfitrion.pegados.empty());
}

TEST_F(ProgTrozos, PegarAlMensatelPasaAlSiguienteSiLoAcepta) {
    TresTrozos();
    vista.Escribir(Control::Trozo, "uno editado");
    prog.Copiar_Click();
    EXPECT_EQ(Texto(Control::Contador), "2/3");

    anfitrion.respuesta = false;  // Mensatel's size limit refused it
    OlvidarRegistro();
    prog.Copiar_Click();
    EXPECT_TRUE(vista.registro.empty());

    anfitrion.respuesta = true;
    prog.topeDer_Click();
    prog.Copiar_Click();  // the last piece stays
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    EXPECT_EQ(Flechas(), "1100");
    // The piece goes as shown, edits included.
    EXPECT_EQ(anfitrion.pegados, (std::vector<std::string>{"uno editado", "dos ", "tres"}));
    EXPECT_FALSE(vista.portapapeles.has_value());
}

TEST_F(ProgTrozos, SinMensatelElPegadoCuentaComoHecho) {
    AnfitrionAusente ausente;
    Prog otro(vista, perfil, ausente);
    vista.Conectar(otro);
    otro.Form_Load(kDirectorio, "");
    SinTransformaciones();
    vista.Escribir(Control::Msg, "uno dos tres");
    vista.Escribir(Control::Lon, "5");
    otro.Partir_Click();
    otro.Copiar_Click();
    EXPECT_EQ(otro.TrozoActual(), 2);
}

}  // namespace
}  // namespace rebanex::prueba
