#include "EscritorioSimulado.h"

#include <algorithm>

namespace rebanex::pruebas {

namespace {

bool Contiene(const RectVentana& r, Punto p) {
    return p.x >= r.izquierda && p.x < r.derecha && p.y >= r.arriba && p.y < r.abajo;
}

const char* Nombre(Tecla t) {
    switch (t) {
        case Tecla::AltZ:
            return "AltZ";
        case Tecla::CtrlV:
            return "CtrlV";
        case Tecla::Escape:
            return "Escape";
    }
    return "?";
}

}  // namespace

EscritorioSimulado::EscritorioSimulado() {
    propia = Crear({"Rebanex", {600, 400, 1000, 700}});
    primerPlano = activa = propia;
}

VentanaId EscritorioSimulado::Crear(const VentanaSimulada& v) {
    const VentanaId id = siguiente_++;
    ventanas_[id] = v;
    if (v.padre == 0) {
        orden_.insert(orden_.begin(), id);
    }
    return id;
}

MensatelSimulado EscritorioSimulado::CrearMensatel(const std::string& titulo, RectVentana rect,
                                                   const std::string& tamanyo, int64_t retraso) {
    MensatelSimulado m;
    m.aplicacion = Crear({"Dorvax", {}});
    m.principal = Crear({titulo, rect, 0, false, reloj + retraso});
    // Fields around the fixed points (120, 150) and (204, 237).
    m.mensaje = Crear({"", {100, 140, 300, 160}, m.principal});
    m.tamanyo = Crear({tamanyo, {190, 230, 260, 245}, m.principal});
    return m;
}

bool EscritorioSimulado::Existe(VentanaId v) const {
    const auto it = ventanas_.find(v);
    return it != ventanas_.end() && it->second.apareceEn <= reloj;
}

bool EscritorioSimulado::Visible(VentanaId v) const {
    return Existe(v) && !ventanas_.at(v).minimizada;
}

void EscritorioSimulado::AlFrente(VentanaId v) {
    std::erase(orden_, v);
    orden_.insert(orden_.begin(), v);
}

std::vector<std::string> EscritorioSimulado::Titulos() const {
    std::vector<std::string> titulos;
    for (VentanaId v : orden_) {
        if (Existe(v)) {
            titulos.push_back(ventanas_.at(v).titulo);
        }
    }
    return titulos;
}

VentanaId EscritorioSimulado::BuscarVentana(std::string_view titulo) {
    for (VentanaId v : orden_) {
        if (Existe(v) && ventanas_[v].titulo == titulo) {
            return v;
        }
    }
    return 0;
}

VentanaId EscritorioSimulado::BuscarVentanaPorPrefijo(std::string_view prefijo) {
    for (VentanaId v : orden_) {
        if (Existe(v) && ventanas_[v].titulo.starts_with(prefijo)) {
            return v;
        }
    }
    return 0;
}

bool EscritorioSimulado::Minimizada(VentanaId v) {
    return Existe(v) && ventanas_[v].minimizada;
}

void EscritorioSimulado::Restaurar(VentanaId v) {
    if (Existe(v)) {
        ventanas_[v].minimizada = false;
        AlFrente(v);
        primerPlano = activa = v;
    }
}

bool EscritorioSimulado::PonerEnPrimerPlano(VentanaId v) {
    if (!Existe(v)) {
        return false;
    }
    AlFrente(v);
    primerPlano = activa = v;
    return true;
}

void EscritorioSimulado::SubirYActivar(VentanaId v) {
    if (Existe(v)) {
        AlFrente(v);
        activa = v;
    }
}

RectVentana EscritorioSimulado::Rectangulo(VentanaId v) {
    return Existe(v) ? ventanas_[v].rect : RectVentana{};
}

void EscritorioSimulado::Colocar(VentanaId v, int32_t x, int32_t y, int32_t ancho, int32_t alto) {
    colocadas.push_back(v);
    if (Existe(v)) {
        ventanas_[v].rect = {x, y, x + ancho, y + alto};
        AlFrente(v);
    }
}

VentanaId EscritorioSimulado::VentanaEnPunto(Punto p) {
    for (VentanaId v : orden_) {
        const VentanaSimulada& arriba = ventanas_[v];
        if (!Visible(v) || !Contiene(arriba.rect, p)) {
            continue;
        }
        const Punto relativo{p.x - arriba.rect.izquierda, p.y - arriba.rect.arriba};
        for (const auto& [hijo, campo] : ventanas_) {
            if (campo.padre == v && Contiene(campo.rect, relativo)) {
                return hijo;
            }
        }
        return v;
    }
    return 0;
}

std::string EscritorioSimulado::TextoVentana(VentanaId v) {
    return Existe(v) ? ventanas_[v].titulo : std::string();
}

Punto EscritorioSimulado::Cursor() {
    return reloj < atrasadoHasta_ ? cursorAnterior_ : cursor;
}

void EscritorioSimulado::MoverCursor(Punto p) {
    cursorAnterior_ = cursor;
    cursor = p;
    atrasadoHasta_ = reloj + cursorAtrasadoMs;
}

// A press activates the top-level window under the cursor.
void EscritorioSimulado::BotonIzquierdo(bool abajo) {
    if (!abajo) {
        return;
    }
    clicks.push_back(cursor);
    VentanaId v = VentanaEnPunto(cursor);
    while (v != 0 && ventanas_[v].padre != 0) {
        v = ventanas_[v].padre;
    }
    if (v != 0) {
        PonerEnPrimerPlano(v);
    }
}

void EscritorioSimulado::PulsarTeclas(Tecla t) {
    const VentanaId destino = Existe(primerPlano) ? primerPlano : 0;
    teclas.push_back(std::string(Nombre(t)) + " " + (destino ? ventanas_[destino].titulo : ""));
    if (destino == 0) {
        return;
    }
    if (t == Tecla::Escape && ventanas_[destino].cierraConEscape) {
        std::erase(orden_, destino);
        ventanas_.erase(destino);
        primerPlano = activa = 0;
        return;
    }
    for (auto& [id, campo] : ventanas_) {
        if (campo.padre != destino || !Contiene(campo.rect, {120, 150})) {
            continue;  // only Mensatel's message field takes keys
        }
        if (t == Tecla::AltZ && !rehusaVaciar) {
            campo.titulo.clear();
        } else if (t == Tecla::CtrlV) {
            campo.titulo += portapapeles.value_or("");
            pegados.push_back(campo.titulo);
        }
    }
}

void EscritorioSimulado::ProcesarEventos() {
    ++reloj;  // handling the pending events takes a moment
    if (alProcesar) {
        alProcesar();
    }
}

std::intptr_t EscritorioSimulado::AbrirConShell(const std::string& ruta,
                                                const std::string& directorio) {
    aperturas.emplace_back(ruta, directorio);
    if (alAbrir) {
        alAbrir();
    }
    return resultadoShell;
}

}  // namespace rebanex::pruebas
