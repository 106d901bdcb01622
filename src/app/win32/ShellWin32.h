// The shell, processes and downloads of the Windows build.
#pragma once

#include <windows.h>

#include "sistema/Shell.h"

namespace rebanex::win32 {

class ShellWin32 final : public Shell {
  public:
    // What the shell shows (an error, a choice of program) belongs to the main window.
    void FijarDueno(HWND dueno) { dueno_ = dueno; }
    bool Abrir(const std::string& fichero, const std::string& parametros,
               const std::string& directorio, Mostrar mostrar) override;
    std::optional<std::string> BuscarEjecutable(const std::string& fichero) override;
    bool Ejecutar(const std::string& programa, const std::string& lineaComandos) override;
    std::string EditorDeTexto() override;
    bool Descargar(const std::string& url, const std::string& destino) override;
    std::string RutaEjecutable() override;

  private:
    HWND dueno_ = nullptr;  // borrowed
};

}  // namespace rebanex::win32
