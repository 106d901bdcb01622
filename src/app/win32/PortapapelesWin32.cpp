#include "app/win32/PortapapelesWin32.h"

#include <cstring>

#include "app/win32/Manejadores.h"
#include "comun/Windows1252.h"

namespace rebanex::win32 {

namespace {

bool EnMemoria(UINT formato) {
    switch (formato) {
        case CF_BITMAP:
        case CF_METAFILEPICT:
        case CF_PALETTE:
        case CF_ENHMETAFILE:
        case CF_OWNERDISPLAY:
        case CF_DSPBITMAP:
        case CF_DSPMETAFILEPICT:
        case CF_DSPENHMETAFILE:
            return false;
        default:
            return formato < CF_PRIVATEFIRST || formato > CF_GDIOBJLAST;
    }
}

// On an open clipboard; the memory is the clipboard's once it takes it.
bool Poner(UINT formato, const void* bytes, std::size_t largo) {
    GlobalUnico memoria(GlobalAlloc(GMEM_MOVEABLE, largo == 0 ? 1 : largo));
    void* destino = memoria ? GlobalLock(memoria.get()) : nullptr;
    if (destino == nullptr) {
        return false;
    }
    std::memcpy(destino, bytes, largo);
    GlobalUnlock(memoria.get());
    if (SetClipboardData(formato, memoria.get()) == nullptr) {
        return false;
    }
    memoria.release();
    return true;
}

}  // namespace

// A format listed but not handed over (its owner failed to render it) is lost to every
// program alike; leaving it out lets the paste go on.
std::optional<CopiaPortapapeles> PortapapelesWin32::Guardar() {
    const PortapapelesAbierto abierto(dueno_);
    if (!abierto) {
        return std::nullopt;
    }
    CopiaPortapapeles copia;
    for (UINT formato = 0; (formato = EnumClipboardFormats(formato)) != 0;) {
        HANDLE datos = EnMemoria(formato) ? GetClipboardData(formato) : nullptr;
        if (const void* origen = datos != nullptr ? GlobalLock(datos) : nullptr) {
            copia.formatos.push_back(
                {formato, std::string(static_cast<const char*>(origen), GlobalSize(datos))});
            GlobalUnlock(datos);
        }
    }
    return copia;
}

bool PortapapelesWin32::Restaurar(const CopiaPortapapeles& copia) {
    const PortapapelesAbierto abierto(dueno_);
    if (!abierto || !EmptyClipboard()) {
        return false;
    }
    bool todos = true;  // one that fails does not keep the others off
    for (const CopiaPortapapeles::Formato& f : copia.formatos) {
        todos = Poner(f.numero, f.bytes.data(), f.bytes.size()) && todos;
    }
    return todos;
}

bool PortapapelesWin32::EscribirTexto(const std::string& texto) {
    std::wstring unicode;
    for (unsigned char c : texto) {
        unicode += static_cast<wchar_t>(CaracterWindows1252(c));
    }
    const PortapapelesAbierto abierto(dueno_);
    return abierto && EmptyClipboard() && Poner(CF_TEXT, texto.c_str(), texto.size() + 1) &&
           Poner(CF_UNICODETEXT, unicode.c_str(), (unicode.size() + 1) * sizeof(wchar_t));
}

}  // namespace rebanex::win32
