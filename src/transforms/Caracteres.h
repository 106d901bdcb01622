// Character transforms of the message text (Windows-1252, CR LF line breaks).
#pragma once

#include <string>

#include "comun/Elecciones.h"
#include "transforms/Gsm7.h"

namespace rebanex {

// á é í ó ú à è ì ò ù and their capitals become plain vowels; nothing else changes.
void QuitarAcentos(std::string& texto);

// Whole text to upper case (true) or lower case (false) by the Windows-1252 case rules,
// accented letters included; same result on every machine, length unchanged.
void CambiarLetras(std::string& texto, bool mayusculas);

// Every run of two or more spaces (code 32 only) becomes one space.
void QuitarMultiEspacios(std::string& texto);

// What the split does to every message before its rules, in one pass: accents go when
// asked (QuitarAcentos), then letters change case as `letras` says, then every TAB and every
// CR LF pair becomes one space (lone CR or LF stay).
void PrepararCaracteres(std::string& texto, bool sinAcentos, CasoLetras letras);

// The same, then AdaptarGSM with `gsm`, with the one pass above doing the most of it: what
// the split does when no rules come between the two.
void PrepararCaracteresGsm(std::string& texto, bool sinAcentos, CasoLetras letras, TablaGsm gsm);

}  // namespace rebanex
