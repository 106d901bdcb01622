// A text under a list of rules, with its upper-case image kept in step with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rebanex::Troceado {

// The rules search the capitals of the text. Rebuilding them for every rule made a long
// rules file cost one copy of the whole text per rule; here every replacement writes the
// text and its image together, in place when the replacement is not longer than what it
// replaces.
class TextoConMayusculas {
  public:
    // Works on `texto` itself; the image is made once, here.
    explicit TextoConMayusculas(std::string& texto);

    // One prefix, suffix or whole-word rule (TipoReemplazo): case-insensitive match,
    // replacement in capitals when the occurrence starts with a capital. Each replacement is
    // never searched again, and the word test sees the text as this rule has left it so far.
    // False, with the text as it was before the rule, as soon as the rule would make it longer
    // than `limite` characters.
    bool ReemplazarPalabra(int32_t tipo, std::string_view buscar, std::string_view reemplazo,
                           std::size_t limite);

    // Every exact (case-sensitive) occurrence, left to right, never searching a replacement.
    // The same limit.
    bool Reemplazar(std::string_view buscar, std::string_view sustituto, std::size_t limite);

  private:
    enum class Prueba { Ninguna, Prefijo, Sufijo, Palabra };
    bool Sustituir(bool enImagen, std::string_view patron, Prueba prueba,
                   std::string_view reemplazo, std::string_view reemplazoMayusculas,
                   std::size_t limite);

    std::string& texto_;
    std::string imagen_;
};

// True for the 26 characters that separate words (not TAB, CR or LF, nor digits).
bool EsCaracterSeparador(char c);

}  // namespace rebanex::Troceado
