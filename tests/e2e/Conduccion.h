// Drives a running Rebanex.exe from another process, as a user would: finds its window,
// types, presses buttons and menu items, reads the controls and answers message boxes.
// Actions that may open a modal box are posted, never sent, so the caller never blocks.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "app/Elementos.h"

namespace rebanex::e2e {

using namespace std::chrono_literals;

inline constexpr char kTitulo[] = "Rebanex  -  01/01/2002";

// Bounds for the waits, generous enough for a slow, busy machine: the waits poll, so a
// bound costs nothing when the condition comes true early.
inline constexpr std::chrono::seconds kPlazo{60};
// For what the program does with a large message, and for Wine starting a program.
inline constexpr std::chrono::seconds kPlazoLargo{120};

// Polls `condicion` until it holds or `plazo` runs out; true when it held. The test's own
// windows are served meanwhile.
bool Esperar(const std::function<bool()>& condicion, std::chrono::milliseconds plazo = kPlazo);
// A new empty folder in the temporary folder, removed with what is left in it.
class DirectorioTemporal {
  public:
    DirectorioTemporal();
    ~DirectorioTemporal();
    DirectorioTemporal(const DirectorioTemporal&) = delete;
    DirectorioTemporal& operator=(const DirectorioTemporal&) = delete;
    const std::string& Ruta() const { return ruta_; }  // without the final backslash

  private:
    std::string ruta_;
};

// The program under test: Rebanex.exe by the build's path or REBANEX_EXE, as a Windows path.
std::string RutaRebanex();

// A path of the cross build (a Unix path) as Wine's drive Z: shows it.
std::string RutaWindows(std::string ruta);

// The whole file, or "" when it cannot be read.
std::string LeerFichero(const std::string& ruta);

// Puts the text on the clipboard; false when the clipboard stayed busy.
bool PonerEnPortapapeles(const std::string& texto);

struct Caja {
    HWND hwnd = nullptr;
    std::string titulo;
    std::string texto;
};

class Rebanex {
  public:
    // Starts the program in `directorio` and waits for its window.
    explicit Rebanex(const std::string& directorio, const std::string& argumentos = "");
    ~Rebanex();  // a program still running is ended
    Rebanex(const Rebanex&) = delete;
    Rebanex& operator=(const Rebanex&) = delete;

    HWND Ventana() const { return ventana_; }
    HWND Hwnd(Control c) const;
    RECT Rectangulo() const;

    std::string Texto(Control c) const;
    std::string Texto(HWND hwnd) const;
    bool Visible(Control c) const;
    bool Habilitado(Control c) const;
    HWND Foco() const;
    // The colour on the screen at the middle of a control.
    COLORREF ColorEnMedio(Control c) const;
    // How wide the label's caption is in the font it shows it in (the program answers), and
    // how wide the label's client area is, in pixels.
    int AnchoTexto(Control c) const;
    int AnchoCliente(Control c) const;

    // Typing: one WM_CHAR per character, to the control.
    void Escribir(Control c, const std::string& texto);
    // Puts the text on the clipboard and pastes it into the control, as Ctrl+V does.
    void Pegar(Control c, const std::string& texto);
    // Replaces the text outright (WM_SETTEXT), for the one-line box Lon.
    void PonerTexto(Control c, const std::string& texto);
    void Pulsar(Control c);
    void ClicDerecho(Control c);
    void Elegir(Menu m);
    // A key press and release on the control that has the focus.
    void Tecla(WPARAM vk);
    // Real key presses (through the system's input queue, to whatever window is in front),
    // one key per character: lower-case letters, digits and blanks.
    static void Teclear(const std::string& texto);
    // A real click of the left button at a point of the window's client area, in pixels.
    void ClicEn(int x, int y) const;
    // Minimise or restore as the title bar's buttons do.
    void Minimizar() const;
    void Restaurar() const;
    // Ends menu mode (a popup menu that is open).
    void CancelarMenu();
    bool HayMenuAbierto() const;

    // A message box of the program with that title, once it is there.
    std::optional<Caja> EsperarCaja(const std::string& titulo);
    void Responder(const Caja& caja, int boton);

    // Waits for the program to end; its exit code, or nothing when it did not end in time.
    std::optional<DWORD> EsperarFin(std::chrono::milliseconds plazo = kPlazo);

  private:
    PROCESS_INFORMATION proceso_{};
    HWND ventana_ = nullptr;
};

}  // namespace rebanex::e2e
