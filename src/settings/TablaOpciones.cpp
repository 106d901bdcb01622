#include "settings/TablaOpciones.h"

#include "comun/Numeros.h"

namespace rebanex {

namespace {

using C = Configuracion;
using enum TipoOpcion;

}  // namespace

// clang-format off
const std::array<DefOpcion, 12> kOpciones = {{
    {.clave = "Inverso", .tipo = SiNo, .porDefecto = "0", .menu = Menu::mnu_opciones_inverso,
     .siNo = &C::Inverso, .columna = 0, .letras = {"I"}, .textos = {"Orden inverso"}},
    {.clave = "NoAcentos", .tipo = SiNo, .porDefecto = "1", .menu = Menu::mnu_opciones_acentos,
     .siNo = &C::NoAcentos, .columna = 1, .letras = {"A"}, .textos = {"Eliminar Acentos"}},
    {.clave = "NoMultiEspacios", .tipo = SiNo, .porDefecto = "1",
     .menu = Menu::mnu_opciones_espacios, .siNo = &C::NoMultiEspacios, .columna = 2,
     .letras = {"E"}, .textos = {"Eliminar MultiEspacios"}},
    {.clave = "IndicadorTrozos", .tipo = SiNo, .porDefecto = "1",
     .menu = Menu::mnu_opciones_indicador, .siNo = &C::IndicadorTrozos, .columna = 10,
     .letras = {"#"}, .textos = {"# de Trozo"}},
    {.clave = "CopiarTrozoAlMensatel", .tipo = SiNo, .porDefecto = "1",
     .menu = Menu::mnu_opciones_pegar, .siNo = &C::CopiarTrozoAlMensatel, .columna = 3,
     .letras = {"P"}, .textos = {"Pegar al Mensatel"}},
    {.clave = "ObtenerTamañoMsg", .tipo = SiNo, .porDefecto = "1",
     .menu = Menu::mnu_opciones_getTamanyo, .siNo = &C::ObtenerTamanyoMsg, .columna = 4,
     .letras = {"O"}, .textos = {"Obtener Tamaño"},
     .alias = "ObtenerTamanyoMsg"},  // "ñ" is awkward to type
    {.clave = "MsgMax", .tipo = Texto, .porDefecto = "160", .texto = &C::MsgMax},
    {.clave = "Letras", .tipo = Eleccion, .porDefecto = "1", .menu = Menu::mnu_opciones_txtChar1,
     .eleccion = &C::Letras, .columna = 5, .letras = {"n", "m", "M"},
     .textos = {"Trozos tal cual ;)", "Trozos en mínusculas", "Trozos en mayúsculas"}},
    {.clave = "FirmarAutomaticamente", .tipo = SiNo, .porDefecto = "0",
     .menu = Menu::mnu_opciones_firma_auto, .siNo = &C::FirmarAutomaticamente, .columna = 7,
     .letras = {"F"}, .textos = {"Auto-Firma"}},
    {.clave = "FirmarEnTrozos", .tipo = SiNo, .porDefecto = "0",
     .menu = Menu::mnu_opciones_firma_trozos, .siNo = &C::FirmarEnTrozos,
     .habilitado = &C::FirmarEnTrozosHabilitado, .columna = 8, .letras = {"T"},
     .textos = {"Firmar Trozos"}},
    {.clave = "FirmarEnPosicion", .tipo = Eleccion, .porDefecto = "1",
     .menu = Menu::mnu_opciones_firma_posicion1, .eleccion = &C::FirmarEnPosicion, .columna = 6,
     .letras = {"d", "f", "c"}, .textos = {"Firmar Delante", "Firmar al Final", "Firmar en cursor"}},
    {.clave = "AutoReemplazar", .tipo = SiNo, .porDefecto = "0", .menu = Menu::mnu_opciones_auto,
     .siNo = &C::AutoReemplazar, .conservaSiFalta = true, .columna = 9, .letras = {"R"},
     .textos = {"Auto-Reemplazo"}},
}};
// clang-format on

const DefOpcion* OpcionDeMenu(Menu m) {
    for (const DefOpcion& o : kOpciones) {
        if (!o.menu) {
            continue;
        }
        const int desde = static_cast<int>(*o.menu);
        const int items = o.tipo == Eleccion ? 3 : 1;
        if (static_cast<int>(m) >= desde && static_cast<int>(m) < desde + items) {
            return &o;
        }
    }
    return nullptr;
}

int ValorEleccion(std::string_view texto) {
    const int32_t n = RedondearPar(ValorNumerico(texto));
    return n >= 1 && n <= 3 ? n : 1;
}

std::string TextoOpcion(const DefOpcion& o, const Configuracion& c) {
    switch (o.tipo) {
        case SiNo:
            return c.*o.siNo ? "1" : "0";
        case Eleccion:
            return Decimal(c.*o.eleccion);
        case Texto:
            break;
    }
    return c.*o.texto;
}

bool OpcionEnVigor(const DefOpcion& o, const Configuracion& c) {
    return c.*o.siNo && (o.habilitado == nullptr || c.*o.habilitado);
}

}  // namespace rebanex
