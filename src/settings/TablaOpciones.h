// Every option once: key in the settings file, kind, default, field of the record and
// entry in the summary. The load, the save, the summary, `trocear --opcion` and the window's
// menu all go through this table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/Configuracion.h"

namespace rebanex {

// Each option by its own name, in the order of the settings file.
enum class Opcion {
    Inverso,
    NoAcentos,
    NoMultiEspacios,
    IndicadorTrozos,
    CopiarTrozoAlMensatel,
    ObtenerTamanyoMsg,
    MsgMax,
    Letras,
    FirmarAutomaticamente,
    FirmarEnTrozos,
    FirmarEnPosicion,
    AutoReemplazar,
    TrozosSMS,
    AdaptarGSM,
    TablaEspanola,
};

enum class TipoOpcion {
    SiNo,      // a tick; stored as "1" or "0"
    Eleccion,  // which of three items is ticked; stored as "1", "2" or "3"
    Texto,     // MsgMax: the text of LongMax; stored as typed, read back as a number
};

struct DefOpcion {
    Opcion opcion;
    std::string_view clave;  // in section "Rebanex"
    TipoOpcion tipo;
    std::string_view porDefecto;  // written when the key is missing at start-up
    bool Configuracion::*siNo = nullptr;
    // A choice as the number of its item, 1 to 3, which is how the settings file stores it.
    int (*leerEleccion)(const Configuracion&) = nullptr;
    void (*fijarEleccion)(Configuracion&, int item) = nullptr;
    std::string Configuracion::*texto = nullptr;
    // The item's enabled state, where it has one of its own that the option depends on.
    bool Configuracion::*habilitado = nullptr;
    // A key that is missing at start-up gets its default written, but the tick stays as the
    // window opened; these keys are read after the window's position and the rules files.
    bool conservaSiFalta = false;
    // Written only when the options are saved, never at start-up: a settings file of an
    // older Rebanex, without the key, reads as the default and stays as it was.
    bool soloAlGuardar = false;
    int columna = -1;  // its place in the summary; -1 for none
    // Summary: the letter and the long text when on; of a choice, one per item.
    std::array<std::string_view, 3> letras{};
    std::array<std::string_view, 3> textos{};
    std::string_view alias{};  // another key `trocear --opcion` accepts
    bool soloVentana = false;  // it works on Mensatel: trocear accepts it and does nothing
};

// In the order of the settings file.
extern const std::array<DefOpcion, 15> kOpciones;
inline constexpr int kEntradasResumen = 14;
// The entries before the SMS ones: the summary has only these while no SMS option is on, as it
// always had.
inline constexpr int kEntradasSinSms = 11;

// A choice as stored: rounded to the nearest (halves to even); outside 1 to 3 it is 1.
int ValorEleccion(std::string_view texto);

// The value as the settings file stores it.
std::string TextoOpcion(const DefOpcion& o, const Configuracion& c);

// For the summary: FirmarEnTrozos counts only while its item is enabled too.
bool OpcionEnVigor(const DefOpcion& o, const Configuracion& c);

}  // namespace rebanex
