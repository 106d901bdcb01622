// A list of rules applied to a text in order, each to the result of the one before.
#pragma once

#include <span>
#include <string>

#include "transforms/Regla.h"

namespace rebanex {

// Stops at the first rule that would make the text longer than `limite` (Limite), leaving
// the text as the rules before it left it.
FinReemplazos AplicarReglas(std::string& texto, std::span<const Regla> reglas,
                            std::size_t limite = kSinLimite);

}  // namespace rebanex
