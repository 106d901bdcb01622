// The system clipboard, for the window's copy of the message and for the paste into Mensatel.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rebanex {

// What the clipboard held: every format kept in plain memory, by number, with its bytes.
struct CopiaPortapapeles {
    struct Formato {
        uint32_t numero = 0;
        std::string bytes;
        bool operator==(const Formato&) const = default;
    };
    std::vector<Formato> formatos;
    bool operator==(const CopiaPortapapeles&) const = default;
};

// Each call waits a moment, at most about half a second, for another program that holds the
// clipboard; false or nullopt when it could not have it, or could not put a format on it.
class Portapapeles {
  public:
    virtual ~Portapapeles() = default;
    virtual std::optional<CopiaPortapapeles> Guardar() = 0;
    // Empties it, then puts the text on it as CF_TEXT and as CF_UNICODETEXT.
    virtual bool EscribirTexto(const std::string& texto) = 0;
    // Empties it, then puts every saved format back.
    virtual bool Restaurar(const CopiaPortapapeles& copia) = 0;
};

}  // namespace rebanex
