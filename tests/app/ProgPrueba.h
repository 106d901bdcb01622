// The window's behaviour on a fake view, a fake Mensatel and the fake system.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/MenusOpciones.h"
#include "app/Prog.h"
#include "app/TablaControles.h"
#include "sistema/SistemaSimulado.h"

namespace rebanex::pruebas {

// A window without a screen, as designed; setting Msg's or Trozo's text raises its change event.
class VistaSimulada : public Vista {
  public:
    struct EstadoControl {
        std::string texto;
        bool visible = true, habilitado = true;
        long long inicio = 0, seleccion = 0;
        std::optional<std::pair<int32_t, int32_t>> colores;  // texto, fondo
    };
    struct EstadoMenu {
        bool marcado = false, habilitado = true;
        std::string texto;
    };

    explicit VistaSimulada(Prog& prog) : prog_(prog) {
        for (const DefControl& d : kTablaControles) {
            (*this)[d.control].texto = std::string(d.texto);
            (*this)[d.control].habilitado = d.habilitado;
        }
        (*this)[Control::MarcoTrozo].visible = (*this)[Control::MarcoTrozo].habilitado = false;
        for (Menu m : kMenus) {
            (*this)[m].marcado = MarcadoAlAbrir(m);
        }
    }
    // The user types a whole new text; the caret ends up after it.
    void Escribir(Control c, const std::string& texto) {
        FijarTexto(c, texto);
        (*this)[c].inicio = static_cast<long long>(texto.size());
    }
    EstadoControl& operator[](Control c) { return controles_[static_cast<size_t>(c)]; }
    EstadoMenu& operator[](Menu m) { return menus_[static_cast<size_t>(m)]; }

    std::vector<Aviso> avisos;
    Control foco = Control::Msg;  // first in the tab order
    std::string titulo = "Rebanex";
    Rectangulo ventana{2880, 1440, 4875, 3495};
    bool cerrada = false;
    int menusOpciones = 0;

    std::string Texto(Control c) override { return (*this)[c].texto; }
    long long Longitud(Control c) override { return std::ssize((*this)[c].texto); }
    void FijarTexto(Control c, const std::string& texto) override {
        (*this)[c].texto = texto;
        (*this)[c].inicio = 0;
        if (c == Control::Msg) {
            prog_.MensajeCambiado();
        } else if (c == Control::Trozo) {
            prog_.TrozoCambiado();
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
    void FijarAyuda(Control, const std::string&) override {}
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
    void MoverVentana(double x, double y) override {
        ventana = {x, y, ventana.ancho, ventana.alto};
    }
    Rectangulo Pantalla() override { return {0, 0, 15360, 11520}; }
    void Cerrar() override { cerrada = true; }
    std::string SeparadorMiles() override { return std::string(1, ','); }
    Respuesta Avisar(const Aviso& aviso) override {
        avisos.push_back(aviso);
        return aviso.botones == Botones::SiNo ? Respuesta::Si : Respuesta::Aceptar;
    }

  private:
    Prog& prog_;
    std::array<EstadoControl, kNumControles> controles_;
    std::array<EstadoMenu, kNumMenus> menus_;
};

// Mensatel as the tests want it: the answer to a paste, the size field's text.
class AnfitrionSimulado : public Anfitrion {
  public:
    ResultadoPegar Pegar(const std::string& t) override { return pegados.push_back(t), respuesta; }
    std::optional<std::string> LeerLongitudMaxima() override { return ++lecturas, tamanyo; }
    void Mostrar() override {}
    void Ejecutar() override {}
    bool Ocupado() const override { return ocupado; }
    void Cancelar() override { ++cancelados; }

    ResultadoPegar respuesta = ResultadoPegar::Pegado;
    std::optional<std::string> tamanyo;  // nullopt as when Mensatel is not there
    std::vector<std::string> pegados;
    int lecturas = 0, cancelados = 0;
    bool ocupado = false;
};

class ProgPrueba : public ::testing::Test {
  protected:
    static constexpr const char* kIni = "C:\\Rebanex\\Rebanex.ini";

    void Arrancar(const std::string& lineaComandos = "") {
        prog.Iniciar("C:\\Rebanex", lineaComandos);
    }
    // No transform, no indicator, no asking Mensatel: the pieces are the plain cut.
    void SinTransformaciones() {
        for (Menu m : {Menu::NoAcentos, Menu::NoMultiEspacios, Menu::IndicadorTrozos,
                       Menu::ObtenerTamanyoMsg}) {
            vista[m].marcado = false;
        }
    }
    void Trocear(const std::string& mensaje, const std::string& lon) {
        vista.Escribir(Control::Msg, mensaje);
        vista.Escribir(Control::LongMax, lon);
        prog.Trocear();
    }
    std::string Texto(Control c) { return vista[c].texto; }
    bool Habilitado(Control c) { return vista[c].habilitado; }

    AnfitrionSimulado anfitrion;
    pruebas::SistemaSimulado sistema;
    Prog prog{Entorno{vista, anfitrion, sistema.Servicios()}};
    VistaSimulada vista{prog};
};

}  // namespace rebanex::pruebas
