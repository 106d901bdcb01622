#include "app/MenusOpciones.h"

namespace rebanex {

std::optional<Menu> MenuDeOpcion(Opcion o) {
    switch (o) {
        case Opcion::Inverso:
            return Menu::mnu_opciones_inverso;
        case Opcion::NoAcentos:
            return Menu::mnu_opciones_acentos;
        case Opcion::NoMultiEspacios:
            return Menu::mnu_opciones_espacios;
        case Opcion::IndicadorTrozos:
            return Menu::mnu_opciones_indicador;
        case Opcion::CopiarTrozoAlMensatel:
            return Menu::mnu_opciones_pegar;
        case Opcion::ObtenerTamanyoMsg:
            return Menu::mnu_opciones_getTamanyo;
        case Opcion::MsgMax:
            return std::nullopt;
        case Opcion::Letras:
            return Menu::mnu_opciones_txtChar1;
        case Opcion::FirmarAutomaticamente:
            return Menu::mnu_opciones_firma_auto;
        case Opcion::FirmarEnTrozos:
            return Menu::mnu_opciones_firma_trozos;
        case Opcion::FirmarEnPosicion:
            return Menu::mnu_opciones_firma_posicion1;
        case Opcion::AutoReemplazar:
            return Menu::mnu_opciones_auto;
    }
    return std::nullopt;
}

const DefOpcion* OpcionDeMenu(Menu m) {
    for (const DefOpcion& o : kOpciones) {
        const std::optional<Menu> item = MenuDeOpcion(o.opcion);
        if (!item) {
            continue;
        }
        const int desde = static_cast<int>(*item);
        const int items = o.tipo == TipoOpcion::Eleccion ? 3 : 1;
        if (static_cast<int>(m) >= desde && static_cast<int>(m) < desde + items) {
            return &o;
        }
    }
    return nullptr;
}

}  // namespace rebanex
