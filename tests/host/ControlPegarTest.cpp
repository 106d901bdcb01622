// Pasting pieces into Mensatel and reading its size limit.
#include <vector>

#include "ControlPrueba.h"

namespace rebanex::pruebas {
namespace {

using ControlPegar = ControlPrueba;

// The user's text in the message field is discarded first; the clipboard ends as it was.
TEST_F(ControlPegar, ElLimiteDecideYElPortapapelesVuelve) {
    struct Caso {
        std::string tamanyo;
        std::size_t largo;
        ResultadoPegar resultado;
    };
    const std::vector<Caso> casos = {{"160", 160, ResultadoPegar::Pegado},
                                     {"160", 161, ResultadoPegar::Rechazado},
                                     {"145 caracteres", 145, ResultadoPegar::Pegado},
                                     {"145 caracteres", 146, ResultadoPegar::Rechazado},
                                     {"", 1, ResultadoPegar::Rechazado},
                                     {"", 0, ResultadoPegar::Pegado},
                                     {"caracteres: 9", 0, ResultadoPegar::Pegado},
                                     {"caracteres: 9", 1, ResultadoPegar::Rechazado}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.tamanyo + " / " + std::to_string(caso.largo));
        EscritorioSimulado otro;
        otro.ficheros.insert(kDorvax);
        otro.portapapeles = "antes";
        const MensatelSimulado m =
            otro.CrearMensatel(std::string(kTitulosMensatel[0]), kRectMensatel, caso.tamanyo);
        otro[m.mensaje].titulo = "escrito a mano";
        AvisadorAnotado avisos;
        ControlMensatel c{otro, avisos, kEjecutable, kInicio};
        const std::string trozo(caso.largo, 'a');

        EXPECT_EQ(c.Pegar(trozo), caso.resultado);
        const bool pegado = caso.resultado == ResultadoPegar::Pegado;
        EXPECT_EQ(otro.pegados,
                  pegado ? std::vector<std::string>{trozo} : std::vector<std::string>{});
        EXPECT_EQ(otro[m.mensaje].titulo, pegado ? trozo : "");
        EXPECT_EQ(avisos.avisos,
                  pegado ? std::vector<Aviso>{} : std::vector<Aviso>{AvisoTrozoDemasiadoLargo()});
        // Refused: Rebanex comes back in front of Mensatel for the box.
        EXPECT_EQ(otro.primerPlano, pegado ? m.principal : otro.propia);
        EXPECT_EQ(otro.portapapeles, "antes");
        EXPECT_EQ(otro.cursor, (Punto{5, 5}));
    }
}

TEST_F(ControlPegar, CadaPegadoVaAlCampoVacioDelMensaje) {
    const MensatelSimulado m = Abrir();
    escritorio.portapapeles.reset();
    EXPECT_EQ(control.Pegar("uno"), ResultadoPegar::Pegado);
    EXPECT_EQ(control.Pegar("dos"), ResultadoPegar::Pegado);
    EXPECT_EQ(escritorio.pegados, (std::vector<std::string>{"uno", "dos"}));
    EXPECT_EQ(escritorio[m.mensaje].titulo, "dos");
    EXPECT_EQ(escritorio.LeerPortapapeles(), "");
}

// A field that will not empty stops the paste after a second: nothing would be mixed.
TEST_F(ControlPegar, UnCampoQueNoSeVaciaNoRecibeNada) {
    const MensatelSimulado m = Abrir();
    escritorio[m.mensaje].titulo = "no me borres";
    escritorio.rehusaVaciar = true;
    escritorio.portapapeles = "antes";
    const int64_t inicio = escritorio.reloj;
    EXPECT_EQ(control.Pegar("hola"), ResultadoPegar::CampoLleno);
    EXPECT_EQ(control.LeerLongitudMaxima(), std::nullopt);
    EXPECT_EQ(avisador.avisos, std::vector<Aviso>(2, AvisoCampoMensajeLleno()));
    EXPECT_GE(escritorio.reloj - inicio, 2 * kEsperaVaciadoMs);
    EXPECT_LT(escritorio.reloj - inicio, 2 * kEsperaVaciadoMs + 400);
    EXPECT_TRUE(escritorio.pegados.empty());
    EXPECT_EQ(escritorio[m.mensaje].titulo, "no me borres");
    EXPECT_EQ(escritorio.portapapeles, "antes");
    EXPECT_EQ(escritorio.cursor, (Punto{5, 5}));
}

TEST_F(ControlPegar, LaLongitudMaximaEsElNumeroDelCampo) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"145 caracteres", "145"}, {"160", "160"}, {"  70", "70"},
        {"caracteres", "0"},       {"", "0"},      {"152.5 car.", "152.5"}};
    for (const auto& [campo, lon] : casos) {
        EscritorioSimulado otro;
        otro.ficheros.insert(kDorvax);
        otro.CrearMensatel(std::string(kTitulosMensatel[0]), kRectMensatel, campo);
        ControlMensatel c{otro, avisador, kEjecutable, kInicio};
        EXPECT_EQ(c.LeerLongitudMaxima(), lon) << campo;
        EXPECT_EQ(otro.cursor, (Punto{5, 5}));
    }
    EXPECT_TRUE(avisador.avisos.empty());
}

// A cursor that reads back late still lands the read on the field at the point; the wait
// for it is short.
TEST_F(ControlPegar, ElCursorQueTardaNoCambiaLaLectura) {
    for (int64_t atraso : {0, 15, 1000}) {
        EscritorioSimulado otro;
        otro.cursorAtrasadoMs = atraso;
        otro.CrearMensatel(std::string(kTitulosMensatel[0]), kRectMensatel, "145");
        ControlMensatel c{otro, avisador, kEjecutable, kInicio};
        EXPECT_EQ(c.LeerTextoEnPunto(kRectMensatel.izquierda + kCampoTamanyo.x,
                                     kRectMensatel.arriba + kCampoTamanyo.y),
                  "145")
            << atraso;
        EXPECT_LE(otro.reloj, 100);  // the wait for it is short
        EXPECT_EQ(otro.cursor, (Punto{5, 5}));
    }
    EXPECT_EQ(control.LeerTextoEnPunto(2000, 2000), "");  // no window there
}

}  // namespace
}  // namespace rebanex::pruebas
