// The split command: checks, then the transforms on the working text, then the cut.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "comun/Aviso.h"
#include "settings/Configuracion.h"
#include "split/Trozos.h"

namespace rebanex {

enum class ControlFoco { Msg, LongMax };

// A refused split: the box to show and where the focus goes afterwards.
struct FalloPartir {
    Aviso aviso;
    ControlFoco foco = ControlFoco::Msg;
    bool seleccionarTodo = false;  // select the whole text of the focused box
};

struct EntradaPartir {
    std::string mensaje;         // text of Msg
    long long cursor = 0;        // caret offset in Msg
    Configuracion opciones;      // live values; opciones.MsgMax is the text of LongMax
    std::string firma;           // FirmaMensatel
    std::string rutaReemplazos;  // RutaReemplazos
};

struct PasosPartir {
    std::function<void(const std::string&)> mostrarEstado;  // may be empty
    std::function<void()> obtenerTamanyo;                   // run when ObtenerTamanyoMsg is on
};

// The six checks in order; nullopt when all pass (and msgMax is set).
std::optional<FalloPartir> ComprobarPartir(const EntradaPartir& entrada, int16_t& msgMax);

// The working text: `texto` (the message, taken over) after every transform the options of
// `entrada` ask for, done in place where the text does not grow. Nothing when the rules
// made it longer than `limite` characters.
std::optional<std::string> PrepararTexto(std::string texto, const EntradaPartir& entrada,
                                         Avisador& avisador, const PasosPartir& pasos,
                                         std::size_t limite);

// The table of the count, the cutter and the adaptation.
TablaGsm TablaDe(const Configuracion& c);

// For the status line after a split: the characters that force UCS-2 in the pieces sent as
// UCS-2 (the first ten) and how many those pieces are ("UCS-2 por: á “ (2 trozos)"); empty
// when none is.
std::string TextoUcs2(const ListaTrozos& lista);

// A piece's measure as the piece view shows it: "GSM 145/160", "UCS-2 61/70".
std::string TextoMedida(const MedidaTrozo& medida);

// The longest text that can fit the most pieces a split may have.
std::size_t LargoMaximo(int16_t msgMax);
// The same bound for the format menu's rules, which have no maximum of their own: from the
// maximum length typed in LongMax when a split would take it, else from 160.
std::size_t LargoMaximoReemplazos(const std::string& lon);

// The boxes of a refused split.
Aviso AvisoMensajeVacio();
Aviso AvisoSoloNumeros();
Aviso AvisoTamanyoCero();
Aviso AvisoSinSitioGuion();
Aviso AvisoMinimoIndicadores();
Aviso AvisoFirmaGrande();
// What takes all the room of a piece when no text fits.
enum class SinSitio { Indicador, Firma, Ambos };
Aviso AvisoSinSitioTexto(SinSitio quien);
Aviso AvisoDemasiadosTrozos();  // more than kMaxTrozos pieces

using ResultadoPartir = std::variant<ListaTrozos, FalloPartir>;

// The whole command up to the piece list (without showing it); the message is taken over as
// the working text. On a refused split the status is cleared and the failure returned; on
// success the status still reads "Troceando..." for the caller to clear once the pieces show.
ResultadoPartir Partir(EntradaPartir entrada, Avisador& avisador, const PasosPartir& pasos);

}  // namespace rebanex
