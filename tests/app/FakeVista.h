// A window without a screen: every control and menu item as plain data, starting as the
// form is designed, with a journal of what the program did to the controls.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Elementos.h"
#include "app/Vista.h"

namespace rebanex {
class Prog;
}

namespace rebanex::prueba {

class FakeVista : public Vista {
  public:
    struct EstadoControl {
        std::string texto, ayuda;
        bool visible = true, habilitado = true;
        long long inicioSeleccion = 0;
        std::optional<std::pair<int32_t, int32_t>> colores;  // texto, fondo
    };
    struct EstadoMenu {
        bool marcado = false, habilitado = true;
        std::string texto;
    };

    FakeVista();

    // The edit controls raise Msg_Change and Trozo_Change on the program connected here.
    void Conectar(Prog& prog) { prog_ = &prog; }
    // The user types a whole new text; the caret ends up after it.
    void Escribir(Control c, const std::string& texto);
    // The user places the caret, or selects a span that starts there.
    void PonerCursor(Control c, long long inicio) { (*this)[c].inicioSeleccion = inicio; }

    EstadoControl& operator[](Control c) { return controles_[static_cast<size_t>(c)]; }
    EstadoMenu& operator[](Menu m) { return menus_[static_cast<size_t>(m)]; }

    // The journal lines that start with `prefijo` ("Texto Estado=", "Repintar ", ...).
    std::vector<std::string> Registro(std::string_view prefijo) const;
    // The journal from its first line that starts with `desde` on, joined by "; ".
    std::string Diario(std::string_view desde = "") const;

    // What the program did, in order: "Texto Estado=Troceando...", "Repintar Estado",
    // "Visible frmMsg=0", "Habilitado der=1", "Foco Msg", "Seleccion Lon 0,4", "Aviso <titulo>".
    std::vector<std::string> registro;
    std::vector<Aviso> avisos;
    std::deque<Respuesta> respuestas;            // answers to give; then OK, or Yes to a question
    std::optional<Control> foco = Control::Msg;  // first in the tab order
    std::string titulo = "Rebanex";
    Rectangulo ventana{2880, 1440, 4875, 3495};
    Rectangulo pantalla{0, 0, 15360, 11520};
    std::vector<std::pair<double, double>> movimientos;
    bool cerrada = false;
    int menusOpciones = 0;
    std::string separadorMiles = ".";

    // Vista
    std::string Texto(Control c) override { return (*this)[c].texto; }
    long long Longitud(Control c) override {
        return static_cast<long long>((*this)[c].texto.size());
    }
    void FijarTexto(Control c, const std::string& texto) override;
    long long InicioSeleccion(Control c) override { return (*this)[c].inicioSeleccion; }
    void Seleccionar(Control c, long long inicio, long long largo) override;
    void Enfocar(Control c) override {
        Anotar("Foco", c);
        foco = c;
    }
    bool Visible(Control c) override { return (*this)[c].visible; }
    void FijarVisible(Control c, bool si) override {
        Anotar("Visible", c, si);
        (*this)[c].visible = si;
    }
    bool Habilitado(Control c) override { return (*this)[c].habilitado; }
    void FijarHabilitado(Control c, bool si) override {
        Anotar("Habilitado", c, si);
        (*this)[c].habilitado = si;
    }
    void FijarAyuda(Control c, const std::string& texto) override { (*this)[c].ayuda = texto; }
    void Repintar(Control c) override { Anotar("Repintar", c); }
    void FijarColores(Control c, int32_t texto, int32_t fondo) override {
        (*this)[c].colores = std::make_pair(texto, fondo);
    }

    bool Marcado(Menu m) override { return (*this)[m].marcado; }
    void FijarMarcado(Menu m, bool si) override { (*this)[m].marcado = si; }
    bool MenuHabilitado(Menu m) override { return (*this)[m].habilitado; }
    void FijarMenuHabilitado(Menu m, bool si) override { (*this)[m].habilitado = si; }
    std::string TextoMenu(Menu m) override { return (*this)[m].texto; }
    void FijarTextoMenu(Menu m, const std::string& texto) override { (*this)[m].texto = texto; }
    void MostrarMenuOpciones() override { ++menusOpciones; }

    std::string Titulo() override { return titulo; }
    void FijarTitulo(const std::string& texto) override { titulo = texto; }
    Rectangulo Ventana() override { return ventana; }
    void MoverVentana(double izquierda, double arriba) override;
    Rectangulo Pantalla() override { return pantalla; }
    void Cerrar() override { cerrada = true; }

    std::string SeparadorMiles() override { return separadorMiles; }

    Respuesta Avisar(const Aviso& aviso) override;

  private:
    // "Visible frmMsg=0", or "Foco Msg" without a value.
    void Anotar(std::string_view que, Control c, std::optional<bool> valor = std::nullopt);

    Prog* prog_ = nullptr;
    std::array<EstadoControl, kNumControles> controles_;
    std::array<EstadoMenu, kNumMenus> menus_;
};

}  // namespace rebanex::prueba
