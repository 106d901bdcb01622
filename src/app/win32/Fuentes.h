// The fonts of the controls table at one DPI.
#pragma once

#include <windows.h>

#include <vector>

#include "app/TablaControles.h"
#include "app/win32/Manejadores.h"

namespace rebanex::win32 {

// A font of the table at a given LOGFONT height.
FuenteUnica CrearFuente(const Fuente& f, int alto);

class Fuentes {
  public:
    // Every font the table names, at `dpi`.
    void Crear(int dpi);
    // The font made for `f`; nullptr (the system font) when it is not in the table.
    HFONT Para(const Fuente& f) const;

  private:
    struct Creada {
        Fuente fuente;
        FuenteUnica hfont;
    };
    std::vector<Creada> creadas_;
};

}  // namespace rebanex::win32
