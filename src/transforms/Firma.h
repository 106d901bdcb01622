// Putting the user's signature into a text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "comun/Elecciones.h"

namespace rebanex {

// Delante: firma + " " + texto. AlFinal: texto + " " + firma. EnCursor: no change.
// Callers check first that the signature is not empty.
void InsertarFirma(std::string& texto, std::string_view firma, PosicionFirma posicion);

// The first `cursor` characters, the signature, then the rest; no spaces added.
// A cursor beyond the text puts the signature at the end; below 0, at the start.
void InsertarFirmaEnCursor(std::string& texto, std::string_view firma, long long cursor);

// The signature where FirmarEnPosicion puts it: in front, at the end or at the caret.
void InsertarFirmaEnPosicion(std::string& texto, std::string_view firma, PosicionFirma posicion,
                             long long cursor);

}  // namespace rebanex
