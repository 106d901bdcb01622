// Identifiers shared by the program, its resource script and the end-to-end tests.
// A control's ID is ID_BASE_CONTROLES plus its Control value, a menu item's ID_BASE_MENUS
// plus its Menu value. The resource compiler reads only the #defines.
#pragma once

#define IDR_MENU_PRINCIPAL 100
#define IDR_ACELERADORES 101

#define ID_BASE_CONTROLES 1000
#define ID_BASE_MENUS 2000

#define IDM_CargarMensaje 2000
#define IDM_SalvarMensaje 2001
#define IDM_EjecutarMensatel 2002
#define IDM_EjecutarMensatelLog 2003
#define IDM_Salir 2004
#define IDM_EliminarAcentos 2005
#define IDM_CambiarLetras1 2006
#define IDM_CambiarLetras2 2007
#define IDM_EliminarMultiEspacios 2008
#define IDM_InsertarFirma 2009
#define IDM_AutoReemplazarPalabras 2010
#define IDM_Inverso 2011
#define IDM_NoAcentos 2012
#define IDM_NoMultiEspacios 2013
#define IDM_IndicadorTrozos 2014
#define IDM_CopiarTrozoAlMensatel 2015
#define IDM_ObtenerTamanyoMsg 2016
#define IDM_RecordarPosicion 2017
#define IDM_GuardarPosicion 2018
#define IDM_Letras1 2019
#define IDM_Letras2 2020
#define IDM_Letras3 2021
#define IDM_FirmarEnPosicion1 2022
#define IDM_FirmarEnPosicion2 2023
#define IDM_FirmarEnPosicion3 2024
#define IDM_FirmarAutomaticamente 2025
#define IDM_FirmarEnTrozos 2026
#define IDM_ElegirFicheroReemplazos 2027
#define IDM_FicheroReemplazos1 2028
#define IDM_FicheroReemplazos2 2029
#define IDM_FicheroReemplazos3 2030
#define IDM_FicheroReemplazos4 2031
#define IDM_FicheroReemplazos5 2032
#define IDM_AutoReemplazar 2033
#define IDM_AbrirFicheroReemplazos 2034
#define IDM_GuardarOpciones 2035
#define IDM_PaQueSirvo 2036
#define IDM_AcercaDe 2037
#define IDM_DescargarUltimaVersion 2038
#define IDM_EnviarMailAutor 2039
#define IDM_PeichMensatel 2040
#define IDM_ForoMensatel 2041
#define IDM_ChatMensatel 2042
#define IDM_FaqMensatel 2043
#define IDM_TrozosSms 2044
#define IDM_AdaptarGsm 2045
#define IDM_TablaEspanola 2046

#ifndef RC_INVOKED

#include <optional>

#include "app/Elementos.h"

namespace rebanex::win32 {

// Position of "Opciones" in the menu bar: the right-click popup.
inline constexpr int kPosicionMenuOpciones = 2;

constexpr int IdControl(Control c) {
    return ID_BASE_CONTROLES + static_cast<int>(c);
}
constexpr int IdMenu(Menu m) {
    return ID_BASE_MENUS + static_cast<int>(m);
}

constexpr std::optional<Control> ControlDeId(int id) {
    if (id < ID_BASE_CONTROLES || id >= ID_BASE_CONTROLES + kNumControles) {
        return std::nullopt;
    }
    return static_cast<Control>(id - ID_BASE_CONTROLES);
}

constexpr std::optional<Menu> MenuDeId(int id) {
    if (id < ID_BASE_MENUS || id >= ID_BASE_MENUS + kNumMenus) {
        return std::nullopt;
    }
    return static_cast<Menu>(id - ID_BASE_MENUS);
}

static_assert(ID_BASE_CONTROLES + kNumControles <= ID_BASE_MENUS);
// The resource compiler cannot number a list, so the menu items' identifiers are spelt out
// above; each must be its item's place in the list.
#define REBANEX_ITEM(nombre, marcado, opcion) static_assert(IDM_##nombre == IdMenu(Menu::nombre));
REBANEX_MENUS(REBANEX_ITEM)
#undef REBANEX_ITEM

}  // namespace rebanex::win32

#endif  // RC_INVOKED
