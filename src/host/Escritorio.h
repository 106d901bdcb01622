// The desktop as the Mensatel automation sees it: top-level windows by title, the mouse,
// keystrokes, the clock and Rebanex's own pending events. The .exe implements it over user32;
// the tests over a simulated desktop. The clipboard, the files and the shell are the system's
// services (sistema/Sistema.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rebanex {

// An opaque window handle; 0 is no window.
using VentanaId = std::uintptr_t;

struct Punto {
    int32_t x = 0, y = 0;
    bool operator==(const Punto&) const = default;
};

// A window's rectangle in screen pixels, as the system reports it.
struct RectVentana {
    int32_t izquierda = 0, arriba = 0, derecha = 0, abajo = 0;
    bool operator==(const RectVentana&) const = default;
};

struct Tamanyo {
    int32_t ancho = 0, alto = 0;
    bool operator==(const Tamanyo&) const = default;
};

// The keystrokes sent to Mensatel.
enum class Tecla { AltZ, CtrlV, Escape };

class Escritorio {
  public:
    virtual ~Escritorio() = default;

    // Top-level windows, minimised or not.
    virtual std::optional<VentanaId> BuscarVentana(std::string_view titulo) = 0;  // exact title
    virtual std::optional<VentanaId> BuscarVentanaPorPrefijo(std::string_view prefijo) = 0;
    virtual VentanaId VentanaPropia() = 0;  // Rebanex's main window
    // Whether the window's program answers within about a second. Every call below that
    // touches another program's window is bounded or does not wait for it.
    virtual bool Responde(VentanaId v) = 0;
    virtual bool Minimizada(VentanaId v) = 0;
    virtual void Restaurar(VentanaId v) = 0;           // a minimised window back to its size
    virtual bool PonerEnPrimerPlano(VentanaId v) = 0;  // foreground window; false if refused
    virtual void SubirYActivar(VentanaId v) = 0;       // top of the window order, then active
    virtual RectVentana Rectangulo(VentanaId v) = 0;
    // Top of the window order at (x, y) with the given size, shown (SWP_SHOWWINDOW alone).
    virtual void Colocar(VentanaId v, int32_t x, int32_t y, int32_t ancho, int32_t alto) = 0;
    virtual Tamanyo PantallaPrincipal() = 0;

    // The topmost window, child or not, under a screen point (0 when none), and its text.
    // A failed or timed-out text read gives "".
    virtual VentanaId VentanaEnPunto(Punto p) = 0;
    virtual std::string TextoVentana(VentanaId v) = 0;

    // Mouse and keyboard. The keystroke goes to the foreground window and returns once it
    // has been processed.
    virtual Punto Cursor() = 0;
    virtual void MoverCursor(Punto p) = 0;
    virtual void BotonIzquierdo(bool abajo) = 0;  // press or release, no movement
    virtual void PulsarTeclas(Tecla t) = 0;

    // Pacing. Milisegundos is a monotonic clock that Dormir advances.
    virtual void Dormir(int32_t ms) = 0;
    virtual void ProcesarEventos() = 0;  // Rebanex's own pending window events
    virtual int64_t Milisegundos() = 0;
};

}  // namespace rebanex
