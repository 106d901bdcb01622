// What the window's behaviour needs from the window: controls, menu items, message boxes. The .exe
// implements it over HWNDs; the tests over plain data.
//
// Setting the text of Msg or Trozo raises their change handlers (Prog::MensajeCambiado,
// Prog::TrozoCambiado), as the real edit controls do: an implementation must call them.
#pragma once

#include <cstdint>
#include <string>

#include "app/Elementos.h"
#include "comun/Aviso.h"
#include "comun/Rectangulo.h"

namespace rebanex {

class Vista : public Avisador {
  public:
    // Controls
    virtual std::string Texto(Control c) = 0;   // text or caption
    virtual long long Longitud(Control c) = 0;  // characters of Texto, without copying them
    virtual void FijarTexto(Control c, const std::string& texto) = 0;
    virtual long long InicioSeleccion(Control c) = 0;  // characters before the caret
    virtual void Seleccionar(Control c, long long inicio, long long largo) = 0;
    virtual void Enfocar(Control c) = 0;
    virtual bool Visible(Control c) = 0;
    virtual void FijarVisible(Control c, bool si) = 0;
    virtual bool Habilitado(Control c) = 0;
    virtual void FijarHabilitado(Control c, bool si) = 0;
    virtual void FijarAyuda(Control c, const std::string& texto) = 0;  // tooltip
    virtual void Repintar(Control c) = 0;  // paint now, while the thread stays busy
    // Colour numbers: 0x00BBGGRR, or 0x800000nn for system colour nn.
    virtual void FijarColores(Control c, int32_t texto, int32_t fondo) = 0;

    // Menu items
    virtual bool Marcado(Menu m) = 0;
    virtual void FijarMarcado(Menu m, bool si) = 0;
    virtual bool MenuHabilitado(Menu m) = 0;
    virtual void FijarMenuHabilitado(Menu m, bool si) = 0;
    virtual std::string TextoMenu(Menu m) = 0;
    virtual void FijarTextoMenu(Menu m, const std::string& texto) = 0;
    // Pops the options menu up at the mouse pointer, horizontally centred on it.
    virtual void MostrarMenuOpciones() = 0;

    // The window
    virtual std::string Titulo() = 0;
    virtual void FijarTitulo(const std::string& texto) = 0;
    virtual Rectangulo Ventana() = 0;                                // outer rectangle, twips
    virtual void MoverVentana(double izquierda, double arriba) = 0;  // twips
    virtual Rectangulo Pantalla() = 0;                               // twips
    virtual void Cerrar() = 0;  // unloads the window: the program ends

    // The user's locale
    virtual std::string SeparadorMiles() = 0;
};

}  // namespace rebanex
