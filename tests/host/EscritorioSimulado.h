// A desktop in memory for the Mensatel automation: top-level windows with titles,
// rectangles, a window order and a foreground window; child fields with texts; the cursor,
// the clipboard and a clock that sleeps advance. A scripted Mensatel empties its message
// field on Alt+Z and pastes the clipboard into it on Ctrl+V.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/Escritorio.h"

namespace rebanex::pruebas {

struct VentanaSimulada {
    std::string titulo;  // a field's text for a child
    RectVentana rect;    // screen pixels; a child's is relative to its parent's corner
    VentanaId padre = 0;
    bool minimizada = false;
    int64_t apareceEn = 0;  // the clock's time at which it exists
    bool cierraConEscape = false;
};

// The windows of one running Mensatel.
struct MensatelSimulado {
    VentanaId aplicacion = 0, principal = 0, mensaje = 0, tamanyo = 0;
};

class EscritorioSimulado : public Escritorio {
  public:
    EscritorioSimulado();

    VentanaId Crear(const VentanaSimulada& v);  // in front of the others
    // "Dorvax" at once; the main window `retraso` ms from now, its size field reading
    // `tamanyo`.
    MensatelSimulado CrearMensatel(const std::string& titulo, RectVentana rect,
                                   const std::string& tamanyo = "160", int64_t retraso = 0);
    bool Existe(VentanaId v) const;
    VentanaSimulada& operator[](VentanaId v) { return ventanas_.at(v); }
    std::vector<std::string> Titulos() const;  // the top-level windows, front first

    // Escritorio
    VentanaId BuscarVentana(std::string_view titulo) override;
    VentanaId BuscarVentanaPorPrefijo(std::string_view prefijo) override;
    VentanaId VentanaPropia() override { return propia; }
    bool Minimizada(VentanaId v) override;
    void Restaurar(VentanaId v) override;
    bool PonerEnPrimerPlano(VentanaId v) override;
    void SubirYActivar(VentanaId v) override;
    RectVentana Rectangulo(VentanaId v) override;
    void Colocar(VentanaId v, int32_t x, int32_t y, int32_t ancho, int32_t alto) override;
    Tamanyo PantallaPrincipal() override { return pantalla; }
    VentanaId VentanaEnPunto(Punto p) override;
    std::string TextoVentana(VentanaId v) override;
    Punto Cursor() override;
    void MoverCursor(Punto p) override;
    void BotonIzquierdo(bool abajo) override;
    void PulsarTeclas(Tecla t) override;
    std::string LeerPortapapeles() override { return portapapeles.value_or(""); }
    void VaciarPortapapeles() override { portapapeles.reset(); }
    void EscribirPortapapeles(const std::string& texto) override { portapapeles = texto; }
    void Dormir(int32_t ms) override { reloj += ms; }
    void ProcesarEventos() override;
    int64_t Milisegundos() override { return reloj; }
    bool ExisteFichero(const std::string& ruta) override { return ficheros.contains(ruta); }
    std::intptr_t AbrirConShell(const std::string& ruta, const std::string& directorio) override;
    void MostrarEstado(const std::string& texto) override { estados.push_back(texto); }

    VentanaId propia = 0;  // Rebanex's window
    VentanaId primerPlano = 0, activa = 0;
    Tamanyo pantalla{1024, 768};
    Punto cursor{5, 5};
    int64_t cursorAtrasadoMs = 0;  // how long after a move the cursor reads its old place
    std::optional<std::string> portapapeles;
    int64_t reloj = 0;
    std::set<std::string> ficheros;
    std::intptr_t resultadoShell = 42;
    std::function<void()> alAbrir;     // what the shell's start does
    std::function<void()> alProcesar;  // the user, while events are processed
    bool rehusaVaciar = false;         // Mensatel's message field ignores Alt+Z

    std::vector<std::pair<std::string, std::string>> aperturas;  // file, working directory
    std::vector<Punto> clicks;
    std::vector<std::string> teclas;   // "AltZ" and so on, with the foreground's title
    std::vector<std::string> pegados;  // the message field after each Ctrl+V
    std::vector<std::string> estados;  // the status label's texts
    std::vector<VentanaId> colocadas;  // windows moved by Colocar

  private:
    bool Visible(VentanaId v) const;  // exists now and not minimised
    void AlFrente(VentanaId v);

    std::map<VentanaId, VentanaSimulada> ventanas_;
    std::vector<VentanaId> orden_;  // top-level windows, front first
    VentanaId siguiente_ = 1;
    Punto cursorAnterior_;
    int64_t atrasadoHasta_ = 0;
};

}  // namespace rebanex::pruebas
