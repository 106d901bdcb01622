// The choices of the options menu that are neither on nor off, in the order of their items.
// The settings file stores each as the number of its item, 1 to 3 (settings/TablaOpciones.cpp
// converts); everything else works with these names.
#pragma once

#include <cstdint>

namespace rebanex {

// The letters of the pieces: as typed, in lower case or in upper case.
enum class CasoLetras : uint8_t { TalCual, Minusculas, Mayusculas };

// Where the signature goes: in front, at the end, or at the caret.
enum class PosicionFirma : uint8_t { Delante, AlFinal, EnCursor };

}  // namespace rebanex
