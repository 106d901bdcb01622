// The common open-file dialog, over the main window.
#pragma once

#include <string>

namespace rebanex {

class Dialogos {
  public:
    virtual ~Dialogos() = default;
    // GetOpenFileNameA for an existing file. `filtro` is already in the dialog's form
    // (FiltroDialogo): pairs of NUL-ended texts, the list ended by a second NUL. The chosen
    // full path as the dialog wrote it, or "" when the user cancelled or the dialog failed.
    virtual std::string AbrirFichero(const std::string& filtro, const std::string& titulo,
                                     const std::string& directorioInicial) = 0;
};

}  // namespace rebanex
