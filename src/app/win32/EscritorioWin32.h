// The desktop that the Mensatel automation drives, over user32.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/Anfitrion.h"
#include "host/Escritorio.h"

namespace rebanex::win32 {

class VentanaPrincipal;

class EscritorioWin32 final : public Escritorio {
  public:
    explicit EscritorioWin32(VentanaPrincipal& ventana) : ventana_(ventana) {}
    EscritorioWin32(const EscritorioWin32&) = delete;
    EscritorioWin32& operator=(const EscritorioWin32&) = delete;

    // A quit that arrives while Mensatel is waited for ends that wait; the automation exists
    // only after this object.
    void Conectar(Anfitrion& anfitrion) { anfitrion_ = &anfitrion; }

    std::optional<VentanaId> BuscarVentana(std::string_view titulo) override;
    std::optional<VentanaId> BuscarVentanaPorPrefijo(std::string_view prefijo) override;
    VentanaId VentanaPropia() override;
    bool Responde(VentanaId v) override;
    bool Minimizada(VentanaId v) override;
    void Restaurar(VentanaId v) override;
    bool PonerEnPrimerPlano(VentanaId v) override;
    void SubirYActivar(VentanaId v) override;
    RectVentana Rectangulo(VentanaId v) override;
    void Colocar(VentanaId v, int32_t x, int32_t y, int32_t ancho, int32_t alto) override;
    Tamanyo PantallaPrincipal() override;

    VentanaId VentanaEnPunto(Punto p) override;
    std::string TextoVentana(VentanaId v) override;

    Punto Cursor() override;
    void MoverCursor(Punto p) override;
    void BotonIzquierdo(bool abajo) override;  // EntradaWin32.cpp
    void PulsarTeclas(Tecla t) override;       // EntradaWin32.cpp

    void Dormir(int32_t ms) override;
    void ProcesarEventos() override;
    int64_t Milisegundos() override;

  private:
    // Handles Rebanex's pending messages, if any; false once the program is quitting.
    bool Despachar();
    // Sends the input and waits, bounded, until the thread that owns `destino` has taken it
    // (EntradaWin32.cpp).
    void Enviar(std::vector<INPUT> entradas, HWND destino);

    VentanaPrincipal& ventana_;
    Anfitrion* anfitrion_ = nullptr;
};

}  // namespace rebanex::win32
