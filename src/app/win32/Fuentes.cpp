#include "app/win32/Fuentes.h"

#include <string>

namespace rebanex::win32 {

namespace {

bool Iguales(const Fuente& a, const Fuente& b) {
    return a.nombre == b.nombre && a.puntos == b.puntos && a.negrita == b.negrita;
}

}  // namespace

void Fuentes::Crear(int dpi) {
    creadas_.clear();
    for (const DefControl& d : kTablaControles) {
        if (Para(d.fuente) != nullptr) {
            continue;
        }
        const std::string nombre(d.fuente.nombre);
        HFONT f = CreateFontA(AltoFuente(d.fuente.puntos, dpi), 0, 0, 0,
                              d.fuente.negrita ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                              ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nombre.c_str());
        creadas_.push_back({d.fuente, FuenteUnica(f)});
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
