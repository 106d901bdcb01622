// The hourglass for one scope: long work on the window's thread (a format command, the split,
// a paste into a long paragraph) leaves the window deaf for a while, and this says so.
#pragma once

#include <windows.h>

namespace rebanex::win32 {

class CursorEspera {
  public:
    CursorEspera() : anterior_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~CursorEspera() { SetCursor(anterior_); }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

  private:
    HCURSOR anterior_;  // shared system cursors: nothing to free
};

}  // namespace rebanex::win32
