#include "app/win32/BotonGris.h"

#include <string>

#include "app/win32/EstadoVentanas.h"
#include "app/win32/Manejadores.h"

namespace rebanex::win32 {

void DibujarBotonGris(const DRAWITEMSTRUCT& item, HBRUSH fondo) {
    HDC dc = item.hDC;  // borrowed for the message
    RECT r = item.rcItem;
    const bool pulsado = (item.itemState & ODS_SELECTED) != 0;
    const bool deshabilitado = (item.itemState & ODS_DISABLED) != 0;

    FillRect(dc, &r, fondo);
    DrawEdge(dc, &r, pulsado ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const std::string texto = TextoVentana(item.hwndItem);
    RECT textoRect = r;
    if (pulsado) {
        OffsetRect(&textoRect, 1, 1);
    }
    HFONT fuente = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    const SeleccionUnica seleccion(dc,
                                   fuente != nullptr ? fuente : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    UINT formato = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if ((item.itemState & ODS_NOACCEL) != 0) {
        formato |= DT_HIDEPREFIX;
    }
    if (deshabilitado) {
        // The engraved look of a disabled caption: white, then grey one pixel up-left.
        OffsetRect(&textoRect, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextA(dc, texto.c_str(), -1, &textoRect, formato);
        OffsetRect(&textoRect, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextA(dc, texto.c_str(), -1, &textoRect, formato);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT foco = r;
        InflateRect(&foco, -4, -4);
        DrawFocusRect(dc, &foco);
    }
}

}  // namespace rebanex::win32
