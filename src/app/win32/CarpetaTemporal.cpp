#include "app/win32/CarpetaTemporal.h"

#include <windows.h>

namespace rebanex::win32 {

std::string CarpetaTemporal() {
    char carpeta[MAX_PATH + 1] = {};
    const DWORD largo = GetTempPathA(sizeof(carpeta), carpeta);
    return largo == 0 || largo > MAX_PATH ? std::string() : std::string(carpeta, largo);
}

}  // namespace rebanex::win32
