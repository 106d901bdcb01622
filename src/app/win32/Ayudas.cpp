#include "app/win32/Ayudas.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

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
    info.lpszText = const_cast<char*>(texto.c_str());
    // Remembered here: asking with TTM_GETTOOLINFO would need a buffer in lpszText for the
    // tool's text, of a length the message cannot be told.
    const bool existe = std::find(conTool_.begin(), conTool_.end(), control) != conTool_.end();
    SendMessageA(tooltip_, existe ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0,
                 reinterpret_cast<LPARAM>(&info));
    if (!existe) {
        conTool_.push_back(control);
    }
}

}  // namespace rebanex::win32
