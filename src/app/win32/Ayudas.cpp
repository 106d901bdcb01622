#include "app/win32/Ayudas.h"

#include <windows.h>

#include <commctrl.h>

namespace rebanex::win32 {

void Ayudas::Crear(HWND dueno, HINSTANCE instancia) {
    dueno_ = dueno;
    // TTS_NOPREFIX: the texts are shown as they are, ampersands included.
    tooltip_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, dueno, nullptr, instancia, nullptr);
}

void Ayudas::Fijar(HWND control, const std::string& texto) {
    if (tooltip_ == nullptr || control == nullptr) {
        return;
    }
    TTTOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = dueno_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    const bool existe =
        SendMessageA(tooltip_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
    info.lpszText = const_cast<char*>(texto.c_str());
    SendMessageA(tooltip_, existe ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0,
                 reinterpret_cast<LPARAM>(&info));
}

}  // namespace rebanex::win32
