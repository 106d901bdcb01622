// How the tool writes the program's Windows-1252 text to the console.
#pragma once

#include <string>
#include <string_view>

#include "cli/Argumentos.h"
#include "comun/Aviso.h"

namespace rebanex::cli {

class Salida {
  public:
    explicit Salida(CodificacionConsola codificacion) : codificacion_(codificacion) {}

    // The text in the console's encoding. In UTF-8 mode CR LF becomes LF as well; in
    // Windows-1252 mode the bytes pass unchanged.
    std::string Texto(std::string_view cp1252) const;
    // The same, appended to `destino`.
    void Anyadir(std::string& destino, std::string_view cp1252) const;

    // What ends each printed line: LF, or CR LF in Windows-1252 mode.
    std::string_view Salto() const;

    // The text goes out as the program holds it (Windows-1252 mode).
    bool TalCual() const { return codificacion_ == CodificacionConsola::Cp1252; }

  private:
    CodificacionConsola codificacion_;
};

// A message box as one console text: title, a colon and the text, each CR a line break.
// Windows-1252, without a final line break.
std::string TextoAviso(const Aviso& aviso);

// One JSON string, quotes included, in UTF-8, appended to `json`.
void AnyadirCadenaJson(std::string& json, std::string_view cp1252);

}  // namespace rebanex::cli
