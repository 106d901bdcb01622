// Pasting pieces into Mensatel, reading its size limit, finding and starting it.
#include <gtest/gtest.h>

#include <vector>

#include "EscritorioSimulado.h"
#include "comun/AvisadorSimulado.h"

namespace rebanex::pruebas {
namespace {

using enum ResultadoPegar;

// Mensatel installed beside Rebanex, not running yet; the clipboard holds kAntes.
struct Escena {
    Escena() {
        sistema.ficheros[kEjecutable + "dorvax.exe"] = "MZ";
        sistema.portapapeles = kAntes;
        control.FijarMostrarEstado([this](const std::string& texto) { estados.push_back(texto); });
    }
    SistemaSimulado sistema;
    EscritorioSimulado escritorio{sistema};
    AvisadorSimulado avisador;
    ControlMensatel control{escritorio, sistema.Servicios(), avisador, kEjecutable, kInicio};
    std::vector<std::string> estados;  // the status line's texts
};
struct ControlMensatelTest : ::testing::Test, Escena {};

// The size field decides, and another program holding the clipboard at any step: no paste
// without the piece, and the message field emptied first; clipboard and cursor restored.
TEST_F(ControlMensatelTest, ElLimiteYElPortapapelesDecidenElPegado) {
    const struct {
        std::string tamanyo, lon, falla;  // falla: the clipboard step another program holds
        std::size_t largo;
        ResultadoPegar resultado;
        std::vector<Aviso> avisos;
    } casos[] = {{"160", "160", "", 160, Pegado, {}},
                 {"160", "160", "", 161, Rechazado, {AvisoTrozoDemasiadoLargo()}},
                 {"152.5 car.", "152.5", "", 152, Pegado, {}},
                 {"", "0", "", 0, Pegado, {}},
                 {"caracteres: 9", "0", "", 1, Rechazado, {AvisoTrozoDemasiadoLargo()}},
                 {"160", "160", "guardar", 4, PortapapelesOcupado, {AvisoPortapapelesOcupado()}},
                 {"160", "160", "escribir", 4, PortapapelesOcupado, {AvisoPortapapelesOcupado()}},
                 {"160", "160", "restaurar", 4, Pegado, {AvisoPortapapelesNoRestaurado()}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tamanyo + " / " + std::to_string(c.largo) + " " + c.falla);
        Escena e;
        const VentanaId mensaje = e.escritorio.CrearMensatel("\\\\ensatel", kRect, c.tamanyo);
        e.escritorio.ventanas[mensaje].titulo = "escrito a mano";
        e.sistema.fallan = {c.falla};
        const std::string trozo(c.largo, 'a');
        EXPECT_EQ(e.control.Pegar(trozo), c.resultado);
        EXPECT_EQ(e.escritorio.ventanas[mensaje].titulo, c.resultado == Pegado ? trozo : "");
        EXPECT_EQ(e.avisador.avisos, c.avisos);
        // Refused: Rebanex comes back in front of Mensatel for the box.
        EXPECT_EQ(e.escritorio.primerPlano, c.resultado == Rechazado
                                                ? e.escritorio.propia
                                                : e.escritorio.ventanas[mensaje].padre);
        EXPECT_EQ(e.control.LeerLongitudMaxima(), c.lon);
        const CopiaPortapapeles pegado{{{1, trozo}}};  // what the paste left, when not restored
        EXPECT_EQ(e.sistema.portapapeles, c.falla == "restaurar" ? pegado : kAntes);
        EXPECT_EQ(e.escritorio.cursor, (Punto{5, 5}));
    }
}

// Each way Mensatel fails says so, waits within its bound and touches nothing.
TEST_F(ControlMensatelTest, CadaFalloAvisaSinTocarNada) {
    enum Mensatel { SinDorvax, Cerrado, Abierto };
    enum Colgar { Nada, Aplicacion, Principal, AlVaciar };
    const struct {
        Mensatel mensatel;
        Colgar colgar;
        ResultadoPegar resultado;
        Aviso aviso;
        int64_t espera;
    } casos[] = {{SinDorvax, Nada, SinMensatel, AvisoSinDorvax(), 0},
                 {Cerrado, Nada, SinVentana, AvisoSinVentanaMensatel(), kEsperaVentanaMs},
                 {Abierto, Nada, CampoLleno, AvisoCampoMensajeLleno(), kEsperaVaciadoMs},
                 {Abierto, Aplicacion, NoResponde, AvisoMensatelNoResponde(), kEsperaColgadaMs},
                 {Abierto, Principal, NoResponde, AvisoMensatelNoResponde(), kEsperaColgadaMs},
                 {Abierto, AlVaciar, CampoLleno, AvisoMensatelNoResponde(), 3 * kEsperaColgadaMs}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.aviso.texto);
        Escena e;
        e.sistema.ficheros.erase(caso.mensatel == SinDorvax ? kEjecutable + "dorvax.exe" : "");
        VentanaId mensaje = 0;
        if (caso.mensatel == Abierto) {
            mensaje = e.escritorio.CrearMensatel();
            e.escritorio.ventanas[mensaje].titulo = "no me borres";
            e.escritorio.rehusaVaciar = true;
            e.escritorio.colgarAlVaciar = caso.colgar == AlVaciar;
            const VentanaId colgada[] = {0, *e.escritorio.BuscarVentana("Dorvax"),
                                         e.escritorio.ventanas[mensaje].padre, 0};
            e.escritorio.colgadas.insert(colgada[caso.colgar]);
        }
        EXPECT_EQ(e.control.Pegar("hola"), caso.resultado);
        EXPECT_GE(e.escritorio.reloj, caso.espera);
        EXPECT_LT(e.escritorio.reloj, caso.espera + 400);
        EXPECT_EQ(e.control.LeerLongitudMaxima(), std::nullopt);
        EXPECT_EQ(e.avisador.avisos, std::vector<Aviso>(2, caso.aviso));
        EXPECT_EQ(e.escritorio.ventanas[mensaje].titulo,
                  caso.mensatel == Abierto ? "no me borres" : "");
        EXPECT_EQ(e.sistema.portapapeles, kAntes);
        EXPECT_EQ(e.escritorio.cursor, (Punto{5, 5}));
    }
}

// The main window is the first of Mensatel's titles present, moved on screen and clicked.
TEST_F(ControlMensatelTest, LaVentanaPrincipalVuelveALaPantalla) {
    const struct {
        std::vector<int> presentes;
        int elegido;
        RectVentana antes, despues;
    } casos[] = {
        {{0}, 0, kRect, kRect},
        {{1}, 1, {900, 100, 1054, 400}, {870, 100, 1024, 400}},    // 30 beyond the right edge
        {{2}, 2, {100, -50, 400, 800}, {100, -82, 400, 768}},      // above and below: bottom wins
        {{3}, 3, {-20, -10, 300, 290}, {0, 0, 320, 300}},          // left of and above the screen
        {{4}, 4, {-20, 100, 1100, 400}, {-96, 100, 1024, 400}},    // too wide: right wins
        {{4, 3, 2, 1}, 1, {0, 0, 1024, 768}, {0, 0, 1024, 768}}};  // the whole screen
    for (const auto& c : casos) {
        Escena e;
        for (int i : c.presentes) {
            e.escritorio.CrearMensatel(std::string(kTitulosMensatel[i]), c.antes);
        }
        e.control.LeerLongitudMaxima();
        const VentanaSimulada& ventana = e.escritorio.ventanas[e.escritorio.primerPlano];
        EXPECT_EQ(ventana.titulo, kTitulosMensatel[c.elegido]);
        EXPECT_EQ(ventana.rect, c.despues);
        const auto& [izquierda, arriba, derecha, abajo] = c.despues;
        EXPECT_EQ(e.escritorio.clicks,
                  (std::vector<Punto>{{(izquierda + derecha) / 2, (arriba + abajo) / 2}}));
    }
}

// Not running: started and waited for; commands that would wait again are refused; Escape ends it.
TEST_F(ControlMensatelTest, UnMensatelCerradoSeEsperaTrasArrancarlo) {
    escritorio.alProcesar = [&] {
        if (escritorio.reloj == 300) {
            EXPECT_EQ(control.Pegar("otro"), Ocupado);
            EXPECT_EQ(control.LeerLongitudMaxima(), std::nullopt);
            control.Mostrar();
        } else if (escritorio.reloj == 500) {
            control.Cancelar();
        }
    };
    EXPECT_EQ(control.LeerLongitudMaxima(), std::nullopt);
    EXPECT_LT(escritorio.reloj, 600);
    EXPECT_EQ(avisador.avisos, std::vector<Aviso>{AvisoSinVentanaMensatel()});

    // A new command starts with the wait uncancelled; it ends when the main window shows.
    const int64_t inicio = escritorio.reloj;
    escritorio.alProcesar = [&] {
        if (escritorio.reloj >= inicio + 2000 && !escritorio.BuscarVentana("Dorvax")) {
            escritorio.CrearMensatel("\\\\ensatel - Vodafone", kRect, "145");
        }
    };
    EXPECT_EQ(control.LeerLongitudMaxima(), "145");
    EXPECT_EQ(sistema.abiertos,
              std::vector<std::string>(2, kEjecutable + "dorvax.exe||" + kInicio));
    EXPECT_LT(escritorio.reloj, inicio + 2400);
    const std::string esperando(kEstadoEsperando);
    EXPECT_EQ(estados, (std::vector<std::string>{esperando, "", esperando, ""}));
    EXPECT_EQ(avisador.avisos.size(), 1u);
    // Running and minimised: brought back, not started again; unless it does not answer.
    const VentanaId aplicacion = *escritorio.BuscarVentana("Dorvax");
    escritorio.minimizada = aplicacion;
    control.Mostrar();
    EXPECT_EQ(escritorio.minimizada, 0);
    escritorio.minimizada = aplicacion;
    escritorio.colgadas = {aplicacion};
    control.Mostrar();
    EXPECT_EQ(escritorio.minimizada, aplicacion);
    EXPECT_EQ(avisador.avisos.back(), AvisoMensatelNoResponde());
    EXPECT_EQ(sistema.abiertos.size(), 2u);
}

}  // namespace
}  // namespace rebanex::pruebas
