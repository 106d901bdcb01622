// Identifiers shared by the program, its resource script and the end-to-end tests.
// A control's ID is ID_BASE_CONTROLES plus its Control value, a menu item's ID_BASE_MENUS
// plus its Menu value. The resource compiler reads only the #defines.
#pragma once

#define IDR_MENU_PRINCIPAL 100
#define IDR_ACELERADORES 101

#define ID_BASE_CONTROLES 1000
#define ID_BASE_MENUS 2000

#define IDM_mnu_archivo_cargar 2000
#define IDM_mnu_archivo_guardar 2001
#define IDM_mnu_archivo_mensatel 2002
#define IDM_mnu_archivo_mensatellog 2003
#define IDM_mnu_archivo_salir 2004
#define IDM_mnu_formato_acentos 2005
#define IDM_mnu_formato_letras1 2006
#define IDM_mnu_formato_letras2 2007
#define IDM_mnu_formato_espacio 2008
#define IDM_mnu_formato_firma 2009
#define IDM_mnu_formato_auto 2010
#define IDM_mnu_opciones_inverso 2011
#define IDM_mnu_opciones_acentos 2012
#define IDM_mnu_opciones_espacios 2013
#define IDM_mnu_opciones_indicador 2014
#define IDM_mnu_opciones_pegar 2015
#define IDM_mnu_opciones_getTamanyo 2016
#define IDM_mnu_opciones_ventana 2017
#define IDM_mnu_opciones_guardarventana 2018
#define IDM_mnu_opciones_txtChar1 2019
#define IDM_mnu_opciones_txtChar2 2020
#define IDM_mnu_opciones_txtChar3 2021
#define IDM_mnu_opciones_firma_posicion1 2022
#define IDM_mnu_opciones_firma_posicion2 2023
#define IDM_mnu_opciones_firma_posicion3 2024
#define IDM_mnu_opciones_firma_auto 2025
#define IDM_mnu_opciones_firma_trozos 2026
#define IDM_mnu_reemplazos_abrir 2027
#define IDM_mnu_reemplazos_fichero1 2028
#define IDM_mnu_reemplazos_fichero2 2029
#define IDM_mnu_reemplazos_fichero3 2030
#define IDM_mnu_reemplazos_fichero4 2031
#define IDM_mnu_reemplazos_fichero5 2032
#define IDM_mnu_opciones_auto 2033
#define IDM_mnu_opciones_fichR 2034
#define IDM_mnu_opciones_guardar 2035
#define IDM_mnu_ayuda_utilidad 2036
#define IDM_mnu_ayuda_acerca 2037
#define IDM_mnu_ayuda_bajarNew 2038
#define IDM_mnu_ayuda_enviarmsg 2039
#define IDM_mnu_ayuda_peich 2040
#define IDM_mnu_ayuda_foro 2041
#define IDM_mnu_ayuda_chat 2042
#define IDM_mnu_ayuda_faqMensatel 2043
#define IDM_mnu_opciones_trozosSms 2044
#define IDM_mnu_opciones_adaptarGsm 2045
#define IDM_mnu_opciones_tablaEspanola 2046

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
