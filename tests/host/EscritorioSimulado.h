// A desktop in memory: windows, fields, cursor, clock; a hung window takes no keys and reads "".
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/ControlMensatel.h"
#include "sistema/SistemaSimulado.h"

namespace rebanex::pruebas {

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

}  // namespace rebanex::pruebas
