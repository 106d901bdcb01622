// The tooltips of the controls: one tooltip window, one tool per control.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace rebanex::win32 {

class Ayudas {
  public:
    void Crear(HWND dueno, HINSTANCE instancia);
    // The control's tooltip; the first call adds the tool.
    void Fijar(HWND control, const std::string& texto);

  private:
    HWND tooltip_ = nullptr;     // owned by `dueno_`: destroyed with it
    HWND dueno_ = nullptr;       // borrowed
    std::vector<HWND> conTool_;  // the controls that have a tool already
};

}  // namespace rebanex::win32
