#include "app/win32/PortapapelesWin32.h"

#include <cstring>

#include "app/win32/Manejadores.h"

namespace rebanex::win32 {

void PortapapelesWin32::Copiar(const std::string& texto) {
    if (dueno_ == nullptr) {
        return;
    }
    const PortapapelesAbierto portapapeles(dueno_);
    if (!portapapeles) {
        return;
    }
    EmptyClipboard();
    GlobalUnico memoria(GlobalAlloc(GMEM_MOVEABLE, texto.size() + 1));
    if (!memoria) {
        return;
    }
    if (void* destino = GlobalLock(memoria.get())) {
        std::memcpy(destino, texto.c_str(), texto.size() + 1);
        GlobalUnlock(memoria.get());
        if (SetClipboardData(CF_TEXT, memoria.get()) != nullptr) {
            memoria.release();  // the clipboard owns it now
        }
    }
}

}  // namespace rebanex::win32
