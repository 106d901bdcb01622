// What the split command tells the user when it refuses to cut.
#include "split/Partir.h"

namespace rebanex {

namespace {

Aviso Exclamacion(std::string texto, std::string titulo) {
    return Aviso{std::move(texto), std::move(titulo), Icono::Exclamacion, Botones::Aceptar};
}

}  // namespace

Aviso AvisoMensajeVacio() {
    return Exclamacion("Escribe algo no seas timidin", "Eres mudo ?");
}

Aviso AvisoSoloNumeros() {
    return Exclamacion("Ein?? Que tal si ponemos solo números en el campo tamaño máximo",
                       "Sólo Números");
}

Aviso AvisoTamanyoCero() {
    return Exclamacion("Por que no te multiplicas tu por 0  ;)", "Mensaje tamaño 0 !!!!!!!");
}

Aviso AvisoSinSitioGuion() {
    return Exclamacion(
        "Joeeee, no me dejas sitio ni pa meter el guioncito de separador de palabras xDD"
        "\r\r"
        "Anda estírate un poco con el tamaño máximo :P",
        "Epp.... Cuidadín!!");
}

Aviso AvisoMinimoIndicadores() {
    return Exclamacion(
        "Si quieres añadir indicadores de nº de Trozo, la longitud máxima debe de ser mayor "
        "de 12"
        "\r\r"
        "Si no ande meto los indicadores xDDD",
        "Epp, cuidadín!!!");
}

Aviso AvisoFirmaGrande() {
    return Exclamacion("La firma no puede ser tan grande!", "Epp, cuidadín!!!");
}

Aviso AvisoSinSitioTexto(SinSitio quien) {
    const char* const ocupan = quien == SinSitio::Indicador ? "Con el indicador de nº de Trozo"
                               : quien == SinSitio::Firma
                                   ? "Con la firma en cada trozo"
                                   : "Con el indicador de nº de Trozo y la firma en cada trozo";
    return Exclamacion(std::string(ocupan) +
                           " no me queda sitio para el texto"
                           "\r\r"
                           "Anda estírate un poco con el tamaño máximo :P",
                       "Epp, cuidadín!!!");
}

Aviso AvisoDemasiadosTrozos() {
    return Exclamacion(
        "Tanto texto no me cabe: saldrían más de 32767 trozos"
        "\r\r"
        "Anda recórtalo un poco o sube el tamaño máximo :P",
        "Epp, cuidadín!!!");
}

}  // namespace rebanex
