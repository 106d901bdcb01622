// Owned Win32 handles on std::unique_ptr, in the spirit of WIL's unique_any: the deleter
// names the handle type as its pointer, so the handle itself is stored and closed once.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace rebanex::win32 {

template <typename H, auto Liberar>
struct Liberador {
    using pointer = H;
    void operator()(H h) const noexcept { Liberar(h); }
};

template <typename H, auto Liberar>
using Unico = std::unique_ptr<std::remove_pointer_t<H>, Liberador<H, Liberar>>;

using FuenteUnica = Unico<HFONT, &DeleteObject>;
using BrochaUnica = Unico<HBRUSH, &DeleteObject>;
using MenuUnico = Unico<HMENU, &DestroyMenu>;
using GlobalUnico = Unico<HGLOBAL, &GlobalFree>;
using ManejadorUnico = Unico<HANDLE, &CloseHandle>;

// Selects a GDI object into a DC for one scope and puts the previous one back.
class SeleccionUnica {
  public:
    SeleccionUnica(HDC dc, HGDIOBJ objeto) : dc_(dc), anterior_(SelectObject(dc, objeto)) {}
    ~SeleccionUnica() { SelectObject(dc_, anterior_); }
    SeleccionUnica(const SeleccionUnica&) = delete;
    SeleccionUnica& operator=(const SeleccionUnica&) = delete;

  private:
    HDC dc_;  // borrowed
    HGDIOBJ anterior_;
};

// The clipboard, open for one scope. Another program may hold it for a moment: it is asked
// for again for up to half a second. Emptying it, or reading a format that its owner renders
// only when asked, waits for that owner without a bound: an owner that does not answer within
// another half second counts as holding it. Without a window to own it, it is not opened: what
// it is given would belong to nobody.
class PortapapelesAbierto {
  public:
    explicit PortapapelesAbierto(HWND dueno) {
        if (dueno == nullptr) {
            return;
        }
        constexpr ULONGLONG kEsperaMs = 500;
        const ULONGLONG inicio = GetTickCount64();
        while (!(abierto_ = OpenClipboard(dueno) != FALSE) &&
               GetTickCount64() - inicio < kEsperaMs) {
            Sleep(10);
        }
        DWORD_PTR respuesta = 0;
        HWND propietario = abierto_ ? GetClipboardOwner() : nullptr;
        if (propietario != nullptr &&
            !SendMessageTimeoutA(propietario, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kEsperaMs,
                                 &respuesta)) {
            CloseClipboard();
            abierto_ = false;
        }
    }
    ~PortapapelesAbierto() {
        if (abierto_) {
            CloseClipboard();
        }
    }
    PortapapelesAbierto(const PortapapelesAbierto&) = delete;
    PortapapelesAbierto& operator=(const PortapapelesAbierto&) = delete;
    explicit operator bool() const { return abierto_; }

  private:
    bool abierto_ = false;
};

}  // namespace rebanex::win32
