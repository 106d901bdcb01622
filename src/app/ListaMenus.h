// Every menu item that carries a command, a tick or a caption set at run time, in the order
// of their identifiers: X(item, ticked when the window opens, the option whose live value it
// holds or Nada). Indexed groups are spelt out: mnu_opciones_txtChar1 is item 1 of
// mnu_opciones_txtChar, and every item of an option's group names it.
#pragma once

// clang-format off
#define REBANEX_MENUS(X)                                  \
    X(mnu_archivo_cargar, 0, Nada)                        \
    X(mnu_archivo_guardar, 0, Nada)                       \
    X(mnu_archivo_mensatel, 0, Nada)                      \
    X(mnu_archivo_mensatellog, 0, Nada)                   \
    X(mnu_archivo_salir, 0, Nada)                         \
    X(mnu_formato_acentos, 0, Nada)                       \
    X(mnu_formato_letras1, 0, Nada)                       \
    X(mnu_formato_letras2, 0, Nada)                       \
    X(mnu_formato_espacio, 0, Nada)                       \
    X(mnu_formato_firma, 0, Nada)                         \
    X(mnu_formato_auto, 0, Nada)                          \
    X(mnu_opciones_inverso, 0, Inverso)                   \
    X(mnu_opciones_acentos, 1, NoAcentos)                 \
    X(mnu_opciones_espacios, 1, NoMultiEspacios)          \
    X(mnu_opciones_indicador, 1, IndicadorTrozos)         \
    X(mnu_opciones_pegar, 1, CopiarTrozoAlMensatel)       \
    X(mnu_opciones_getTamanyo, 0, ObtenerTamanyoMsg)      \
    X(mnu_opciones_ventana, 1, Nada)                      \
    X(mnu_opciones_guardarventana, 0, Nada)               \
    X(mnu_opciones_txtChar1, 1, Letras)                   \
    X(mnu_opciones_txtChar2, 0, Letras)                   \
    X(mnu_opciones_txtChar3, 0, Letras)                   \
    X(mnu_opciones_firma_posicion1, 1, FirmarEnPosicion)  \
    X(mnu_opciones_firma_posicion2, 0, FirmarEnPosicion)  \
    X(mnu_opciones_firma_posicion3, 0, FirmarEnPosicion)  \
    X(mnu_opciones_firma_auto, 0, FirmarAutomaticamente)  \
    X(mnu_opciones_firma_trozos, 0, FirmarEnTrozos)       \
    X(mnu_reemplazos_abrir, 0, Nada)                      \
    X(mnu_reemplazos_fichero1, 1, Nada)                   \
    X(mnu_reemplazos_fichero2, 0, Nada)                   \
    X(mnu_reemplazos_fichero3, 0, Nada)                   \
    X(mnu_reemplazos_fichero4, 0, Nada)                   \
    X(mnu_reemplazos_fichero5, 0, Nada)                   \
    X(mnu_opciones_auto, 0, AutoReemplazar)               \
    X(mnu_opciones_fichR, 0, Nada)                        \
    X(mnu_opciones_guardar, 0, Nada)                      \
    X(mnu_ayuda_utilidad, 0, Nada)                        \
    X(mnu_ayuda_acerca, 0, Nada)                          \
    X(mnu_ayuda_bajarNew, 0, Nada)                        \
    X(mnu_ayuda_enviarmsg, 0, Nada)                       \
    X(mnu_ayuda_peich, 0, Nada)                           \
    X(mnu_ayuda_foro, 0, Nada)                            \
    X(mnu_ayuda_chat, 0, Nada)                            \
    X(mnu_ayuda_faqMensatel, 0, Nada)                     \
    X(mnu_opciones_trozosSms, 0, TrozosSMS)               \
    X(mnu_opciones_adaptarGsm, 0, AdaptarGSM)             \
    X(mnu_opciones_tablaEspanola, 0, TablaEspanola)
// clang-format on
