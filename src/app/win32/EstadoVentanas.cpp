#include "app/win32/EstadoVentanas.h"

namespace rebanex::win32 {

std::string TextoVentana(HWND hwnd) {
    if (hwnd == nullptr) {
        return {};
    }
    std::string texto(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    const int n = GetWindowTextA(hwnd, texto.data(), static_cast<int>(texto.size()));
    texto.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return texto;
}

int Mayusculas() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

}  // namespace rebanex::win32
