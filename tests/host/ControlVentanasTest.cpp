// Finding, starting, waiting for and tidying Mensatel's windows.
#include <vector>

#include "ControlPrueba.h"

namespace rebanex::pruebas {
namespace {

using ControlVentanas = ControlPrueba;

// The main window's titles in the order they are tried, spelt out: Mensatel's own.
const std::string kTitulos[] = {"\\\\ensatel", "\\\\ensatel - Vodafone", "\\\\ensatel - Amena",
                                "\\\\ensatel - Movistar", "\\\\ensatel - Feliz 2002 ;)"};

TEST_F(ControlVentanas, ElPrimerTituloPresenteEnSuOrden) {
    const std::vector<std::pair<std::vector<int>, int>> casos = {
        {{2}, 2}, {{2, 1}, 1}, {{4, 3, 2, 1, 0}, 0}, {{4}, 4}, {{3, 4}, 3}};
    for (const auto& [presentes, elegido] : casos) {
        EscritorioSimulado otro;
        otro.ficheros.insert(kDorvax);
        for (int i : presentes) {
            otro.CrearMensatel(kTitulos[i], kRectMensatel);
        }
        ControlMensatel c{otro, avisador, kEjecutable, kInicio};
        ASSERT_EQ(c.BuscarVentanaMensatel(ventana, rect), Busqueda::Encontrada);
        EXPECT_EQ(otro[ventana].titulo, kTitulos[elegido]);
        EXPECT_EQ(otro.primerPlano, ventana);  // the centre click leaves it in front
    }
}

TEST_F(ControlVentanas, LaAplicacionSeRestauraOSeTraeAlFrente) {
    const MensatelSimulado m = Abrir();
    escritorio[m.aplicacion].minimizada = true;
    EXPECT_EQ(control.MostrarMensatel(), static_cast<std::intptr_t>(m.aplicacion));
    EXPECT_FALSE(escritorio.Minimizada(m.aplicacion));
    escritorio.primerPlano = escritorio.propia;
    EXPECT_EQ(control.MostrarMensatel(), static_cast<std::intptr_t>(m.aplicacion));
    EXPECT_EQ(escritorio.primerPlano, m.aplicacion);
    EXPECT_TRUE(escritorio.aperturas.empty());
}

TEST_F(ControlVentanas, SinDorvaxAvisaEnCadaIntento) {
    escritorio.ficheros.clear();
    escritorio.portapapeles = "antes";
    EXPECT_EQ(control.Pegar("hola"), ResultadoPegar::SinMensatel);
    EXPECT_EQ(control.Pegar("hola"), ResultadoPegar::SinMensatel);
    EXPECT_EQ(control.LeerLongitudMaxima(), std::nullopt);
    control.Mostrar();
    control.Ejecutar();
    EXPECT_EQ(avisador.avisos, std::vector<Aviso>(5, AvisoSinDorvax()));
    EXPECT_TRUE(escritorio.aperturas.empty());
    EXPECT_TRUE(escritorio.teclas.empty());
    EXPECT_TRUE(escritorio.clicks.empty());
    EXPECT_EQ(escritorio.portapapeles, "antes");
}

// Not running: started in the start directory, then waited for until its main window shows.
TEST_F(ControlVentanas, SeArrancaYSeEsperaSuVentana) {
    escritorio.alAbrir = [this] {
        escritorio.CrearMensatel(std::string(kTitulosMensatel[1]), kRectMensatel, "160", 2000);
    };
    ASSERT_EQ(Buscar(), Busqueda::Encontrada);
    EXPECT_EQ(escritorio.aperturas,
              (std::vector<std::pair<std::string, std::string>>{{kDorvax, kInicio}}));
    EXPECT_EQ(escritorio[ventana].titulo, kTitulosMensatel[1]);
    EXPECT_GE(escritorio.reloj, 2000);
    EXPECT_LT(escritorio.reloj, 2200);
    EXPECT_EQ(escritorio.estados, (std::vector<std::string>{std::string(kEstadoEsperando), ""}));
    EXPECT_TRUE(avisador.avisos.empty());
    EXPECT_EQ(control.EjecutarMensatel(), 42);  // a further copy, though one runs
    EXPECT_EQ(escritorio.aperturas.size(), 2u);
}

// A failed start is not reported: the wait runs to its bound, then says so.
TEST_F(ControlVentanas, LaEsperaTerminaALos30Segundos) {
    escritorio.resultadoShell = 2;
    escritorio.portapapeles = "antes";
    EXPECT_EQ(control.Pegar("hola"), ResultadoPegar::SinVentana);
    EXPECT_GE(escritorio.reloj, kEsperaVentanaMs);
    EXPECT_LT(escritorio.reloj, kEsperaVentanaMs + 100);
    EXPECT_EQ(avisador.avisos, std::vector<Aviso>{AvisoSinVentanaMensatel()});
    EXPECT_EQ(escritorio.estados, (std::vector<std::string>{std::string(kEstadoEsperando), ""}));
    EXPECT_TRUE(escritorio.teclas.empty());
    EXPECT_EQ(escritorio.portapapeles, "antes");
    EXPECT_FALSE(control.Ocupado());
}

// Meanwhile the window works, but every command that would wait again is refused quietly.
TEST_F(ControlVentanas, EscapeTerminaLaEsperaYNadaEntraMientras) {
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

    escritorio.alProcesar = nullptr;  // a new command starts with the wait uncancelled
    escritorio.alAbrir = [this] { Abrir(); };
    EXPECT_EQ(control.LeerLongitudMaxima(), "160");
}

// Moved so that its fields are on screen; the centre of the moved window is clicked and the
// cursor goes back.
TEST_F(ControlVentanas, LaVentanaVuelveALaPantalla) {
    struct Caso {
        RectVentana antes, despues;
    };
    const std::vector<Caso> casos = {
        {{900, 100, 1054, 400}, {870, 100, 1024, 400}},  // 30 beyond the right edge
        {{100, -50, 400, 800}, {100, -82, 400, 768}},    // above and below: the bottom wins
        {{-20, -10, 300, 290}, {0, 0, 320, 300}},        // left of and above the screen
        {{-20, 100, 1100, 400}, {-96, 100, 1024, 400}},  // wider than the screen: right wins
        {{0, 0, 1024, 768}, {0, 0, 1024, 768}}};         // in place: not touched
    for (const Caso& caso : casos) {
        EscritorioSimulado otro;
        otro.ficheros.insert(kDorvax);
        otro.CrearMensatel(std::string(kTitulosMensatel[0]), caso.antes);
        ControlMensatel c{otro, avisador, kEjecutable, kInicio};
        ASSERT_EQ(c.BuscarVentanaMensatel(ventana, rect), Busqueda::Encontrada);
        EXPECT_EQ(rect, caso.despues);
        EXPECT_EQ(otro.colocadas.size(), caso.antes == caso.despues ? 0u : 1u);
        const Punto centro{rect.izquierda + (rect.derecha - rect.izquierda) / 2,
                           rect.arriba + (rect.abajo - rect.arriba) / 2};
        EXPECT_EQ(otro.clicks, std::vector<Punto>{centro});
        EXPECT_EQ(otro.cursor, (Punto{5, 5}));
    }
}

TEST_F(ControlVentanas, SoloSeCierraUnaVentanaSecundaria) {
    const std::string agenda(kAgendaMensatel), opciones(kOpcionesMensatel);
    struct Caso {
        std::vector<std::string> abiertas, quedan;
        std::vector<std::string> teclas;
    };
    const std::vector<Caso> casos = {
        {{opciones, agenda}, {opciones}, {"Escape " + agenda}},
        {{agenda, opciones}, {opciones}, {"Escape " + agenda}},
        {{opciones}, {}, {"Escape " + opciones}},
        {{agenda + " (Ana)"}, {}, {"Escape " + agenda + " (Ana)"}},  // by the title's start
        {{}, {}, {}}};
    for (const Caso& caso : casos) {
        EscritorioSimulado otro;
        for (const std::string& titulo : caso.abiertas) {
            otro.Crear({titulo, {600, 0, 800, 100}, 0, false, 0, true});
        }
        ControlMensatel c{otro, avisador, kEjecutable, kInicio};
        c.CerrarVentanasSecundarias();
        std::vector<std::string> quedan = otro.Titulos();
        std::erase(quedan, "Rebanex");
        EXPECT_EQ(quedan, caso.quedan);
        EXPECT_EQ(otro.teclas, caso.teclas);
    }
}

}  // namespace
}  // namespace rebanex::pruebas
