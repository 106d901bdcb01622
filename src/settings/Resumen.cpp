#include "settings/Resumen.h"

#include <string_view>

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
    AnyadirAlResumen(c.Inverso, r, "Orden inverso", "I");
    AnyadirAlResumen(c.NoAcentos, r, "Eliminar Acentos", "A");
    AnyadirAlResumen(c.NoMultiEspacios, r, "Eliminar MultiEspacios", "E");
    AnyadirAlResumen(c.CopiarTrozoAlMensatel, r, "Pegar al Mensatel", "P");
    AnyadirAlResumen(c.ObtenerTamanyoMsg, r, "Obtener Tamaño", "O");
    if (c.Letras == 1) {
        AnyadirAlResumen(true, r, "Trozos tal cual ;)", "n");
    } else if (c.Letras == 2) {
        AnyadirAlResumen(true, r, "Trozos en mínusculas", "m");
    } else {
        AnyadirAlResumen(true, r, "Trozos en mayúsculas", "M");
    }
    if (c.FirmarEnPosicion == 1) {
        AnyadirAlResumen(true, r, "Firmar Delante", "d");
    } else if (c.FirmarEnPosicion == 2) {
        AnyadirAlResumen(true, r, "Firmar al Final", "f");
    } else {
        AnyadirAlResumen(true, r, "Firmar en cursor", "c");
    }
    AnyadirAlResumen(c.FirmarAutomaticamente, r, "Auto-Firma", "F");
    AnyadirAlResumen(FirmarEnTrozosEnVigor(c), r, "Firmar Trozos", "T");
    AnyadirAlResumen(c.AutoReemplazar, r, "Auto-Reemplazo", "R");
    AnyadirAlResumen(c.IndicadorTrozos, r, "# de Trozo", "#");
    return r;
}

}  // namespace rebanex
