// The options record: every behaviour of the splitter the user can switch.
// Its live values are the menu ticks (and the text of LongMax); this record is a snapshot of
// them taken when a command needs them.
#pragma once

#include <string>

#include "comun/Elecciones.h"

namespace rebanex {

struct Configuracion {
    bool Inverso = false;
    bool NoAcentos = true;
    bool NoMultiEspacios = true;
    bool IndicadorTrozos = true;
    bool CopiarTrozoAlMensatel = true;
    bool ObtenerTamanyoMsg = true;
    std::string MsgMax = "160";  // the text of LongMax, as typed
    CasoLetras Letras = CasoLetras::TalCual;
    bool FirmarAutomaticamente = false;
    bool FirmarEnTrozos = false;           // the tick of its menu item
    bool FirmarEnTrozosHabilitado = true;  // the enabled state of that item
    PosicionFirma FirmarEnPosicion = PosicionFirma::Delante;
    bool AutoReemplazar = false;
    bool PosicionVentana = true;
    // Every piece one real SMS in its own encoding; the characters that would force UCS-2
    // replaced; the Spanish single shift table (few senders support it).
    bool TrozosSMS = false;
    bool AdaptarGSM = false;
    bool TablaEspanola = false;

    bool operator==(const Configuracion&) const = default;
};

// FirmarEnTrozos counts only while its menu item is both ticked and enabled.
bool FirmarEnTrozosEnVigor(const Configuracion& c);

// Every piece carries the signature: a signature exists, FirmarEnTrozos is in force and the
// position is not the caret.
bool TrozosFirmados(const Configuracion& c, const std::string& firma);

// The enabled state of "Insertar Firma en todos los Trozos" after each of the two commands
// that set it.
inline bool HabilitadoTrasFirmaAuto(bool firmaAutomatica) {
    return firmaAutomatica;
}
inline bool HabilitadoTrasPosicion(PosicionFirma posicion) {
    return posicion != PosicionFirma::EnCursor;
}

}  // namespace rebanex
