// The console speaks UTF-8; the program's text is Windows-1252 with CR LF line breaks, as
// the message box holds it. These convert between the two.
#pragma once

#include <string>
#include <string_view>

namespace rebanex::consola {

// UTF-8 to Windows-1252. A character the code page lacks becomes "?", and so does every
// byte of an invalid sequence (one "?" per bad byte). A leading byte order mark is dropped.
std::string DeUtf8(std::string_view utf8);

// True when the whole text is well-formed UTF-8.
bool EsUtf8Valido(std::string_view texto);

// Windows-1252 to UTF-8. Every byte maps to one character; the five bytes the code page
// leaves undefined (0x81 0x8D 0x8F 0x90 0x9D) map to the C1 controls of the same number.
std::string AUtf8(std::string_view cp1252);
// The same, appended to `destino`.
void AnyadirUtf8(std::string& destino, std::string_view cp1252);

// Every line break (LF, CR LF or a lone CR) becomes CR LF.
std::string SaltosDeVentana(std::string_view texto);

// Every CR LF becomes LF; lone CRs and LFs stay.
std::string SaltosDeConsola(std::string_view texto);

}  // namespace rebanex::consola
