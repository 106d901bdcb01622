// The file system of the Windows build: the portable file module, and the one-step replace
// that only the system can make.
#pragma once

#include <string>

#include "sistema/DiscoFicheros.h"

namespace rebanex::win32 {

class DiscoWin32 final : public DiscoFicheros {
  public:
    using DiscoFicheros::DiscoFicheros;
    // MoveFileExA, replacing `destino` (unless it is read-only) and on the disk before it
    // returns.
    bool Reemplazar(const std::string& origen, const std::string& destino) override;
};

}  // namespace rebanex::win32
