// Drives a running Rebanex.exe from another process, as a user would: finds its window,
// presses real keys and the mouse, reads the controls and answers message boxes. Actions that
// may open a modal box are posted, never sent, so the caller never blocks.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Elementos.h"

namespace rebanex::e2e {

using namespace std::chrono_literals;

inline constexpr char kTitulo[] = "Rebanex  -  01/01/2002";

// Generous bounds: the waits poll, so a bound costs nothing when the condition comes true.
inline constexpr std::chrono::seconds kPlazo{60};
inline constexpr std::chrono::seconds kPlazoLargo{120};

// Polls `condicion` until it holds or `plazo` runs out; true when it held.
bool Esperar(const std::function<bool()>& condicion, std::chrono::milliseconds plazo = kPlazo);

// A new empty folder in the temporary folder, removed with what is left in it.
class DirectorioTemporal {
  public:
    DirectorioTemporal();
    ~DirectorioTemporal();
    DirectorioTemporal(const DirectorioTemporal&) = delete;
    DirectorioTemporal& operator=(const DirectorioTemporal&) = delete;
    const std::string& Ruta() const { return ruta_; }  // without the final backslash
    std::string Fichero(const std::string& nombre) const { return ruta_ + "\\" + nombre; }

  private:
    std::string ruta_;
};

// A path of the cross build (a Unix path) as Wine's drive Z: shows it; the build's Rebanex.exe.
std::string RutaWindows(std::string ruta);
std::string RutaRebanex();
std::string LeerFichero(const std::string& ruta);
// False, or "<cerrado>", when another program kept the clipboard.
bool PonerEnPortapapeles(const std::string& texto);
std::string LeerPortapapeles();

// Real key presses through the system's input queue, to the foreground window: the keys of
// a combination go down in order and up in reverse order.
void Teclas(const std::vector<WORD>& combinacion);
// One key per character: lower-case letters, digits and blanks.
void Teclear(const std::string& texto);

struct Caja {
    HWND hwnd = nullptr;
    std::string texto;
};

class Rebanex {
  public:
    // Starts the Rebanex.exe of `directorio` (else RutaRebanex()) there; waits for its window.
    explicit Rebanex(const std::string& directorio);
    ~Rebanex();  // a program still running is ended
    Rebanex(const Rebanex&) = delete;
    Rebanex& operator=(const Rebanex&) = delete;

    HWND Ventana() const { return ventana_; }
    HWND Hwnd(Control c) const;
    std::string Texto(HWND hwnd) const;
    std::string Texto(Control c) const { return Texto(Hwnd(c)); }
    bool Visible(Control c) const { return IsWindowVisible(Hwnd(c)) != FALSE; }
    bool Habilitado(Control c) const { return IsWindowEnabled(Hwnd(c)) != FALSE; }
    HWND Foco() const;
    // In pixels: the label's caption in the font it shows it in (the program answers), and
    // the label's client area.
    int AnchoTexto(Control c) const;
    int AnchoCliente(Control c) const;

    void PonerTexto(Control c, const std::string& texto);
    void Pulsar(Control c);
    void Elegir(Menu m);
    // A real click of the left button in the middle of the control.
    void Clic(Control c) const;
    // The window in front with the focus in it, as a click on it leaves it.
    bool AlFrente() const;

    std::optional<Caja> EsperarCaja(const std::string& titulo);
    void Responder(const Caja& caja, int boton);
    // Waits for the program to end; its exit code, or nothing when it did not end in time.
    std::optional<DWORD> EsperarFin(std::chrono::milliseconds plazo = kPlazo);

  private:
    PROCESS_INFORMATION proceso_{};
    HWND ventana_ = nullptr;
};

}  // namespace rebanex::e2e
