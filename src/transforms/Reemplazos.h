// Word replacement driven by a rules file.
//
// Rules file: Windows-1252 text (UTF-8 is converted on reading), lines end at CR LF or a lone
// CR (a lone LF does not end a line). ";" first = comment; no TAB or TAB first = faulty line;
// "#" prefix rule, "*" anywhere rule, "%" suffix rule, otherwise whole-word rule: search TAB
// replacement.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "comun/Aviso.h"

namespace rebanex {

// How applying the rules ended: Limite when a rule would have made the text longer than the
// limit given; the text is then as the rules before that one left it.
enum class FinReemplazos { Terminado, Limite };
inline constexpr std::size_t kSinLimite = std::numeric_limits<std::size_t>::max();

// Reads the rules file at `ruta` afresh and applies its rules in file order, each to the
// result of the one before. When the file cannot be opened, tells the user (OK box) and
// leaves the text unchanged (a file that opens but cannot be read too); on a faulty line asks
// whether to go on (Yes/No box): No stops there, keeping what the rules before it replace. The cost
// of rules that never match is nearly nothing.
FinReemplazos AplicarReemplazos(std::string& texto, const std::string& ruta, Avisador& avisador,
                                std::size_t limite = kSinLimite);

// The same over rules already read: `contenido` is the file's text as Windows-1252, `ruta`
// only names the file in the boxes. Any bytes are a valid content.
FinReemplazos AplicarReemplazos(std::string& texto, std::string_view contenido,
                                const std::string& ruta, Avisador& avisador,
                                std::size_t limite = kSinLimite);

// The two boxes the engine can raise, for callers and tests.
Aviso AvisoErrorAbrirReemplazos(const std::string& ruta);
Aviso AvisoLineaRara(long long numeroLinea, const std::string& ruta);
// The format menu's command stopped at the limit: the message stays as it was.
Aviso AvisoReemplazosSinFin(std::size_t limite);

// The 27 lines of the default rules file (without line ends).
const std::vector<std::string>& ContenidoReemplazosPorDefecto();

}  // namespace rebanex
