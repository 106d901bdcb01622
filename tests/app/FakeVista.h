// A window without a screen: every control and menu item as plain data, starting as the form
// is designed; setting the text of Msg or Trozo raises their change handlers, as the real
// edit controls do.
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Prog.h"
#include "app/TablaControles.h"

namespace rebanex::prueba {

class FakeVista : public Vista {
  public:
    struct EstadoControl {
        std::string texto, ayuda;
        bool visible = true, habilitado = true;
        long long inicio = 0, seleccion = 0;                 // the caret, or a selected span
        std::optional<std::pair<int32_t, int32_t>> colores;  // texto, fondo
    };
    struct EstadoMenu {
        bool marcado = false, habilitado = true;
        std::string texto;
    };

    FakeVista() {
        for (const DefControl& d : kTablaControles) {
            EstadoControl& control = (*this)[d.control];
            control.texto = std::string(d.texto);
            control.ayuda = std::string(d.ayuda);
            control.habilitado = d.habilitado;
        }
        (*this)[Control::frmTrozo].visible = (*this)[Control::frmTrozo].habilitado = false;
        for (Menu m : kMenus) {
            (*this)[m].marcado = MarcadoAlAbrir(m);
        }
    }
    void Conectar(Prog& prog) { prog_ = &prog; }
    // The user types a whole new text; the caret ends up after it.
    void Escribir(Control c, const std::string& texto) {
        FijarTexto(c, texto);
        (*this)[c].inicio = static_cast<long long>(texto.size());
    }
    EstadoControl& operator[](Control c) { return controles_[static_cast<size_t>(c)]; }
    EstadoMenu& operator[](Menu m) { return menus_[static_cast<size_t>(m)]; }

    std::vector<Aviso> avisos;
    std::deque<Respuesta> respuestas;  // answers to give; then OK, or Yes to a question
    Control foco = Control::Msg;       // first in the tab order
    std::string titulo = "Rebanex";
    Rectangulo ventana{2880, 1440, 4875, 3495};
    bool cerrada = false;
    int menusOpciones = 0;
    std::string separadorMiles = ".";

    // Vista
    std::string Texto(Control c) override { return (*this)[c].texto; }
    long long Longitud(Control c) override {
        return static_cast<long long>((*this)[c].texto.size());
    }
    void FijarTexto(Control c, const std::string& texto) override {
        (*this)[c].texto = texto;
        (*this)[c].inicio = 0;
        if (prog_ != nullptr && c == Control::Msg) {
            prog_->Msg_Change();
        } else if (prog_ != nullptr && c == Control::Trozo) {
            prog_->Trozo_Change();
        }
    }
    long long InicioSeleccion(Control c) override { return (*this)[c].inicio; }
    void Seleccionar(Control c, long long inicio, long long largo) override {
        (*this)[c].inicio = inicio;
        (*this)[c].seleccion = largo;
    }
    void Enfocar(Control c) override { foco = c; }
    bool Visible(Control c) override { return (*this)[c].visible; }
    void FijarVisible(Control c, bool si) override { (*this)[c].visible = si; }
    bool Habilitado(Control c) override { return (*this)[c].habilitado; }
    void FijarHabilitado(Control c, bool si) override { (*this)[c].habilitado = si; }
    void FijarAyuda(Control c, const std::string& texto) override { (*this)[c].ayuda = texto; }
    void Repintar(Control) override {}
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
    void MoverVentana(double izquierda, double arriba) override {
        ventana.izquierda = izquierda;
        ventana.arriba = arriba;
    }
    Rectangulo Pantalla() override { return {0, 0, 15360, 11520}; }
    void Cerrar() override { cerrada = true; }
    std::string SeparadorMiles() override { return separadorMiles; }
    Respuesta Avisar(const Aviso& aviso) override {
        avisos.push_back(aviso);
        if (respuestas.empty()) {
            return aviso.botones == Botones::SiNo ? Respuesta::Si : Respuesta::Aceptar;
        }
        const Respuesta r = respuestas.front();
        respuestas.pop_front();
        return r;
    }

  private:
    Prog* prog_ = nullptr;
    std::array<EstadoControl, kNumControles> controles_;
    std::array<EstadoMenu, kNumMenus> menus_;
};

}  // namespace rebanex::prueba
