// The window's named controls and menu items.
#pragma once

namespace rebanex {

enum class Control {
    // message view
    frmMsg,
    et1,
    Msg,
    btnFirma,
    Nuevo,
    Stat,
    etLongMax,
    Lon,
    Partir,
    Estado,
    Opciones,
    // piece view
    frmTrozo,
    et3,
    Trozo,
    LonTrozo,
    Contador,
    Mensatel,
    Copiar,
    topeIzq,
    izq,
    der,
    topeDer,
    Editar,
};
inline constexpr int kNumControles = static_cast<int>(Control::Editar) + 1;

// Every menu item that carries a command, a tick or a caption set at run time.
// Indexed groups are spelt out: mnu_opciones_txtChar1 is item 1 of mnu_opciones_txtChar.
enum class Menu {
    mnu_archivo_cargar,
    mnu_archivo_guardar,
    mnu_archivo_mensatel,
    mnu_archivo_mensatellog,
    mnu_archivo_salir,
    mnu_formato_acentos,
    mnu_formato_letras1,
    mnu_formato_letras2,
    mnu_formato_espacio,
    mnu_formato_firma,
    mnu_formato_auto,
    mnu_opciones_inverso,
    mnu_opciones_acentos,
    mnu_opciones_espacios,
    mnu_opciones_indicador,
    mnu_opciones_pegar,
    mnu_opciones_getTamanyo,
    mnu_opciones_ventana,
    mnu_opciones_guardarventana,
    mnu_opciones_txtChar1,
    mnu_opciones_txtChar2,
    mnu_opciones_txtChar3,
    mnu_opciones_firma_posicion1,
    mnu_opciones_firma_posicion2,
    mnu_opciones_firma_posicion3,
    mnu_opciones_firma_auto,
    mnu_opciones_firma_trozos,
    mnu_reemplazos_abrir,
    mnu_reemplazos_fichero1,
    mnu_reemplazos_fichero2,
    mnu_reemplazos_fichero3,
    mnu_reemplazos_fichero4,
    mnu_reemplazos_fichero5,
    mnu_opciones_auto,
    mnu_opciones_fichR,
    mnu_opciones_guardar,
    mnu_ayuda_utilidad,
    mnu_ayuda_acerca,
    mnu_ayuda_bajarNew,
    mnu_ayuda_enviarmsg,
    mnu_ayuda_peich,
    mnu_ayuda_foro,
    mnu_ayuda_chat,
    mnu_ayuda_faqMensatel,
};
inline constexpr int kNumMenus = static_cast<int>(Menu::mnu_ayuda_faqMensatel) + 1;

// Item `indice` (counted from 1) of an indexed group, given the group's first item:
// ItemDeGrupo(Menu::mnu_opciones_txtChar1, 3) is mnu_opciones_txtChar3.
constexpr Menu ItemDeGrupo(Menu primero, int indice) {
    return static_cast<Menu>(static_cast<int>(primero) + indice - 1);
}

}  // namespace rebanex
