#include "app/TablaControles.h"

#include <cmath>
#include <cstdint>

namespace rebanex {

namespace {

using enum Control;

constexpr Fuente kSans825{"MS Sans Serif", 8.25, true};
constexpr Fuente kSans975{"MS Sans Serif", 9.75, true};
constexpr Fuente kArial825Normal{"Arial", 8.25, false};
constexpr Fuente kArial9{"Arial", 9, true};
constexpr Fuente kArial9Normal{"Arial", 9, false};
constexpr Fuente kArial1575{"Arial", 15.75, true};
constexpr RectTwips kMarco{0, 0, 4695, 2775};

// One axis of DentroDelArea.
int DentroDe(int inicio, int largo, int areaInicio, int areaLargo) {
    const long long fin = static_cast<long long>(areaInicio) + areaLargo;
    long long x = inicio;
    if (x + largo > fin) {
        x = fin - largo;
    }
    return static_cast<int>(x < areaInicio ? areaInicio : x);
}

}  // namespace

// clang-format off
const std::array<DefControl, kNumControles> kTablaControles{{
    // control, class, frame, caption, {left, top, width, height} twips, font, tooltip, ...
    {Msg, Clase::TextoMultiple, MarcoMensaje, "", {120, 240, 4545, 1935}, kSans825, ""},
    {Partir, Clase::BotonGris, MarcoMensaje, "&Trocear     » » » » »", {1800, 2160, 2895, 375},
        kSans975, "  Trocear el Texto  ", Alineacion::Centro},
    // Mensatel's window titles start with two backslashes: so does its name here.
    {EtiquetaLongMax, Clase::Etiqueta, MarcoMensaje, "&Long Máx", {-25, 2230, 975, 255}, kSans825,
        " Doble click toma el tamaño máximo que permite el servidor actual del \\\\ensatel ",
        Alineacion::Derecha},
    {LongMax, Clase::Texto, MarcoMensaje, "160", {960, 2175, 735, 330}, kArial9Normal,
        "  Longitud máxima del SMS permitida por el Server que vas a utilizar  "},
    {PrimerTrozo, Clase::Boton, MarcoTrozo, "|<", {120, 2160, 375, 375}, kSans825,
        "  |<  Primer Trozo  ", Alineacion::Centro, false},
    {TrozoAnterior, Clase::Boton, MarcoTrozo, "<", {480, 2160, 735, 375}, kSans825,
        "  <  Trozo Anterior  ", Alineacion::Centro, false},
    {TrozoSiguiente, Clase::Boton, MarcoTrozo, ">", {1200, 2160, 735, 375}, kSans825,
        "  Siguiente Trozo  >  ", Alineacion::Centro, false},
    {UltimoTrozo, Clase::Boton, MarcoTrozo, ">|", {1920, 2160, 375, 375}, kSans825,
        "  Ultimo Trozo  >|  ", Alineacion::Centro, false},
    {Copiar, Clase::Boton, MarcoTrozo, "&Copiar", {3600, 1560, 1095, 495}, kSans975,
        "  Copia al portapapeles el trozo actual y pasa al siguiente trozo del mensaje...  ",
        Alineacion::Centro, false},
    {Mensatel, Clase::Boton, MarcoTrozo, "&Mensatel", {3600, 1080, 1095, 375}, kSans825,
        "  Ejecuta un nuevo Mensatel (ven p'aca que te vi a apañar xD)  ", Alineacion::Centro},
    {Editar, Clase::BotonGris, MarcoTrozo, "« « «     &Editar Msg", {2400, 2160, 2295, 375},
        kSans975, "  Vuelve a la pantalla del texto del mensaje  ", Alineacion::Centro},
    {MarcoMensaje, Clase::Marco, MarcoMensaje, "", kMarco, kSans825, ""},
    {EtiquetaMensaje, Clase::Etiqueta, MarcoMensaje, "Men&saje", {120, 0, 855, 255}, kSans825, ""},
    {ContadorMensaje, Clase::Visor, MarcoMensaje, "0 / 0", {2520, 0, 1215, 315}, kArial825Normal,
        "  Número de SMS's a enviar (igual o mayor) / Número de carácteres del mensaje...  "},
    {Nuevo, Clase::Boton, MarcoMensaje, "&X", {4265, 0, 375, 270}, kArial9,
        "  Borra el texto del mensaje actual  ", Alineacion::Centro},
    {MarcoTrozo, Clase::Marco, MarcoTrozo, "", kMarco, kSans825, ""},
    // Its tooltip, the long options summary, is set at run time. The whole row is its own,
    // so that every letter fits with all the options on.
    {Opciones, Clase::Etiqueta, MarcoMensaje, "", {120, 2520, 4575, 255}, kArial9, "",
        Alineacion::Derecha},
    {Trozo, Clase::TextoMultiple, MarcoTrozo, "", {120, 240, 3375, 1935}, kSans825, ""},
    {EtiquetaTrozo, Clase::Etiqueta, MarcoTrozo, "Trozo Actual", {120, 0, 1215, 255}, kSans825, ""},
    {Contador, Clase::Etiqueta, MarcoTrozo, "", {3480, 360, 1215, 375}, kArial1575,
        "  Trozo actual del mensaje, y número de trozos total  ", Alineacion::Centro},
    {LargoTrozo, Clase::Visor, MarcoTrozo, "0", {2640, 0, 855, 315}, kArial825Normal,
        "  Numero de carácteres del Trozo Actual  "},
    // A row of its own under the summary, the width of the window: the longest status texts
    // do not fit beside it.
    {Estado, Clase::Etiqueta, MarcoMensaje, "", {120, 2790, 4575, 255}, kSans825, ""},
    {BotonFirma, Clase::Boton, MarcoMensaje, "&F", {3840, 0, 375, 270}, kArial9,
        "  Inserta Firma del Mensatel  ", Alineacion::Centro},
    // Beside the piece's length, and in the place the status line has in the message view.
    {SmsTrozo, Clase::Etiqueta, MarcoTrozo, "", {3495, 30, 1200, 255}, kArial825Normal,
        "  Codificación del trozo: unidades usadas / las que caben en un SMS  ",
        Alineacion::Centro},
    {EstadoTrozos, Clase::Etiqueta, MarcoTrozo, "", {120, 2790, 4575, 255}, kSans825, ""},
}};
// clang-format on

const DefControl& Definicion(Control c) {
    for (const DefControl& d : kTablaControles) {
        if (d.control == c) {
            return d;
        }
    }
    return kTablaControles.front();  // unreachable: the table holds every control
}

std::optional<Control> DestinoTeclaAcceso(Control etiqueta) {
    return etiqueta == EtiquetaMensaje ? std::optional(Msg) : std::nullopt;
}

int TwipsAPixeles(int twips, int dpi) {
    const std::int64_t n = static_cast<std::int64_t>(twips) * dpi;
    const std::int64_t mitad = kTwipsPorPulgada / 2;
    return static_cast<int>(n >= 0 ? (n + mitad) / kTwipsPorPulgada
                                   : -((-n + mitad) / kTwipsPorPulgada));
}

double PixelesATwips(int pixeles, int dpi) {
    return static_cast<double>(pixeles) * kTwipsPorPulgada / dpi;
}

RectPixeles APixeles(const RectTwips& r, int dpi) {
    const int x0 = TwipsAPixeles(r.izquierda, dpi);
    const int y0 = TwipsAPixeles(r.arriba, dpi);
    const int x1 = TwipsAPixeles(r.izquierda + r.ancho, dpi);
    const int y1 = TwipsAPixeles(r.arriba + r.alto, dpi);
    return {x0, y0, x1 - x0, y1 - y0};
}

RectPixeles Colocar(Control c, int dpi) {
    const DefControl& d = Definicion(c);
    const RectTwips& marco = Definicion(d.marco).rect;
    return APixeles({marco.izquierda + d.rect.izquierda, marco.arriba + d.rect.arriba, d.rect.ancho,
                     d.rect.alto},
                    dpi);
}

RectPixeles AreaCliente(int dpi) {
    return APixeles({0, 0, kAnchoClienteTwips, kAltoClienteTwips}, dpi);
}

int AltoFuente(double puntos, int dpi) {
    // As MulDiv(points * 100, dpi, 7200), the usual rounding for LOGFONT heights.
    const auto centesimas = static_cast<std::int64_t>(std::llround(puntos * 100));
    return -static_cast<int>((centesimas * dpi + 3600) / 7200);
}

RectPixeles DentroDelArea(const RectPixeles& ventana, const RectPixeles& area) {
    return {DentroDe(ventana.x, ventana.ancho, area.x, area.ancho),
            DentroDe(ventana.y, ventana.alto, area.y, area.alto), ventana.ancho, ventana.alto};
}

}  // namespace rebanex
