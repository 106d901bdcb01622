// The system clipboard, as the window's behaviour uses it.
#pragma once

#include <string>

namespace rebanex {

class Portapapeles {
  public:
    virtual ~Portapapeles() = default;
    // Empties the clipboard, then puts the text on it as CF_TEXT and CF_UNICODETEXT; false
    // when another program kept the clipboard.
    virtual bool Copiar(const std::string& texto) = 0;
};

}  // namespace rebanex
