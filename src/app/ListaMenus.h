// Every menu item that carries a command, a tick or a caption set at run time, in the order
// of their identifiers: X(item, ticked when the window opens, the option whose live value it
// holds or Nada). Indexed groups are spelt out: Letras1 is item 1 of Letras, and every item
// of an option's group names it.
#pragma once

// clang-format off
#define REBANEX_MENUS(X)                                  \
    X(CargarMensaje, 0, Nada)                        \
    X(SalvarMensaje, 0, Nada)                       \
    X(EjecutarMensatel, 0, Nada)                      \
    X(EjecutarMensatelLog, 0, Nada)                   \
    X(Salir, 0, Nada)                         \
    X(EliminarAcentos, 0, Nada)                       \
    X(CambiarLetras1, 0, Nada)                       \
    X(CambiarLetras2, 0, Nada)                       \
    X(EliminarMultiEspacios, 0, Nada)                       \
    X(InsertarFirma, 0, Nada)                         \
    X(AutoReemplazarPalabras, 0, Nada)                          \
    X(Inverso, 0, Inverso)                   \
    X(NoAcentos, 1, NoAcentos)                 \
    X(NoMultiEspacios, 1, NoMultiEspacios)          \
    X(IndicadorTrozos, 1, IndicadorTrozos)         \
    X(CopiarTrozoAlMensatel, 1, CopiarTrozoAlMensatel)       \
    X(ObtenerTamanyoMsg, 0, ObtenerTamanyoMsg)      \
    X(RecordarPosicion, 1, Nada)                      \
    X(GuardarPosicion, 0, Nada)               \
    X(Letras1, 1, Letras)                   \
    X(Letras2, 0, Letras)                   \
    X(Letras3, 0, Letras)                   \
    X(FirmarEnPosicion1, 1, FirmarEnPosicion)  \
    X(FirmarEnPosicion2, 0, FirmarEnPosicion)  \
    X(FirmarEnPosicion3, 0, FirmarEnPosicion)  \
    X(FirmarAutomaticamente, 0, FirmarAutomaticamente)  \
    X(FirmarEnTrozos, 0, FirmarEnTrozos)       \
    X(ElegirFicheroReemplazos, 0, Nada)                      \
    X(FicheroReemplazos1, 1, Nada)                   \
    X(FicheroReemplazos2, 0, Nada)                   \
    X(FicheroReemplazos3, 0, Nada)                   \
    X(FicheroReemplazos4, 0, Nada)                   \
    X(FicheroReemplazos5, 0, Nada)                   \
    X(AutoReemplazar, 0, AutoReemplazar)               \
    X(AbrirFicheroReemplazos, 0, Nada)                        \
    X(GuardarOpciones, 0, Nada)                      \
    X(PaQueSirvo, 0, Nada)                        \
    X(AcercaDe, 0, Nada)                          \
    X(DescargarUltimaVersion, 0, Nada)                        \
    X(EnviarMailAutor, 0, Nada)                       \
    X(PeichMensatel, 0, Nada)                           \
    X(ForoMensatel, 0, Nada)                            \
    X(ChatMensatel, 0, Nada)                            \
    X(FaqMensatel, 0, Nada)                     \
    X(TrozosSms, 0, TrozosSMS)               \
    X(AdaptarGsm, 0, AdaptarGSM)             \
    X(TablaEspanola, 0, TablaEspanola)
// clang-format on
