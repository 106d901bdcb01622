// The message view (split, counter, keys, format menu, signature) and the piece view.
#include <string>
#include <tuple>
#include <vector>

#include "ProgPrueba.h"
#include "comun/CarpetaTemporal.h"
#include "host/ControlMensatel.h"
#include "split/Partir.h"
#include "transforms/Reemplazos.h"

namespace rebanex::pruebas {
namespace {

using ProgMensaje = ProgPrueba;
constexpr int kEscape = 27;

// The cut reaches the piece view, which replaces the message view. A refused split shows its
// box, focuses the fault and keeps the pieces; Mensatel is not asked before the checks.
TEST_F(ProgMensaje, TrocearMuestraElPrimerTrozoOEnfocaElFallo) {
    Arrancar();
    anfitrion.tamanyo = "145";  // ObtenerTamañoMsg is on by default: it counts from the next
    Trocear("hola mundo que tal estas", "20");
    EXPECT_EQ(Texto(Control::Trozo), "1/2 hola mundo que ");
    EXPECT_TRUE(Habilitado(Control::Copiar));
    EXPECT_FALSE(vista[Control::MarcoMensaje].visible || Habilitado(Control::MarcoMensaje));
    EXPECT_TRUE(vista[Control::MarcoTrozo].visible && Habilitado(Control::MarcoTrozo));
    EXPECT_EQ(Texto(Control::Msg), "hola mundo que tal estas");  // only the copy is cut
    EXPECT_EQ(Texto(Control::LongMax), "145");
    anfitrion.tamanyo = std::nullopt;  // Mensatel not there: LongMax stays
    prog.LeerLongMaxDeMensatel();
    EXPECT_EQ(Texto(Control::LongMax), "145");
    EXPECT_TRUE(vista.avisos.empty());

    const std::vector<std::string> trozos = prog.Trozos();
    prog.VolverAlMensaje();
    const struct {
        std::string mensaje, lon;
        Aviso aviso;
        Control foco;
        long long seleccion;
    } casos[] = {{"", "160", AvisoMensajeVacio(), Control::Msg, 0},
                 {"hola", "16a", AvisoSoloNumeros(), Control::LongMax, 3}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.lon);
        vista.avisos.clear();
        vista.foco = Control::Partir;
        Trocear(c.mensaje, c.lon);
        EXPECT_EQ(vista.avisos, std::vector<Aviso>{c.aviso});
        EXPECT_EQ(vista.foco, c.foco);
        EXPECT_EQ(std::exchange(vista[Control::LongMax].seleccion, 0), c.seleccion);
        EXPECT_EQ(prog.Trozos(), trozos);
        EXPECT_EQ(anfitrion.lecturas, 2);  // the two of the first split
    }
}

// Escape: piece view back to message, clears the message, then leaves; nothing else reacts.
TEST_F(ProgMensaje, EscapeRetrocedeUnPaso) {
    Arrancar();
    Trocear("uno dos tres cuatro", "12");
    const std::string ini = sistema.ficheros[kIni];
    for (int tecla : {13, 9, 32, 112, 0}) {
        prog.TeclaPulsada(tecla, 0);
    }
    prog.ClicEnTrocear(2, 0, 10.0f, 5.0f);  // the right button opens the options menu
    prog.ClicEnOpciones(1, 0, 10.0f, 5.0f);
    EXPECT_EQ(vista.menusOpciones, 1);
    EXPECT_TRUE(vista[Control::MarcoTrozo].visible);
    prog.TeclaPulsada(kEscape, 0);
    EXPECT_TRUE(vista[Control::MarcoMensaje].visible && !vista[Control::MarcoTrozo].visible);
    EXPECT_EQ(Texto(Control::Msg), "uno dos tres cuatro");
    vista.foco = Control::Partir;
    prog.TeclaPulsada(kEscape, 0);
    EXPECT_EQ(Texto(Control::Msg) + Texto(Control::Trozo) + Texto(Control::ContadorMensaje),
              "0 / 0");
    EXPECT_FALSE(Habilitado(Control::Copiar));
    EXPECT_EQ(vista.foco, Control::Msg);
    EXPECT_FALSE(vista.cerrada);
    prog.TeclaPulsada(kEscape, 1);  // whatever the shift state
    EXPECT_TRUE(vista.cerrada);
    EXPECT_EQ(sistema.ficheros[kIni], ini);
}

// The format menu changes the whole message; the counter uses the user's thousands separator.
TEST_F(ProgMensaje, ElMenuFormatoCambiaTodoElMensaje) {
    Arrancar();
    SinTransformaciones();
    vista.Escribir(Control::Msg, "canción\r\nÁRBOL   él" + std::string(1000, ' '));
    prog.EjecutarMenu(Menu::EliminarAcentos);
    prog.EjecutarMenu(Menu::CambiarLetras2);
    EXPECT_EQ(Texto(Control::Msg), "CANCION\r\nARBOL   EL" + std::string(1000, ' '));
    EXPECT_EQ(Texto(Control::ContadorMensaje), "7 / 1,019");
    prog.EjecutarMenu(Menu::EliminarMultiEspacios);
    prog.EjecutarMenu(Menu::CambiarLetras1);
    EXPECT_EQ(Texto(Control::Msg), "cancion\r\narbol el ");
    prog.EjecutarMenu(Menu::AutoReemplazarPalabras);  // no rules file: its box, the text kept
    EXPECT_EQ(Texto(Control::Msg), "cancion\r\narbol el ");
    EXPECT_EQ(vista.avisos.size(), 1u);
    // Rules that keep lengthening it stop where no split could take it (from 160 while LongMax
    // holds no maximum); the message stays.
    const std::string regla = "*a\t" + std::string(100, 'a') + "\r\n";
    pruebas::CarpetaTemporal carpeta;
    sistema.elegido = carpeta.Escribir("r.txt", regla + regla + regla + regla + regla);
    prog.EjecutarMenu(Menu::ElegirFicheroReemplazos);
    vista.Escribir(Control::LongMax, "abc");
    prog.EjecutarMenu(Menu::AutoReemplazarPalabras);
    EXPECT_EQ(Texto(Control::Msg), "cancion\r\narbol el ");
    EXPECT_EQ(vista.avisos.back(), AvisoReemplazosSinFin(kMaxTrozos * 160));
    EXPECT_EQ(Texto(Control::Estado), "");
}

// The signature goes where its position tick says, the focus back on the message; without one
// the button does nothing.
TEST_F(ProgMensaje, LaFirmaVaDondeDiceSuPosicion) {
    for (const auto& [firma, firmado] : {std::pair{"", "hola"}, {"Ana", "hoAnala"}}) {
        sistema.perfil.EscribirCadena("C:\\Rebanex\\mensatel.ini", "Usuario", "firma", firma);
        Arrancar();
        prog.EjecutarMenu(Menu::FirmarEnPosicion3);  // at the caret
        vista.Escribir(Control::Msg, "hola");
        vista[Control::Msg].inicio = 2;
        vista.foco = Control::Partir;
        prog.EjecutarMenu(Menu::InsertarFirma);  // the button's command
        EXPECT_EQ(Texto(Control::Msg), firmado);
        EXPECT_EQ(vista.foco, *firma ? Control::Msg : Control::Partir);
    }
}

class ProgTrozos : public ProgPrueba {
  protected:
    void SetUp() override {
        Arrancar();
        SinTransformaciones();
        Trocear("uno dos tres", "5");  // "uno ", "dos ", "tres"
    }
    std::string Flechas() {  // first, previous, next, last: 1 when enabled
        std::string s;
        for (Control c : {Control::PrimerTrozo, Control::TrozoAnterior, Control::TrozoSiguiente,
                          Control::UltimoTrozo}) {
            s += Habilitado(c) ? '1' : '0';
        }
        return s;
    }
};

// The arrows stop at the ends; edits are lost on moving; spaces alone make one empty piece.
TEST_F(ProgTrozos, LasFlechasRecorrenLosTrozos) {
    EXPECT_EQ(Flechas(), "0011");
    vista.Escribir(Control::Trozo, "cambiado");
    const struct {
        void (Prog::*clic)();
        std::string trozo, contador, flechas;
    } pasos[] = {{&Prog::IrAlTrozoAnterior, "cambiado", "1/3", "0011"},
                 {&Prog::IrAlTrozoSiguiente, "dos ", "2/3", "1111"},
                 {&Prog::IrAlUltimoTrozo, "tres", "3/3", "1100"},
                 {&Prog::IrAlPrimerTrozo, "uno ", "1/3", "0011"}};
    for (const auto& p : pasos) {
        SCOPED_TRACE(p.trozo + p.contador);
        (prog.*p.clic)();
        EXPECT_EQ(Texto(Control::Trozo), p.trozo);
        EXPECT_EQ(Texto(Control::LargoTrozo), std::to_string(p.trozo.size()));
        EXPECT_EQ(Texto(Control::Contador), p.contador);
        EXPECT_EQ(Flechas(), p.flechas);
    }
    Trocear("   ", "160");
    EXPECT_EQ(Texto(Control::Contador), "1/1");
    EXPECT_EQ(Flechas(), "0000");
    EXPECT_FALSE(Habilitado(Control::Copiar));
    vista.Escribir(Control::Trozo, "x");
    EXPECT_TRUE(Habilitado(Control::Copiar));
}

// The piece goes as shown; the view moves on if it went or Mensatel is absent, not past the end.
TEST_F(ProgTrozos, PegarAlMensatelPasaAlSiguienteSiLoAcepta) {
    using enum ResultadoPegar;
    for (const auto& [respuesta, contador] : {std::pair{Pegado, "2/3"},
                                              {SinMensatel, "2/3"},
                                              {Rechazado, "1/3"},
                                              {PortapapelesOcupado, "1/3"}}) {
        SCOPED_TRACE(static_cast<int>(respuesta));
        prog.IrAlPrimerTrozo();
        vista.Escribir(Control::Trozo, "uno editado");
        anfitrion.respuesta = respuesta;
        prog.CopiarTrozo();
        EXPECT_EQ(anfitrion.pegados.back(), "uno editado");
        EXPECT_EQ(Texto(Control::Contador), contador);
    }
    anfitrion.respuesta = Pegado;
    prog.IrAlUltimoTrozo();
    prog.CopiarTrozo();
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    EXPECT_EQ(sistema.portapapeles, CopiaPortapapeles{});

    // Without pasting, the whole message goes to the clipboard and the view stays; a clipboard
    // another program keeps is said.
    vista[Menu::CopiarTrozoAlMensatel].marcado = false;
    prog.IrAlTrozoAnterior();
    prog.CopiarTrozo();
    EXPECT_EQ(sistema.portapapeles, (CopiaPortapapeles{{{1, "uno dos tres"}}}));
    EXPECT_EQ(Texto(Control::Contador), "2/3");
    EXPECT_EQ(anfitrion.pegados.size(), 5u);
    sistema.fallan = {"escribir"};
    prog.CopiarTrozo();
    EXPECT_EQ(vista.avisos, std::vector<Aviso>{AvisoPortapapelesOcupado()});

    // While a paste waits, Escape ends the wait and nothing else, a split is refused, arrows work.
    anfitrion.ocupado = true;
    prog.TeclaPulsada(kEscape, 0);
    prog.IrAlTrozoSiguiente();
    EXPECT_EQ(anfitrion.cancelados, 1);
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    prog.VolverAlMensaje();
    Trocear("otro mensaje", "160");
    EXPECT_EQ(prog.Trozos().size(), 3u);
    EXPECT_TRUE(vista[Control::MarcoMensaje].visible);
}

}  // namespace
}  // namespace rebanex::pruebas
