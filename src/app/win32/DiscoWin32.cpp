#include "app/win32/DiscoWin32.h"

#include <windows.h>

namespace rebanex::win32 {

// Windows refuses to replace a read-only file; Wine does not, so it is asked first.
bool DiscoWin32::Reemplazar(const std::string& origen, const std::string& destino) {
    const DWORD atributos = GetFileAttributesA(destino.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    return MoveFileExA(origen.c_str(), destino.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace rebanex::win32
