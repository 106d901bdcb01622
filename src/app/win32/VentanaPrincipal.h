// The main window: creates itself and its controls from the controls table, maps window
// messages onto the handlers of Prog, and is the Vista that Prog works on.
#pragma once

#include <windows.h>

#include <array>
#include <exception>
#include <optional>
#include <string>

#include "app/Elementos.h"
#include "app/Prog.h"
#include "app/Vista.h"
#include "app/win32/Ayudas.h"
#include "app/win32/Fuentes.h"
#include "app/win32/Manejadores.h"

namespace rebanex::win32 {

// How wide a control's caption is in `fuente`, in pixels.
int AnchoDelTexto(HWND control, HFONT fuente);

// Asked of a label, answers how wide its caption is in the font it uses now, in pixels: the
// end-to-end tests check with it that no caption is cut.
inline UINT MensajeAnchoDelTexto() {
    static const UINT mensaje = RegisterWindowMessageA("Rebanex.AnchoDelTexto");
    return mensaje;
}

class VentanaPrincipal final : public Vista {
  public:
    explicit VentanaPrincipal(HINSTANCE instancia);
    VentanaPrincipal(const VentanaPrincipal&) = delete;
    VentanaPrincipal& operator=(const VentanaPrincipal&) = delete;

    // Creates the window hidden, centred on the screen, with its menus and controls; from
    // then on its events go to `prog`. False when the window could not be made.
    bool Crear(Prog& prog);
    // Shows the window with the focus in Msg.
    void Mostrar(int comoMostrar);
    // The loop's look at a message before it is dispatched: accelerators, the key preview
    // and the dialog keys (Tab, mnemonics). True when the message needs nothing more.
    bool PreTraducir(MSG& msg);
    HWND Manejador() const { return hwnd_; }

    // Vista
    std::string Texto(Control c) override;
    long long Longitud(Control c) override;
    void FijarTexto(Control c, const std::string& texto) override;
    long long InicioSeleccion(Control c) override;
    void Seleccionar(Control c, long long inicio, long long largo) override;
    void Enfocar(Control c) override;
    bool Visible(Control c) override;
    void FijarVisible(Control c, bool si) override;
    bool Habilitado(Control c) override;
    void FijarHabilitado(Control c, bool si) override;
    void FijarAyuda(Control c, const std::string& texto) override;
    void Repintar(Control c) override;
    void FijarColores(Control c, int32_t texto, int32_t fondo) override;
    bool Marcado(Menu m) override;
    void FijarMarcado(Menu m, bool si) override;
    bool MenuHabilitado(Menu m) override;
    void FijarMenuHabilitado(Menu m, bool si) override;
    std::string TextoMenu(Menu m) override;
    void FijarTextoMenu(Menu m, const std::string& texto) override;
    void MostrarMenuOpciones() override;
    std::string Titulo() override;
    void FijarTitulo(const std::string& texto) override;
    Rectangulo Ventana() override;
    void MoverVentana(double izquierda, double arriba) override;
    Rectangulo Pantalla() override;
    void Cerrar() override;
    std::string SeparadorMiles() override;
    Respuesta Avisar(const Aviso& aviso) override;

  private:
    struct ColoresPropios {
        COLORREF texto;
        COLORREF fondo;
        BrochaUnica brocha;
    };

    static LRESULT CALLBACK Procedimiento(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l);
    static LRESULT CALLBACK Subclase(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l, UINT_PTR id,
                                     DWORD_PTR datos);
    LRESULT Despachar(UINT mensaje, WPARAM w, LPARAM l);

    // VentanaPrincipal.cpp
    bool AlCrear();
    void AlFallar(const std::exception_ptr& fallo);
    void AlCambiarDpi(int dpi, const RECT& sugerido);
    void AjustarTamanyo();
    void ColocarEnPantalla(int x, int y);
    // Controles.cpp
    void CrearControles();
    void ColocarControles();
    void AplicarEstado(Control c);
    void RecuperarFoco();
    void DevolverFoco();
    void AjustarFuente(Control c);
    std::optional<Control> ControlDe(HWND hwnd) const;
    HWND Hwnd(Control c) const { return controles_[static_cast<int>(c)]; }
    // Comandos.cpp
    void AlComando(int id, int codigo, HWND control);
    void AlPulsarControl(Control c);
    void AlSiguienteControl(WPARAM w, LPARAM l);
    LRESULT BotonPorDefecto();
    // Colores.cpp
    LRESULT AlColorear(UINT mensaje, HDC dc, HWND control);
    // Subclases.cpp
    void Subclasificar();
    bool AlMensajeDeControl(Control c, UINT mensaje, WPARAM w, LPARAM l);
    // Menus.cpp
    void PrepararMenus();

    HINSTANCE instancia_;
    Prog* prog_ = nullptr;
    HWND hwnd_ = nullptr;            // set at WM_NCCREATE, cleared at WM_NCDESTROY
    HMENU menu_ = nullptr;           // the menu bar: destroyed with the window
    HACCEL aceleradores_ = nullptr;  // a resource: freed with the module
    int dpi_ = 96;
    std::array<HWND, kNumControles> controles_{};  // children, destroyed with the window
    // Each control's own Visible and Enabled; for a frame, the frame's. A control shows
    // and works only while its frame does too.
    std::array<bool, kNumControles> visible_{};
    std::array<bool, kNumControles> habilitado_{};
    std::array<std::optional<ColoresPropios>, kNumControles> colores_;
    BrochaUnica gris_;
    Fuentes fuentes_;
    Ayudas ayudas_;
    bool fijandoTexto_ = false;
    std::optional<Control> focoPerdido_;  // the control that had the focus when its view went
    HWND ultimoFoco_ = nullptr;           // the last control that took the focus
    std::array<FuenteUnica, kNumControles> ajustadas_;  // smaller fonts for long captions
    bool avisandoFallo_ = false;
};

}  // namespace rebanex::win32
