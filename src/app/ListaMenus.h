// Every menu item that carries a command, a tick or a caption set at run time, in the order
// of their identifiers: X(item, ticked when the window opens). Indexed groups are spelt out:
// mnu_opciones_txtChar1 is item 1 of mnu_opciones_txtChar.
// Only macros: the resource compiler reads this file too.
#pragma once

// clang-format off
#define REBANEX_MENUS(X)                  \
    X(mnu_archivo_cargar, 0)              \
    X(mnu_archivo_guardar, 0)             \
    X(mnu_archivo_mensatel, 0)            \
    X(mnu_archivo_mensatellog, 0)         \
    X(mnu_archivo_salir, 0)               \
    X(mnu_formato_acentos, 0)             \
    X(mnu_formato_letras1, 0)             \
    X(mnu_formato_letras2, 0)             \
    X(mnu_formato_espacio, 0)             \
    X(mnu_formato_firma, 0)               \
    X(mnu_formato_auto, 0)                \
    X(mnu_opciones_inverso, 0)            \
    X(mnu_opciones_acentos, 1)            \
    X(mnu_opciones_espacios, 1)           \
    X(mnu_opciones_indicador, 1)          \
    X(mnu_opciones_pegar, 1)              \
    X(mnu_opciones_getTamanyo, 0)         \
    X(mnu_opciones_ventana, 1)            \
    X(mnu_opciones_guardarventana, 0)     \
    X(mnu_opciones_txtChar1, 1)           \
    X(mnu_opciones_txtChar2, 0)           \
    X(mnu_opciones_txtChar3, 0)           \
    X(mnu_opciones_firma_posicion1, 1)    \
    X(mnu_opciones_firma_posicion2, 0)    \
    X(mnu_opciones_firma_posicion3, 0)    \
    X(mnu_opciones_firma_auto, 0)         \
    X(mnu_opciones_firma_trozos, 0)       \
    X(mnu_reemplazos_abrir, 0)            \
    X(mnu_reemplazos_fichero1, 1)         \
    X(mnu_reemplazos_fichero2, 0)         \
    X(mnu_reemplazos_fichero3, 0)         \
    X(mnu_reemplazos_fichero4, 0)         \
    X(mnu_reemplazos_fichero5, 0)         \
    X(mnu_opciones_auto, 0)               \
    X(mnu_opciones_fichR, 0)              \
    X(mnu_opciones_guardar, 0)            \
    X(mnu_ayuda_utilidad, 0)              \
    X(mnu_ayuda_acerca, 0)                \
    X(mnu_ayuda_bajarNew, 0)              \
    X(mnu_ayuda_enviarmsg, 0)             \
    X(mnu_ayuda_peich, 0)                 \
    X(mnu_ayuda_foro, 0)                  \
    X(mnu_ayuda_chat, 0)                  \
    X(mnu_ayuda_faqMensatel, 0)
// clang-format on
