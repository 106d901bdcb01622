// Drives a running Rebanex.exe from another process, as a user would: finds its window,
// presses real keys and the mouse, reads the controls and answers message boxes. Actions that
// may open a modal box are posted, never sent, so the caller never blocks.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Elementos.h"
#include "app/win32/Identificadores.h"

namespace rebanex::e2e {

inline constexpr char kTitulo[] = "Rebanex  -  01/01/2002";

// Generous bounds: the waits poll, so a bound costs nothing when the condition comes true.
inline constexpr std::chrono::seconds kPlazo{60};
inline constexpr std::chrono::seconds kPlazoLargo{120};

// Polls `condicion` until it holds or `plazo` runs out; true when it held.
bool Esperar(const std::function<bool()>& condicion, std::chrono::milliseconds plazo = kPlazo);

// A path of the cross build (a Unix path) as Wine's drive Z: shows it.
std::string RutaWindows(std::string ruta);
std::string LeerFichero(const std::string& ruta);
// Clipboard formats with their bytes, as the clipboard holds them (a text with its final null).
using Formatos = std::vector<std::pair<UINT, std::string>>;
// False, or "<cerrado>", when another program kept the clipboard.
bool PonerEnPortapapeles(const Formatos& formatos);
std::string LeerPortapapeles(UINT formato);

// Real key presses through the system's input queue, to the foreground window: the keys of
// a combination go down in order and up in reverse order.
void Teclas(const std::vector<WORD>& combinacion);
// One key per character, with Shift where the character needs it; "^" and "%" hold Ctrl and
// Alt down for the next one: "%oi" is Alt+O, then I.
void Teclear(const std::string& texto);

struct Caja {
    HWND hwnd = nullptr;
    std::string texto;
};

class Rebanex {
  public:
    // Starts the Rebanex.exe of `directorio` there, with those arguments; waits for its
    // window, or for a box it raises first.
    explicit Rebanex(const std::string& directorio, const std::string& argumentos = "");
    ~Rebanex();  // a program still running is ended
    Rebanex(const Rebanex&) = delete;
    Rebanex& operator=(const Rebanex&) = delete;

    HWND Ventana() const { return ventana_; }
    // The main window (after the boxes raised while starting), or else a box.
    bool EsperarVentana(bool oCaja = false);
    HWND Hwnd(Control c) const { return GetDlgItem(ventana_, win32::IdControl(c)); }
    std::string Texto(HWND hwnd) const;
    std::string Texto(Control c) const { return Texto(Hwnd(c)); }
    bool Visible(Control c) const { return IsWindowVisible(Hwnd(c)) != FALSE; }
    bool Habilitado(Control c) const { return IsWindowEnabled(Hwnd(c)) != FALSE; }
    HWND Foco() const;
    // In pixels: the label's caption in the font it shows it in (the program answers), and
    // the label's client area.
    int AnchoTexto(Control c) const;
    int AnchoCliente(Control c) const;

    void PonerTexto(HWND hwnd, const std::string& texto) const;
    void PonerTexto(Control c, const std::string& texto) const { PonerTexto(Hwnd(c), texto); }
    void Pulsar(Control c) const { PostMessageA(Hwnd(c), BM_CLICK, 0, 0); }
    void Elegir(Menu m) const { PostMessageA(ventana_, WM_COMMAND, win32::IdMenu(m), 0); }
    // A real click of the left button in the middle of the control.
    void Clic(Control c) const;
    // The window in front with the focus in it, as a click on it leaves it.
    bool AlFrente() const;

    std::optional<Caja> EsperarCaja(const std::string& titulo,
                                    std::chrono::milliseconds plazo = kPlazo);
    void Responder(const Caja& caja, int boton);
    // Waits for the program to end; its exit code, or nothing when it did not end in time.
    std::optional<DWORD> EsperarFin();

  private:
    PROCESS_INFORMATION proceso_{};
    HWND ventana_ = nullptr;
};

}  // namespace rebanex::e2e
