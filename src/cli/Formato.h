// The commands of the format menu, applied to the whole message as the window does.
#pragma once

#include <optional>
#include <string>

#include "cli/Argumentos.h"
#include "comun/Aviso.h"
#include "split/Partir.h"

namespace rebanex::cli {

// The message after the command. The commands look at no option, except that "firma"
// puts the signature where FirmarEnPosicion says (at entrada.cursor for position 3) and
// does nothing without a signature; "reemplazar" reads entrada.rutaReemplazos and gives
// nothing, after its box, when the rules lengthen the message without end.
std::optional<std::string> AplicarFormato(ComandoFormato comando, const EntradaPartir& entrada,
                                          Avisador& avisador);

}  // namespace rebanex::cli
