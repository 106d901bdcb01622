// The piece view: the arrows, edits in the piece box, the copy button, waiting for Mensatel.
#include <string>
#include <vector>

#include "ProgPrueba.h"

namespace rebanex::prueba {
namespace {

class ProgTrozos : public ProgPrueba {
  protected:
    // Three plain pieces: "uno ", "dos ", "tres".
    void SetUp() override {
        Arrancar();
        SinTransformaciones();
        Trocear("uno dos tres", "5");
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

// The arrows stop at the ends; an edit in the piece box is lost when another piece shows.
TEST_F(ProgTrozos, LasFlechasRecorrenLosTrozos) {
    EXPECT_EQ(Flechas(), "0011");
    vista.Escribir(Control::Trozo, "cambiado");
    const struct {
        void (Prog::*clic)();
        std::string trozo, contador, flechas;
    } pasos[] = {{&Prog::izq_Click, "cambiado", "1/3", "0011"},
                 {&Prog::der_Click, "dos ", "2/3", "1111"},
                 {&Prog::topeDer_Click, "tres", "3/3", "1100"},
                 {&Prog::der_Click, "tres", "3/3", "1100"},
                 {&Prog::izq_Click, "dos ", "2/3", "1111"},
                 {&Prog::topeIzq_Click, "uno ", "1/3", "0011"}};
    for (const auto& p : pasos) {
        SCOPED_TRACE(p.trozo + p.contador);
        (prog.*p.clic)();
        EXPECT_EQ(Texto(Control::Trozo), p.trozo);
        EXPECT_EQ(Texto(Control::LonTrozo), std::to_string(p.trozo.size()));
        EXPECT_EQ(Texto(Control::Contador), p.contador);
        EXPECT_EQ(Flechas(), p.flechas);
    }
}

// Spaces only: one empty piece, nothing to copy until something is typed.
TEST_F(ProgTrozos, UnTrozoVacioSinFlechasNiCopiar) {
    Trocear("   ", "160");
    EXPECT_EQ(Texto(Control::Contador), "1/1");
    EXPECT_EQ(Flechas(), "0000");
    EXPECT_FALSE(Habilitado(Control::Copiar));
    vista.Escribir(Control::Trozo, "x");
    EXPECT_TRUE(Habilitado(Control::Copiar));
}

// The piece goes as shown, edits included; the view moves on when it went, or when Mensatel
// is not there at all, and never past the last piece.
TEST_F(ProgTrozos, PegarAlMensatelPasaAlSiguienteSiLoAcepta) {
    using enum ResultadoPegar;
    for (const auto& [respuesta, contador] :
         {std::pair{Pegado, "2/3"}, {SinMensatel, "2/3"}, {Rechazado, "1/3"}, {Ocupado, "1/3"}}) {
        SCOPED_TRACE(static_cast<int>(respuesta));
        prog.topeIzq_Click();
        vista.Escribir(Control::Trozo, "uno editado");
        anfitrion.respuesta = respuesta;
        prog.Copiar_Click();
        EXPECT_EQ(anfitrion.pegados.back(), "uno editado");
        EXPECT_EQ(Texto(Control::Contador), contador);
    }
    anfitrion.respuesta = Pegado;
    prog.topeDer_Click();
    prog.Copiar_Click();
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    EXPECT_FALSE(sistema.portapapeles.has_value());

    // Without pasting, the whole message goes to the clipboard and the view stays.
    vista[Menu::mnu_opciones_pegar].marcado = false;
    prog.izq_Click();
    prog.Copiar_Click();
    EXPECT_EQ(sistema.portapapeles, "uno dos tres");
    EXPECT_EQ(Texto(Control::Contador), "2/3");
    EXPECT_EQ(anfitrion.pegados.size(), 5u);
}

// While a paste waits for Mensatel, Escape ends the wait and nothing else, and a split is
// refused; the arrows still work.
TEST_F(ProgTrozos, MientrasSeEsperaAlMensatel) {
    anfitrion.ocupado = true;
    prog.Form_KeyDown(27, 0);
    prog.der_Click();
    EXPECT_EQ(anfitrion.cancelados, 1);
    EXPECT_EQ(Texto(Control::Contador), "2/3");
    prog.Editar_Click();
    Trocear("otro mensaje", "160");
    EXPECT_EQ(prog.Trozos().size(), 3u);
    EXPECT_TRUE(vista[Control::frmMsg].visible);
}

}  // namespace
}  // namespace rebanex::prueba
