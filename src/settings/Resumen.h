// The options summary under the message: a row of letters (the label's caption) and its
// longer wording (the label's tooltip).
#pragma once

#include <string>

#include "settings/Configuracion.h"

namespace rebanex {

struct ResumenOpciones {
    std::string corto, largo;
    bool operator==(const ResumenOpciones&) const = default;
};

// Eleven entries in a fixed order; each takes three characters of the short text, blank
// when off, so every letter keeps its column.
ResumenOpciones ConstruirResumen(const Configuracion& c);

}  // namespace rebanex
