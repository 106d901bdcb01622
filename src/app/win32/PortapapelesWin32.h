// The clipboard of the Windows build: the copy of the whole message, and the saving, writing
// and restoring around a paste into Mensatel. The clipboard takes data only from a window
// that owns it, Rebanex's main window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "sistema/Portapapeles.h"

namespace rebanex::win32 {

class PortapapelesWin32 final : public Portapapeles {
  public:
    // The main window, once it exists. Before that every call fails.
    void FijarDueno(HWND dueno) { dueno_ = dueno; }
    // Every format kept in plain memory; the others (bitmaps, metafiles, palettes, private
    // handles) the system makes up from these or cannot be copied as bytes.
    std::optional<CopiaPortapapeles> Guardar() override;
    // Windows-1252 text as CF_TEXT and, converted, as CF_UNICODETEXT: a Unicode receiver gets
    // the same characters whatever the system's ANSI code page.
    bool EscribirTexto(const std::string& texto) override;
    bool Restaurar(const CopiaPortapapeles& copia) override;

  private:
    HWND dueno_ = nullptr;  // borrowed
};

}  // namespace rebanex::win32
