// Pasting pieces into Mensatel, reading its size limit, finding and starting it, on a desktop in
// memory: windows, fields, cursor, clock; a hung window takes no keys and reads "".
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/ControlMensatel.h"
#include "sistema/SistemaSimulado.h"

namespace rebanex::pruebas {
namespace {

struct VentanaSimulada {
    std::string titulo;  // a field's text for a child
    RectVentana rect;    // screen pixels; a child's is relative to its parent's corner
    VentanaId padre = 0;
};

inline const std::string kEjecutable = "C:\\Mensatel\\", kInicio = "C:\\Inicio\\";
inline constexpr RectVentana kRect{100, 100, 501, 401};  // centre (300, 250)
inline constexpr int64_t kEsperaColgadaMs = 1000;        // what asking a hung window costs
// Text, Unicode text and a registered format.
inline const CopiaPortapapeles kAntes{
    {{1, "antes"}, {13, std::string("a\0n\0t\0e\0s\0\0\0", 12)}, {0xC0DE, "<b>antes</b>"}}};

class EscritorioSimulado : public Escritorio {
  public:
    explicit EscritorioSimulado(SistemaSimulado& sistema) : sistema_(sistema) {
        propia = primerPlano = Crear({"Rebanex", {600, 400, 1000, 700}});
    }

    VentanaId Crear(const VentanaSimulada& v) {  // in front of the others
        ventanas[++ultima] = v;
        if (v.padre == 0) {
            orden_.insert(orden_.begin(), ultima);
        }
        return ultima;
    }
    // "Dorvax" and its main window, with fields around the fixed points (120, 150) and
    // (204, 237), the size field reading `tamanyo`. Returns the message field.
    VentanaId CrearMensatel(const std::string& titulo = "\\\\ensatel", RectVentana rect = kRect,
                            const std::string& tamanyo = "160") {
        Crear({"Dorvax", {}});
        const VentanaId principal = Crear({titulo, rect});
        Crear({tamanyo, {190, 230, 260, 245}, principal});
        return Crear({"", {100, 140, 300, 160}, principal});
    }

    std::optional<VentanaId> BuscarVentana(std::string_view t) override { return Buscar(t, false); }
    std::optional<VentanaId> BuscarVentanaPorPrefijo(std::string_view p) override {
        return Buscar(p, true);
    }
    VentanaId VentanaPropia() override { return propia; }
    bool Responde(VentanaId v) override { return !Colgada(v); }
    bool Minimizada(VentanaId v) override { return minimizada == v; }
    void Restaurar(VentanaId v) override { minimizada = 0, PonerEnPrimerPlano(v); }
    bool PonerEnPrimerPlano(VentanaId v) override {
        return SubirYActivar(v), primerPlano = v, true;
    }
    void SubirYActivar(VentanaId v) override {
        std::erase(orden_, v);
        orden_.insert(orden_.begin(), v);
    }
    RectVentana Rectangulo(VentanaId v) override { return ventanas[v].rect; }
    void Colocar(VentanaId v, int32_t x, int32_t y, int32_t ancho, int32_t alto) override {
        ventanas[v].rect = {x, y, x + ancho, y + alto};
    }
    Tamanyo PantallaPrincipal() override { return {1024, 768}; }
    // The front window at the point, or its child field there.
    VentanaId VentanaEnPunto(Punto p) override {
        for (VentanaId v : orden_) {
            const RectVentana& r = ventanas[v].rect;
            if (Contiene(r, p)) {
                for (const auto& [hijo, campo] : ventanas) {
                    if (campo.padre == v &&
                        Contiene(campo.rect, {p.x - r.izquierda, p.y - r.arriba})) {
                        return hijo;
                    }
                }
                return v;
            }
        }
        return 0;
    }
    std::string TextoVentana(VentanaId v) override { return Colgada(v) ? "" : ventanas[v].titulo; }
    Punto Cursor() override { return cursor; }
    void MoverCursor(Punto p) override { cursor = p; }
    void BotonIzquierdo(bool abajo) override {  // a press brings its top-level window forward
        const VentanaId v = abajo ? VentanaEnPunto(cursor) : 0;
        if (v != 0) {
            clicks.push_back(cursor);
            PonerEnPrimerPlano(ventanas[v].padre != 0 ? ventanas[v].padre : v);
        }
    }
    void PulsarTeclas(Tecla t) override {
        if (t == Tecla::AltZ && colgarAlVaciar) {
            colgadas.insert(primerPlano);
        }
        for (auto& [id, campo] : ventanas) {  // only the message field takes keys
            if (campo.padre == primerPlano && Contiene(campo.rect, kCampoMensaje) && !Colgada(id)) {
                const CopiaPortapapeles& portapapeles = sistema_.portapapeles;
                if (t == Tecla::CtrlV) {
                    campo.titulo +=
                        portapapeles.formatos.empty() ? "" : portapapeles.formatos[0].bytes;
                } else if (t == Tecla::AltZ && !rehusaVaciar) {
                    campo.titulo.clear();
                }
            }
        }
    }
    void Dormir(int32_t ms) override { reloj += ms; }
    void ProcesarEventos() override { ++reloj, alProcesar(); }  // handling them takes a moment
    int64_t Milisegundos() override { return reloj; }

    std::map<VentanaId, VentanaSimulada> ventanas;
    VentanaId propia = 0, primerPlano = 0, ultima = 0, minimizada = 0;
    Punto cursor{5, 5};
    std::set<VentanaId> colgadas;
    int64_t reloj = 0;
    bool rehusaVaciar = false;                 // Mensatel's message field ignores Alt+Z
    bool colgarAlVaciar = false;               // Mensatel hangs on Alt+Z
    std::function<void()> alProcesar = [] {};  // the user, while events are processed
    std::vector<Punto> clicks;

  private:
    bool Colgada(VentanaId v) {  // the wait runs out
        const bool colgada = colgadas.contains(ventanas[v].padre != 0 ? ventanas[v].padre : v);
        return reloj += colgada ? kEsperaColgadaMs : 0, colgada;
    }
    static bool Contiene(const RectVentana& r, Punto p) {
        return p.x >= r.izquierda && p.x < r.derecha && p.y >= r.arriba && p.y < r.abajo;
    }
    // A top-level window, front first.
    std::optional<VentanaId> Buscar(std::string_view t, bool prefijo) {
        for (VentanaId v : orden_) {
            if (prefijo ? ventanas[v].titulo.starts_with(t) : ventanas[v].titulo == t) {
                return v;
            }
        }
        return std::nullopt;
    }

    SistemaSimulado& sistema_;
    std::vector<VentanaId> orden_;
};

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
