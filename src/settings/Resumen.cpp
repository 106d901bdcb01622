#include "settings/Resumen.h"

#include <algorithm>
#include <string_view>

#include "settings/TablaOpciones.h"

namespace rebanex {

namespace {

void AnyadirAlResumen(bool si, ResumenOpciones& r, std::string_view largo, std::string_view letra) {
    if (si) {
        r.corto += letra;
        r.corto += "  ";
        r.largo += largo;
        r.largo += "  /  ";
    } else {
        r.corto += "   ";
    }
}

}  // namespace

ResumenOpciones ConstruirResumen(const Configuracion& c) {
    ResumenOpciones r{"", " /  "};
    bool sms = false;
    for (const DefOpcion& o : kOpciones) {
        sms = sms || (o.columna >= kEntradasSinSms && OpcionEnVigor(o, c));
    }
    for (int columna = 0; columna < (sms ? kEntradasResumen : kEntradasSinSms); ++columna) {
        for (const DefOpcion& o : kOpciones) {
            if (o.columna != columna) {
                continue;
            }
            if (o.tipo == TipoOpcion::Eleccion) {
                // Item 1, else item 2, else the last, as the ticks are read.
                const int v = o.leerEleccion(c);
                const std::size_t i = v == 1 ? 0 : v == 2 ? 1 : 2;
                AnyadirAlResumen(true, r, o.textos[i], o.letras[i]);
            } else {
                AnyadirAlResumen(OpcionEnVigor(o, c), r, o.textos[0], o.letras[0]);
            }
        }
    }
    return r;
}

}  // namespace rebanex
