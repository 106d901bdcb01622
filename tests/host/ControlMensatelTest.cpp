// Pasting pieces into Mensatel, reading its size limit, and finding, starting, waiting for
// and tidying its windows.
#include <vector>

#include "EscritorioSimulado.h"

namespace rebanex::pruebas {
namespace {

using ControlMensatelTest = ControlPrueba;

// The user's text in the message field is discarded first; the clipboard ends as it was and
// the cursor where it was.
TEST_F(ControlMensatelTest, ElLimiteDecideElPegadoYElPortapapelesVuelve) {
    const struct {
        std::string tamanyo;
        std::size_t largo;
        bool pegado;
    } casos[] = {{"160", 160, true}, {"160", 161, false}, {"145 caracteres", 146, false},
                 {"", 0, true},      {"", 1, false},      {"caracteres: 9", 1, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.tamanyo + " / " + std::to_string(caso.largo));
        EscritorioSimulado otro;
        const MensatelSimulado m = otro.CrearMensatel("\\\\ensatel", kRect, caso.tamanyo);
        otro.ventanas[m.mensaje].titulo = "escrito a mano";
        AvisadorAnotado avisos;
        ControlMensatel c{otro, avisos, kEjecutable, kInicio};
        const std::string trozo(caso.largo, 'a');

        EXPECT_EQ(c.Pegar(trozo), caso.pegado ? ResultadoPegar::Pegado : ResultadoPegar::Rechazado);
        EXPECT_EQ(otro.ventanas[m.mensaje].titulo, caso.pegado ? trozo : "");
        EXPECT_EQ(avisos.avisos, caso.pegado ? std::vector<Aviso>{}
                                             : std::vector<Aviso>{AvisoTrozoDemasiadoLargo()});
        // Refused: Rebanex comes back in front of Mensatel for the box.
        EXPECT_EQ(otro.primerPlano, caso.pegado ? m.principal : otro.propia);
        EXPECT_EQ(otro.portapapeles, "antes");
        EXPECT_EQ(otro.cursor, (Punto{5, 5}));
    }
}

TEST_F(ControlMensatelTest, LaLongitudMaximaEsElNumeroDelCampo) {
    for (const auto& [campo, lon] : std::vector<std::pair<std::string, std::string>>{
             {"145 caracteres", "145"}, {"caracteres", "0"}, {"152.5 car.", "152.5"}}) {
        EscritorioSimulado otro;
        otro.CrearMensatel("\\\\ensatel", kRect, campo);
        EXPECT_EQ(ControlMensatel(otro, avisador, kEjecutable, kInicio).LeerLongitudMaxima(), lon);
    }
    EXPECT_TRUE(avisador.avisos.empty());
}

// Each failure says so in its box, waits no longer than its bound, and leaves the clipboard
// and the cursor alone.
TEST_F(ControlMensatelTest, LosFallosAvisanYNoTocanNada) {
    const struct {
        std::function<void(EscritorioSimulado&)> preparar;
        ResultadoPegar resultado;
        Aviso aviso;
        int64_t espera;
    } casos[] = {
        {[](EscritorioSimulado& e) { e.conDorvax = false; }, ResultadoPegar::SinMensatel,
         AvisoSinDorvax(), 0},
        // Started, but its window never shows.
        {[](EscritorioSimulado&) {}, ResultadoPegar::SinVentana, AvisoSinVentanaMensatel(),
         kEsperaVentanaMs},
        {[](EscritorioSimulado& e) {
             e.ventanas[e.CrearMensatel().mensaje].titulo = "no me borres";
             e.rehusaVaciar = true;
         },
         ResultadoPegar::CampoLleno, AvisoCampoMensajeLleno(), kEsperaVaciadoMs},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.espera);
        EscritorioSimulado otro;
        caso.preparar(otro);
        AvisadorAnotado avisos;
        ControlMensatel c{otro, avisos, kEjecutable, kInicio};
        EXPECT_EQ(c.Pegar("hola"), caso.resultado);
        EXPECT_GE(otro.reloj, caso.espera);
        EXPECT_LT(otro.reloj, caso.espera + 400);
        EXPECT_EQ(avisos.avisos, std::vector<Aviso>{caso.aviso});
        EXPECT_FALSE(c.Ocupado());
        EXPECT_EQ(otro.portapapeles, "antes");
        EXPECT_EQ(otro.cursor, (Punto{5, 5}));
    }
}

// The main window's titles in the order they are tried, spelt out: Mensatel's own. The
// centre click leaves the window found in front.
TEST_F(ControlMensatelTest, ElPrimerTituloPresenteEnSuOrden) {
    const std::string titulos[] = {"\\\\ensatel", "\\\\ensatel - Vodafone", "\\\\ensatel - Amena",
                                   "\\\\ensatel - Movistar", "\\\\ensatel - Feliz 2002 ;)"};
    const std::vector<std::pair<std::vector<int>, int>> casos = {
        {{0}, 0}, {{1}, 1}, {{2}, 2}, {{3}, 3}, {{4}, 4}, {{2, 1}, 1}, {{4, 3, 2, 1, 0}, 0}};
    for (const auto& [presentes, elegido] : casos) {
        EscritorioSimulado otro;
        for (int i : presentes) {
            otro.CrearMensatel(titulos[i]);
        }
        ControlMensatel c{otro, avisador, kEjecutable, kInicio};
        VentanaId ventana = 0;
        RectVentana rect;
        ASSERT_EQ(c.BuscarVentanaMensatel(ventana, rect), Busqueda::Encontrada) << elegido;
        EXPECT_EQ(otro.ventanas[ventana].titulo, titulos[elegido]);
        EXPECT_EQ(otro.primerPlano, ventana);
        EXPECT_EQ(otro.clicks, std::vector<Punto>{(Punto{300, 250})});
    }
}

TEST_F(ControlMensatelTest, LaAplicacionSeRestauraOSeTraeAlFrente) {
    const MensatelSimulado m = escritorio.CrearMensatel();
    escritorio.ventanas[m.aplicacion].minimizada = true;
    control.Mostrar();
    EXPECT_FALSE(escritorio.Minimizada(m.aplicacion));
    escritorio.primerPlano = escritorio.propia;
    control.Mostrar();
    EXPECT_EQ(escritorio.primerPlano, m.aplicacion);
    EXPECT_TRUE(escritorio.aperturas.empty());
}

// Not running: started in the start directory, then waited for until its main window shows.
TEST_F(ControlMensatelTest, SeArrancaYSeEsperaSuVentana) {
    escritorio.alProcesar = [this] {
        if (escritorio.reloj >= 2000 && escritorio.BuscarVentana("Dorvax") == 0) {
            escritorio.CrearMensatel("\\\\ensatel - Vodafone", kRect, "145");
        }
    };
    EXPECT_EQ(control.LeerLongitudMaxima(), "145");
    EXPECT_EQ(escritorio.aperturas,
              std::vector<std::string>{kEjecutable + "dorvax.exe|" + kInicio});
    EXPECT_LT(escritorio.reloj, 2400);
    EXPECT_EQ(escritorio.estados, (std::vector<std::string>{std::string(kEstadoEsperando), ""}));
    EXPECT_TRUE(avisador.avisos.empty());
    control.Ejecutar();  // a further copy, though one runs
    EXPECT_EQ(escritorio.aperturas.size(), 2u);
}

// Meanwhile the window works, but every command that would wait again is refused quietly.
TEST_F(ControlMensatelTest, EscapeTerminaLaEsperaYNadaEntraMientras) {
    std::vector<ResultadoPegar> pegados;
    std::vector<std::optional<std::string>> leidos;
    escritorio.alProcesar = [&] {
        if (escritorio.reloj == 300) {
            EXPECT_TRUE(control.Ocupado());
            pegados.push_back(control.Pegar("otro"));
            leidos.push_back(control.LeerLongitudMaxima());
            control.Mostrar();
        } else if (escritorio.reloj == 500) {
            control.Cancelar();
        }
    };
    EXPECT_EQ(control.LeerLongitudMaxima(), std::nullopt);
    EXPECT_LT(escritorio.reloj, 600);
    EXPECT_EQ(pegados, std::vector<ResultadoPegar>{ResultadoPegar::Ocupado});
    EXPECT_EQ(leidos, std::vector<std::optional<std::string>>{std::nullopt});
    EXPECT_EQ(escritorio.aperturas.size(), 1u);
    EXPECT_EQ(avisador.avisos, std::vector<Aviso>{AvisoSinVentanaMensatel()});

    // A new command starts with the wait uncancelled.
    escritorio.alProcesar = [this] { escritorio.CrearMensatel(); };
    EXPECT_EQ(control.LeerLongitudMaxima(), "160");
}

// Moved so that its fields are on screen; the centre of the moved window is clicked.
TEST_F(ControlMensatelTest, LaVentanaVuelveALaPantalla) {
    const std::vector<std::pair<RectVentana, RectVentana>> casos = {
        {{900, 100, 1054, 400}, {870, 100, 1024, 400}},  // 30 beyond the right edge
        {{100, -50, 400, 800}, {100, -82, 400, 768}},    // above and below: the bottom wins
        {{-20, -10, 300, 290}, {0, 0, 320, 300}},        // left of and above the screen
        {{-20, 100, 1100, 400}, {-96, 100, 1024, 400}},  // wider than the screen: right wins
        {{0, 0, 1024, 768}, {0, 0, 1024, 768}}};
    for (const auto& [antes, despues] : casos) {
        EscritorioSimulado otro;
        otro.CrearMensatel("\\\\ensatel", antes);
        VentanaId ventana = 0;
        RectVentana rect;
        ControlMensatel(otro, avisador, kEjecutable, kInicio).BuscarVentanaMensatel(ventana, rect);
        EXPECT_EQ(rect, despues);
        EXPECT_EQ(otro.clicks, std::vector<Punto>{(Punto{(rect.izquierda + rect.derecha) / 2,
                                                         (rect.arriba + rect.abajo) / 2})});
    }
}

// Of the phone book and the options window, only the first found is closed.
TEST_F(ControlMensatelTest, SoloSeCierraUnaVentanaSecundaria) {
    const std::string agenda(kAgendaMensatel), opciones(kOpcionesMensatel);
    const std::vector<std::pair<std::vector<std::string>, std::string>> casos = {
        {{opciones, agenda}, opciones},
        {{agenda, opciones}, opciones},
        {{opciones}, ""},
        {{agenda + " (Ana)"}, ""}};  // by the title's start
    for (const auto& [abiertas, queda] : casos) {
        EscritorioSimulado otro;
        for (const std::string& titulo : abiertas) {
            otro.Crear({titulo, {600, 0, 800, 100}, 0, false, true});
        }
        ControlMensatel(otro, avisador, kEjecutable, kInicio).CerrarVentanasSecundarias();
        EXPECT_EQ(otro.BuscarVentanaPorPrefijo("Mensatel - ") != 0, !queda.empty());
        EXPECT_EQ(otro.BuscarVentana(queda) != 0, !queda.empty()) << abiertas.front();
    }
}

}  // namespace
}  // namespace rebanex::pruebas
