#include "settings/TablaOpciones.h"

#include <array>
#include <type_traits>

#include "comun/Numeros.h"

namespace rebanex {

namespace {

using C = Configuracion;
using enum TipoOpcion;

// A choice's item number, 1 to 3, and back: the enumerators are in the order of the items.
template <auto campo>
int ItemDe(const Configuracion& c) {
    return static_cast<int>(c.*campo) + 1;
}
template <auto campo>
void FijarItem(Configuracion& c, int item) {
    c.*campo = static_cast<std::remove_reference_t<decltype(c.*campo)>>(item - 1);
}

}  // namespace

// clang-format off
const std::array<DefOpcion, 15> kOpciones = {{
    {.opcion = Opcion::Inverso, .clave = "Inverso", .tipo = SiNo, .porDefecto = "0",
     .siNo = &C::Inverso, .columna = 0, .letras = {"I"}, .textos = {"Orden inverso"}},
    {.opcion = Opcion::NoAcentos, .clave = "NoAcentos", .tipo = SiNo, .porDefecto = "1",
     .siNo = &C::NoAcentos, .columna = 1, .letras = {"A"}, .textos = {"Eliminar Acentos"}},
    {.opcion = Opcion::NoMultiEspacios, .clave = "NoMultiEspacios", .tipo = SiNo,
     .porDefecto = "1", .siNo = &C::NoMultiEspacios, .columna = 2, .letras = {"E"},
     .textos = {"Eliminar MultiEspacios"}},
    {.opcion = Opcion::IndicadorTrozos, .clave = "IndicadorTrozos", .tipo = SiNo,
     .porDefecto = "1", .siNo = &C::IndicadorTrozos, .columna = 10, .letras = {"#"},
     .textos = {"# de Trozo"}},
    {.opcion = Opcion::CopiarTrozoAlMensatel, .clave = "CopiarTrozoAlMensatel", .tipo = SiNo,
     .porDefecto = "1", .siNo = &C::CopiarTrozoAlMensatel, .columna = 3, .letras = {"P"},
     .textos = {"Pegar al Mensatel"}, .soloVentana = true},
    {.opcion = Opcion::ObtenerTamanyoMsg, .clave = "ObtenerTamañoMsg", .tipo = SiNo,
     .porDefecto = "1", .siNo = &C::ObtenerTamanyoMsg, .columna = 4, .letras = {"O"},
     .textos = {"Obtener Tamaño"},
     .alias = "ObtenerTamanyoMsg",  // "ñ" is awkward to type
     .soloVentana = true},
    {.opcion = Opcion::MsgMax, .clave = "MsgMax", .tipo = Texto, .porDefecto = "160",
     .texto = &C::MsgMax},
    {.opcion = Opcion::Letras, .clave = "Letras", .tipo = Eleccion, .porDefecto = "1",
     .leerEleccion = ItemDe<&C::Letras>,
     .fijarEleccion = FijarItem<&C::Letras>, .columna = 5, .letras = {"n", "m", "M"},
     .textos = {"Trozos tal cual ;)", "Trozos en mínusculas", "Trozos en mayúsculas"}},
    {.opcion = Opcion::FirmarAutomaticamente, .clave = "FirmarAutomaticamente", .tipo = SiNo,
     .porDefecto = "0", .siNo = &C::FirmarAutomaticamente, .columna = 7, .letras = {"F"},
     .textos = {"Auto-Firma"}},
    {.opcion = Opcion::FirmarEnTrozos, .clave = "FirmarEnTrozos", .tipo = SiNo,
     .porDefecto = "0", .siNo = &C::FirmarEnTrozos, .habilitado = &C::FirmarEnTrozosHabilitado,
     .columna = 8, .letras = {"T"}, .textos = {"Firmar Trozos"}},
    {.opcion = Opcion::FirmarEnPosicion, .clave = "FirmarEnPosicion", .tipo = Eleccion,
     .porDefecto = "1", .leerEleccion = ItemDe<&C::FirmarEnPosicion>,
     .fijarEleccion = FijarItem<&C::FirmarEnPosicion>, .columna = 6, .letras = {"d", "f", "c"},
     .textos = {"Firmar Delante", "Firmar al Final", "Firmar en cursor"}},
    {.opcion = Opcion::AutoReemplazar, .clave = "AutoReemplazar", .tipo = SiNo, .porDefecto = "0",
     .siNo = &C::AutoReemplazar, .conservaSiFalta = true, .columna = 9, .letras = {"R"},
     .textos = {"Auto-Reemplazo"}},
    {.opcion = Opcion::TrozosSMS, .clave = "TrozosSMS", .tipo = SiNo, .porDefecto = "0",
     .siNo = &C::TrozosSMS, .soloAlGuardar = true, .columna = 11, .letras = {"S"},
     .textos = {"Trozos de un SMS"}},
    {.opcion = Opcion::AdaptarGSM, .clave = "AdaptarGSM", .tipo = SiNo, .porDefecto = "0",
     .siNo = &C::AdaptarGSM, .soloAlGuardar = true, .columna = 12, .letras = {"G"},
     .textos = {"Adaptar a GSM"}},
    {.opcion = Opcion::TablaEspanola, .clave = "TablaEspanola", .tipo = SiNo, .porDefecto = "0",
     .siNo = &C::TablaEspanola, .soloAlGuardar = true, .columna = 13, .letras = {"Ñ"},
     .textos = {"Tabla española"}},
}};
// clang-format on// clang-format on

int ValorEleccion(std::string_view texto) {
    const int32_t n = RedondearPar(ValorNumerico(texto));
    return n >= 1 && n <= 3 ? n : 1;
}

std::string TextoOpcion(const DefOpcion& o, const Configuracion& c) {
    switch (o.tipo) {
        case SiNo:
            return c.*o.siNo ? "1" : "0";
        case Eleccion:
            return Decimal(o.leerEleccion(c));
        case Texto:
            break;
    }
    return c.*o.texto;
}

bool OpcionEnVigor(const DefOpcion& o, const Configuracion& c) {
    return c.*o.siNo && (o.habilitado == nullptr || c.*o.habilitado);
}

}  // namespace rebanex
