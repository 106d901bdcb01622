// The program's text is Windows-1252; consoles, editors and file systems speak Unicode.
// These convert between the two, and tell which of the two a text read from outside is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "comun/Aviso.h"

namespace rebanex {

// The Unicode character of a Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81 0x8D 0x8F 0x90 0x9D) stand for the C1 controls of the same number, as the
// platform's own conversion has them.
char32_t CaracterWindows1252(unsigned char byte);

// The Windows-1252 byte of a Unicode character; nullopt when the code page lacks it.
std::optional<unsigned char> ByteWindows1252(char32_t c);

// A text converted to Windows-1252, and what it could not hold.
struct Conversion1252 {
    std::string texto;
    // The characters that became "?", each once, in the order they first appear; U+FFFD
    // stands for bytes that were not UTF-8.
    std::u32string sinConvertir;
};

// UTF-8 to Windows-1252. Accents typed apart are joined to their letter first (e + U+0301
// is é), as Unicode's canonical composition does; hyphens and spaces the code page lacks
// become their nearest (U+2010 U+2011 "-", U+2007 U+202F no-break space); U+200B and U+FEFF
// go. Any other character the code page lacks becomes "?", and so does every byte of an
// invalid sequence (one "?" per bad byte). A leading byte order mark is dropped.
Conversion1252 DeUtf8Detallado(std::string_view utf8);
// The same, text only.
std::string DeUtf8(std::string_view utf8);

// True when the whole text is well-formed UTF-8.
bool EsUtf8Valido(std::string_view texto);

// Windows-1252 to UTF-8. Every byte maps to one character (see CaracterWindows1252).
std::string AUtf8(std::string_view cp1252);
// The same, appended to `destino`.
void AnyadirUtf8(std::string& destino, std::string_view cp1252);

// Text that came from outside (a file, standard input, a value of another program's
// settings) as Windows-1252: bytes that start with a UTF-8 byte order mark, or that are
// valid UTF-8 holding some byte above 0x7F, are decoded as UTF-8; anything else already is
// Windows-1252 and comes back as it is.
Conversion1252 TextoWindows1252Detallado(std::string bytes);
std::string TextoWindows1252(std::string bytes);

// The box that names what `donde` (a file, the message) held and Windows-1252 lacks, by code,
// as no Windows-1252 text can show it: "U+1F600 U+2713"; bytes that were no UTF-8 are said
// apart.
Aviso AvisoSinWindows1252(std::string_view donde, const std::u32string& sinConvertir);

}  // namespace rebanex
