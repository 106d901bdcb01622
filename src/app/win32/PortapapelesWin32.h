// The clipboard of the Windows build.
#pragma once

#include <windows.h>

#include "app/Portapapeles.h"

namespace rebanex::win32 {

class PortapapelesWin32 final : public Portapapeles {
  public:
    // The clipboard takes text only from a window that owns it: the main window, once it
    // exists. Before that the copy does nothing.
    void FijarDueno(HWND dueno) { dueno_ = dueno; }
    void Copiar(const std::string& texto) override;

  private:
    HWND dueno_ = nullptr;  // borrowed
};

}  // namespace rebanex::win32
