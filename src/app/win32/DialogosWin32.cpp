#include "app/win32/DialogosWin32.h"

#include <commdlg.h>

namespace rebanex::win32 {

std::string DialogosWin32::AbrirFichero(const std::string& filtro, const std::string& titulo,
                                        const std::string& directorioInicial) {
    // The chosen path and its bare name each fit in 255 characters.
    constexpr DWORD kLargo = 255;
    char fichero[kLargo + 1] = {};
    char nombre[kLargo + 1] = {};
    OPENFILENAMEA ofn{};
    // The structure without the Windows 2000 fields: the dialog every version shows alike.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = dueno_;
    ofn.lpstrFilter = filtro.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = fichero;
    ofn.nMaxFile = kLargo;
    ofn.lpstrFileTitle = nombre;
    ofn.nMaxFileTitle = kLargo;
    ofn.lpstrInitialDir = directorioInicial.empty() ? nullptr : directorioInicial.c_str();
    ofn.lpstrTitle = titulo.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES;
    if (!GetOpenFileNameA(&ofn)) {
        return {};
    }
    return fichero;
}

}  // namespace rebanex::win32
