// Putting the user's signature into a text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rebanex {

// 1: firma + " " + texto. 2: texto + " " + firma. Any other position: no change.
// Callers check first that the signature is not empty.
void InsertarFirma(std::string& texto, std::string_view firma, uint8_t posicion);

// The first `cursor` characters, the signature, then the rest; no spaces added.
// A cursor beyond the text puts the signature at the end; below 0, at the start.
void InsertarFirmaEnCursor(std::string& texto, std::string_view firma, long long cursor);

// The signature where FirmarEnPosicion puts it: 1 in front, 2 at the end, anything else at
// the caret.
void InsertarFirmaEnPosicion(std::string& texto, std::string_view firma, int posicion,
                             long long cursor);

}  // namespace rebanex
