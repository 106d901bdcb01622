// Module Control (class ControlMensatel): driving Mensatel. It finds Mensatel's windows by title,
// brings its main window to a known state, pastes pieces through the clipboard with Ctrl+V and
// reads the size limit off its main window. Everything runs on the window's thread; the waits sleep
// or process Rebanex's own pending events, so the window stays usable meanwhile, and are told
// through the status callback it is given.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "comun/Aviso.h"
#include "host/Anfitrion.h"
#include "host/Escritorio.h"
#include "sistema/Sistema.h"

namespace rebanex {

// Mensatel's windows, tried in this order for the main one.
inline constexpr std::string_view kVentanaAplicacionMensatel = "Dorvax";
inline constexpr std::array<std::string_view, 5> kTitulosMensatel = {
    "\\\\ensatel", "\\\\ensatel - Vodafone", "\\\\ensatel - Amena", "\\\\ensatel - Movistar",
    "\\\\ensatel - Feliz 2002 ;)"};
inline constexpr std::string_view kAgendaMensatel = "Mensatel - Agenda Telefónica";
inline constexpr std::string_view kOpcionesMensatel = "Mensatel - Opciones";

// Fixed points of the main window, from the top-left corner of its rectangle.
inline constexpr Punto kCampoMensaje{120, 150};
inline constexpr Punto kCampoTamanyo{204, 237};

// Bounds of the waits, in milliseconds.
inline constexpr int64_t kEsperaVentanaMs = 30000;
inline constexpr int64_t kEsperaVaciadoMs = 1000;

inline constexpr std::string_view kEstadoEsperando = "Esperando al Mensatel... (Esc cancela)";

enum class Busqueda { Encontrada, FaltaEjecutable, SinVentana, NoResponde };

// Mensatel's main window, found and answering, and where it is.
struct VentanaMensatel {
    VentanaId id = 0;
    RectVentana rect;
};

// The boxes of the Mensatel automation.
Aviso AvisoSinDorvax();
Aviso AvisoSinVentanaMensatel();
Aviso AvisoCampoMensajeLleno();    // the message field would not empty
Aviso AvisoTrozoDemasiadoLargo();  // the piece is longer than Mensatel's size field allows
Aviso AvisoMensatelNoResponde();
Aviso AvisoPortapapelesOcupado();       // also for the copy of the whole message
Aviso AvisoPortapapelesNoRestaurado();  // the piece was pasted, the earlier content is lost

class ControlMensatel : public Anfitrion {
  public:
    // Both directories end in a backslash: "dorvax.exe" is looked for in the executable's
    // directory and started in the start directory.
    ControlMensatel(Escritorio& escritorio, const Sistema& sistema, Avisador& avisador,
                    std::string directorioEjecutable, std::string directorioInicio);

    // Where the waits for Mensatel are told, as they start and end (the window's status line).
    void FijarMostrarEstado(std::function<void(const std::string&)> mostrarEstado) {
        mostrarEstado_ = std::move(mostrarEstado);
    }

    // The window's commands: one at a time (a call while another waits is refused).
    ResultadoPegar Pegar(const std::string& trozo) override;
    std::optional<std::string> LeerLongitudMaxima() override;
    void Mostrar() override;
    void Ejecutar() override;
    bool Ocupado() const override { return ocupado_; }
    void Cancelar() override { cancelado_ = true; }

  private:
    // Mensatel's application window restored or brought forward if it runs, else started
    // with EjecutarMensatel: Encontrada. FaltaEjecutable and NoResponde have shown their box.
    Busqueda MostrarMensatel();
    // Starts "dorvax.exe"; false (with its box) when it is missing.
    bool EjecutarMensatel();
    // Shows or starts Mensatel, waits for its main window (at most kEsperaVentanaMs, Escape
    // ends it sooner), raises it, closes a secondary window, moves it on screen and clicks
    // its centre. Otherwise why not (never Encontrada).
    std::variant<VentanaMensatel, Busqueda> BuscarVentanaMensatel();
    void CerrarVentanasSecundarias();
    void AjustarVentanaEnPantalla(VentanaId ventana, const RectVentana& rect);
    void ClickEnPunto(int32_t x, int32_t y);  // the cursor is put back
    void ClickIzquierdo();
    ResultadoPegar PegarTrozoEnMensatel(const std::string& trozo);
    // Empties the message field (Alt+Z until it reads empty, at most kEsperaVaciadoMs) and
    // returns the size field's text; nullopt, with a box, when the field would not empty or
    // the window stopped answering.
    std::optional<std::string> LeerTamanyoMsgMensatel(VentanaId ventana, const RectVentana& rect);
    std::string LeerTextoEnPunto(int32_t x, int32_t y);
    std::optional<VentanaId> BuscarVentanaPrincipal();
    std::optional<VentanaId> EsperarVentanaPrincipal();
    bool Responde(VentanaId ventana);  // with its box when it does not
    ResultadoPegar PegarPorPortapapeles(const std::string& trozo);
    bool Activar(std::string_view titulo);
    void MostrarEstado(const std::string& texto);

    Escritorio& escritorio_;
    Sistema sistema_;
    Avisador& avisador_;
    std::function<void(const std::string&)> mostrarEstado_;
    std::string directorioEjecutable_;
    std::string directorioInicio_;
    bool ocupado_ = false;
    bool cancelado_ = false;
};

}  // namespace rebanex
