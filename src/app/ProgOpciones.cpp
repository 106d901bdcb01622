// The options menu: ticks are the options, so every command works on the menu itself.
#include <optional>
#include <string>

#include "app/MenusOpciones.h"
#include "app/Prog.h"
#include "settings/Ajustes.h"
#include "settings/Resumen.h"

namespace rebanex {

// Of a choice group exactly one item is ticked; read it as the summary and the signature
// button do: item 1, else item 2, else the last.
int Prog::IndiceMarcado(Menu primero) {
    if (vista_.Marcado(primero)) {
        return 1;
    }
    return vista_.Marcado(ItemDeGrupo(primero, 2)) ? 2 : 3;
}

Configuracion Prog::LeerOpciones() {
    Configuracion c;
    for (const DefOpcion& o : kOpciones) {
        const std::optional<Menu> item = MenuDeOpcion(o.opcion);
        switch (o.tipo) {
            case TipoOpcion::SiNo:
                c.*o.siNo = vista_.Marcado(*item);
                if (o.habilitado != nullptr) {
                    c.*o.habilitado = vista_.MenuHabilitado(*item);
                }
                break;
            case TipoOpcion::Eleccion:
                o.fijarEleccion(c, IndiceMarcado(*item));
                break;
            case TipoOpcion::Texto:
                c.*o.texto = vista_.Texto(Control::LongMax);
                break;
        }
    }
    c.PosicionVentana = vista_.Marcado(Menu::RecordarPosicion);
    return c;
}

// The ticks and LongMax take the record's values; an item's own enabled state only where the
// record holds one.
void Prog::MostrarOpciones(const Configuracion& c) {
    for (const DefOpcion& o : kOpciones) {
        const std::optional<Menu> item = MenuDeOpcion(o.opcion);
        switch (o.tipo) {
            case TipoOpcion::SiNo:
                vista_.FijarMarcado(*item, c.*o.siNo);
                if (o.habilitado != nullptr) {
                    vista_.FijarMenuHabilitado(*item, c.*o.habilitado);
                }
                break;
            case TipoOpcion::Eleccion:
                MarcarEleccion(*item, o.leerEleccion(c));
                break;
            case TipoOpcion::Texto:
                vista_.FijarTexto(Control::LongMax, c.*o.texto);
                break;
        }
    }
    vista_.FijarMarcado(Menu::RecordarPosicion, c.PosicionVentana);
}

void Prog::MostrarResumenOpciones() {
    const ResumenOpciones resumen = ConstruirResumen(LeerOpciones());
    vista_.FijarTexto(Control::Opciones, resumen.corto);
    vista_.FijarAyuda(Control::Opciones, resumen.largo);
}

// A flag's item inverts its tick; an item of a choice group becomes the ticked one.
// Signing every piece makes no sense at the caret, nor without signing: whichever of those
// two was chosen last enables its item.
void Prog::ClickOpcion(const DefOpcion& o, Menu m) {
    if (o.tipo == TipoOpcion::Eleccion) {
        const Menu primero = *MenuDeOpcion(o.opcion);
        const int indice = IndiceEnGrupo(primero, m);
        MarcarEleccion(primero, indice);
        if (o.opcion == Opcion::FirmarEnPosicion) {
            vista_.FijarMenuHabilitado(Menu::FirmarEnTrozos,
                                       HabilitadoTrasPosicion(LeerOpciones().FirmarEnPosicion));
        }
    } else {
        const bool si = !vista_.Marcado(m);
        vista_.FijarMarcado(m, si);
        if (o.opcion == Opcion::FirmarAutomaticamente) {
            vista_.FijarMenuHabilitado(Menu::FirmarEnTrozos, HabilitadoTrasFirmaAuto(si));
        }
    }
    // The counter follows the way it counts.
    if (o.opcion == Opcion::TrozosSMS || o.opcion == Opcion::TablaEspanola) {
        MensajeCambiado();
    }
    MostrarResumenOpciones();
}

void Prog::MarcarEleccion(Menu primero, int indice) {
    for (int k = 1; k <= 3; ++k) {
        vista_.FijarMarcado(ItemDeGrupo(primero, k), k == indice);
    }
}

// The only option written at once: it decides where the next start opens the window.
// A failed write goes unnoticed.
void Prog::CambiarRecordarPosicion() {
    const bool recordar = !vista_.Marcado(Menu::RecordarPosicion);
    vista_.FijarMarcado(Menu::RecordarPosicion, recordar);
    LoteIni lote;
    lote.Escribir(kSeccionRebanex, "PosicionVentana", recordar ? "1" : "0");
    lote.Aplicar(ini_, sistema_.disco);
    MostrarResumenOpciones();
}

void Prog::GuardarPosicion() {
    const Rectangulo ventana = vista_.Ventana();
    if (GuardarPosicionVentana(ini_, sistema_.disco, ventana.izquierda, ventana.arriba)) {
        MostrarEstado(std::string(kEstadoPosicionGuardada));
    } else {
        vista_.Avisar(AvisoErrorGuardarPosicion());
    }
}

void Prog::GuardarOpciones() {
    if (GuardarConfiguracion(ini_, sistema_.disco, LeerOpciones())) {
        MostrarEstado(std::string(kEstadoConfiguracionGuardada));
    } else {
        vista_.Avisar(AvisoErrorGuardarConfiguracion());
    }
}

}  // namespace rebanex
