// Small reads of the window system's state shared by the window's parts.
#pragma once

#include <windows.h>

#include <string>

namespace rebanex::win32 {

// A window's text or caption; "" for no window.
std::string TextoVentana(HWND hwnd);

// The modifier keys held down now: 1 Shift, 2 Ctrl, 4 Alt, added up.
int Mayusculas();

}  // namespace rebanex::win32
