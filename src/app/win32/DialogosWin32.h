// The open-file dialog of the Windows build.
#pragma once

#include <windows.h>

#include "sistema/Dialogos.h"

namespace rebanex::win32 {

class DialogosWin32 final : public Dialogos {
  public:
    // The dialog belongs to the main window, once it exists.
    void FijarDueno(HWND dueno) { dueno_ = dueno; }
    std::string AbrirFichero(const std::string& filtro, const std::string& titulo,
                             const std::string& directorioInicial) override;

  private:
    HWND dueno_ = nullptr;  // borrowed
};

}  // namespace rebanex::win32
