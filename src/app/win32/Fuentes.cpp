#include "app/win32/Fuentes.h"

#include <string>

namespace rebanex::win32 {

namespace {

bool Iguales(const Fuente& a, const Fuente& b) {
    return a.nombre == b.nombre && a.puntos == b.puntos && a.negrita == b.negrita;
}

}  // namespace

FuenteUnica CrearFuente(const Fuente& f, int alto) {
    const std::string nombre(f.nombre);
    return FuenteUnica(CreateFontA(alto, 0, 0, 0, f.negrita ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                   FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nombre.c_str()));
}

void Fuentes::Crear(int dpi) {
    creadas_.clear();
    for (const DefControl& d : kTablaControles) {
        if (Para(d.fuente) != nullptr) {
            continue;
        }
        creadas_.push_back({d.fuente, CrearFuente(d.fuente, AltoFuente(d.fuente.puntos, dpi))});
    }
}

HFONT Fuentes::Para(const Fuente& f) const {
    for (const Creada& c : creadas_) {
        if (Iguales(c.fuente, f)) {
            return c.hfont.get();
        }
    }
    return nullptr;
}

}  // namespace rebanex::win32
