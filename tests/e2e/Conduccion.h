// Drives a running Rebanex.exe from another process, as a user would: real keys and mouse,
// the controls read, message boxes answered. What may open a modal box is posted, never sent,
// so the caller never blocks.
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
// Clipboard formats with their bytes (a text with its final null); false, or "<cerrado>", when
// another program kept the clipboard.
using Formatos = std::vector<std::pair<UINT, std::string>>;
bool PonerEnPortapapeles(const Formatos& formatos);
std::string LeerPortapapeles(UINT formato);

// Real keys through the system's input queue, to the foreground window: a combination's keys
// go down in order and up in reverse order.
void Teclas(const std::vector<WORD>& combinacion);
// One key per character, Shift as needed; "^" and "%" hold Ctrl and Alt for the next one.
void Teclear(const std::string& texto);

struct Caja {
    HWND hwnd = nullptr;
    std::string texto;
};

class Rebanex {
  public:
    // Starts the Rebanex.exe of `directorio` there; waits for its window, or a box raised first.
    explicit Rebanex(const std::string& directorio, const std::string& argumentos = "");
    ~Rebanex();  // a program still running is ended
    Rebanex(const Rebanex&) = delete;
    Rebanex& operator=(const Rebanex&) = delete;

    HWND Ventana() const { return ventana_; }
    bool EsperarVentana(bool oCaja = false);  // the main window, or else a box
    HWND Hwnd(Control c) const { return GetDlgItem(ventana_, win32::IdControl(c)); }
    std::string Texto(HWND hwnd) const;
    std::string Texto(Control c) const { return Texto(Hwnd(c)); }
    bool Visible(Control c) const { return IsWindowVisible(Hwnd(c)) != FALSE; }
    bool Habilitado(Control c) const { return IsWindowEnabled(Hwnd(c)) != FALSE; }
    HWND Foco() const;
    // The label's caption, in the font it shows it in, fits its client area.
    bool Cabe(Control c) const;

    void PonerTexto(HWND hwnd, const std::string& texto) const;
    void PonerTexto(Control c, const std::string& texto) const { PonerTexto(Hwnd(c), texto); }
    void Pulsar(Control c) const { PostMessageA(Hwnd(c), BM_CLICK, 0, 0); }
    void Elegir(Menu m) const { PostMessageA(ventana_, WM_COMMAND, win32::IdMenu(m), 0); }
    void Clic(Control c) const;  // the left button, for real, in the middle of the control
    bool AlFrente() const;       // in front with the focus in it, as a click leaves it

    std::optional<Caja> EsperarCaja(const std::string& titulo,
                                    std::chrono::milliseconds plazo = kPlazo);
    void Aceptar(const Caja& caja);
    // The exit code, or nothing when the program did not end in time.
    std::optional<DWORD> EsperarFin();

  private:
    PROCESS_INFORMATION proceso_{};
    HWND ventana_ = nullptr;
};

}  // namespace rebanex::e2e
