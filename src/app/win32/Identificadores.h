// Identifiers shared by the program, its resource script and the end-to-end tests.
// A control's ID is ID_BASE_CONTROLES plus its Control value, a menu item's ID_BASE_MENUS
// plus its Menu value. The resource compiler reads only the #defines; the static_asserts
// keep them in step with the enums.
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
static_assert(IDM_mnu_archivo_cargar == IdMenu(Menu::mnu_archivo_cargar));
static_assert(IDM_mnu_archivo_guardar == IdMenu(Menu::mnu_archivo_guardar));
static_assert(IDM_mnu_archivo_mensatel == IdMenu(Menu::mnu_archivo_mensatel));
static_assert(IDM_mnu_archivo_mensatellog == IdMenu(Menu::mnu_archivo_mensatellog));
static_assert(IDM_mnu_archivo_salir == IdMenu(Menu::mnu_archivo_salir));
static_assert(IDM_mnu_formato_acentos == IdMenu(Menu::mnu_formato_acentos));
static_assert(IDM_mnu_formato_letras1 == IdMenu(Menu::mnu_formato_letras1));
static_assert(IDM_mnu_formato_letras2 == IdMenu(Menu::mnu_formato_letras2));
static_assert(IDM_mnu_formato_espacio == IdMenu(Menu::mnu_formato_espacio));
static_assert(IDM_mnu_formato_firma == IdMenu(Menu::mnu_formato_firma));
static_assert(IDM_mnu_formato_auto == IdMenu(Menu::mnu_formato_auto));
static_assert(IDM_mnu_opciones_inverso == IdMenu(Menu::mnu_opciones_inverso));
static_assert(IDM_mnu_opciones_acentos == IdMenu(Menu::mnu_opciones_acentos));
static_assert(IDM_mnu_opciones_espacios == IdMenu(Menu::mnu_opciones_espacios));
static_assert(IDM_mnu_opciones_indicador == IdMenu(Menu::mnu_opciones_indicador));
static_assert(IDM_mnu_opciones_pegar == IdMenu(Menu::mnu_opciones_pegar));
static_assert(IDM_mnu_opciones_getTamanyo == IdMenu(Menu::mnu_opciones_getTamanyo));
static_assert(IDM_mnu_opciones_ventana == IdMenu(Menu::mnu_opciones_ventana));
static_assert(IDM_mnu_opciones_guardarventana == IdMenu(Menu::mnu_opciones_guardarventana));
static_assert(IDM_mnu_opciones_txtChar1 == IdMenu(Menu::mnu_opciones_txtChar1));
static_assert(IDM_mnu_opciones_txtChar2 == IdMenu(Menu::mnu_opciones_txtChar2));
static_assert(IDM_mnu_opciones_txtChar3 == IdMenu(Menu::mnu_opciones_txtChar3));
static_assert(IDM_mnu_opciones_firma_posicion1 == IdMenu(Menu::mnu_opciones_firma_posicion1));
static_assert(IDM_mnu_opciones_firma_posicion2 == IdMenu(Menu::mnu_opciones_firma_posicion2));
static_assert(IDM_mnu_opciones_firma_posicion3 == IdMenu(Menu::mnu_opciones_firma_posicion3));
static_assert(IDM_mnu_opciones_firma_auto == IdMenu(Menu::mnu_opciones_firma_auto));
static_assert(IDM_mnu_opciones_firma_trozos == IdMenu(Menu::mnu_opciones_firma_trozos));
static_assert(IDM_mnu_reemplazos_abrir == IdMenu(Menu::mnu_reemplazos_abrir));
static_assert(IDM_mnu_reemplazos_fichero1 == IdMenu(Menu::mnu_reemplazos_fichero1));
static_assert(IDM_mnu_reemplazos_fichero2 == IdMenu(Menu::mnu_reemplazos_fichero2));
static_assert(IDM_mnu_reemplazos_fichero3 == IdMenu(Menu::mnu_reemplazos_fichero3));
static_assert(IDM_mnu_reemplazos_fichero4 == IdMenu(Menu::mnu_reemplazos_fichero4));
static_assert(IDM_mnu_reemplazos_fichero5 == IdMenu(Menu::mnu_reemplazos_fichero5));
static_assert(IDM_mnu_opciones_auto == IdMenu(Menu::mnu_opciones_auto));
static_assert(IDM_mnu_opciones_fichR == IdMenu(Menu::mnu_opciones_fichR));
static_assert(IDM_mnu_opciones_guardar == IdMenu(Menu::mnu_opciones_guardar));
static_assert(IDM_mnu_ayuda_utilidad == IdMenu(Menu::mnu_ayuda_utilidad));
static_assert(IDM_mnu_ayuda_acerca == IdMenu(Menu::mnu_ayuda_acerca));
static_assert(IDM_mnu_ayuda_bajarNew == IdMenu(Menu::mnu_ayuda_bajarNew));
static_assert(IDM_mnu_ayuda_enviarmsg == IdMenu(Menu::mnu_ayuda_enviarmsg));
static_assert(IDM_mnu_ayuda_peich == IdMenu(Menu::mnu_ayuda_peich));
static_assert(IDM_mnu_ayuda_foro == IdMenu(Menu::mnu_ayuda_foro));
static_assert(IDM_mnu_ayuda_chat == IdMenu(Menu::mnu_ayuda_chat));
static_assert(IDM_mnu_ayuda_faqMensatel == IdMenu(Menu::mnu_ayuda_faqMensatel));

}  // namespace rebanex::win32

#endif  // RC_INVOKED
