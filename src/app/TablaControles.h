// The main window's controls as data: one row per control, in tab order, with its class,
// caption, rectangle in twips, font and tooltip. The Win32 layer creates the window from it;
// the layout below is a pure function so that tests can check it at any DPI.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "app/Elementos.h"

namespace rebanex {

enum class Clase {
    Marco,          // a view: not a window, its controls belong to the main window
    Etiqueta,       // transparent label
    Texto,          // one-line text box
    TextoMultiple,  // multi-line text box with a vertical scroll bar
    Visor,          // grey, read-only text box for display
    Boton,
    BotonGris,  // graphical-style grey button, drawn by the window
};

enum class Alineacion { Izquierda, Derecha, Centro };

struct Fuente {
    std::string_view nombre;
    double puntos;
    bool negrita;
};

struct RectTwips {
    int izquierda, arriba, ancho, alto;
};

struct DefControl {
    Control control;
    Clase clase;
    Control marco;  // the view it belongs to (a frame names itself)
    std::string_view texto;
    RectTwips rect;  // relative to the frame; both frames sit at 0,0
    Fuente fuente;
    std::string_view ayuda;  // "" when it has no tooltip of its own
    Alineacion alineacion = Alineacion::Izquierda;
    bool habilitado = true;  // at start
};

inline constexpr int kAnchoClienteTwips = 4785;
inline constexpr int kAltoClienteTwips = 3060;  // the two views and the status row
inline constexpr int kTwipsPorPulgada = 1440;
inline constexpr int kGrisFondo = 0xE0E0E0;  // 0x00BBGGRR: red, green and blue 224

// Every control and both frames, in tab order (the order they are created in).
extern const std::array<DefControl, kNumControles> kTablaControles;

// The row of a control.
const DefControl& Definicion(Control c);

// Where a label's access key puts the focus when it is not the next control in tab order: the
// box the label names ("Men&saje": the message). nullopt for the other labels.
std::optional<Control> DestinoTeclaAcceso(Control etiqueta);

struct RectPixeles {
    int x, y, ancho, alto;
    bool operator==(const RectPixeles&) const = default;
};

// Twips to pixels at `dpi`, rounded to the nearest (halves away from zero, as MulDiv).
int TwipsAPixeles(int twips, int dpi);
// Pixels back to twips, exactly (window positions are reported in twips).
double PixelesATwips(int pixeles, int dpi);
// Each edge is converted on its own, so controls that touch in twips still touch in pixels.
RectPixeles APixeles(const RectTwips& r, int dpi);
// Where a control goes in the main window's client area.
RectPixeles Colocar(Control c, int dpi);
// The client area's size.
RectPixeles AreaCliente(int dpi);
// LOGFONT height for a point size: negative, the character height in pixels.
int AltoFuente(double puntos, int dpi);
// A window's rectangle, in pixels, where it lies wholly inside `area`: where it is when it does,
// else moved the least on each axis; one bigger than the area shows its top-left corner.
RectPixeles DentroDelArea(const RectPixeles& ventana, const RectPixeles& area);

}  // namespace rebanex
