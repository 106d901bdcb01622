// The window's behaviour on a fake view, an in-memory settings file and a scripted Mensatel.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "FakeVista.h"
#include "SistemaFalso.h"
#include "app/Prog.h"
#include "host/Anfitrion.h"
#include "settings/PerfilEnMemoria.h"

namespace rebanex::prueba {

// Mensatel as the tests want it: the answer to a paste, the size field's text.
class AnfitrionFalso : public Anfitrion {
  public:
    ResultadoPegar Pegar(const std::string& trozo) override {
        pegados.push_back(trozo);
        return respuesta;
    }
    std::optional<std::string> LeerLongitudMaxima() override {
        ++lecturas;
        return tamanyo;
    }
    void Mostrar() override { ++mostrados; }
    void Ejecutar() override { ++ejecutados; }
    bool Ocupado() const override { return ocupado; }
    void Cancelar() override { ++cancelados; }

    ResultadoPegar respuesta = ResultadoPegar::Pegado;
    std::optional<std::string> tamanyo;  // nullopt as when Mensatel is not there
    std::vector<std::string> pegados;
    int lecturas = 0, mostrados = 0, ejecutados = 0, cancelados = 0;
    bool ocupado = false;
};

// The clipboard: the last text copied, if any.
class PortapapelesFalso : public Portapapeles {
  public:
    void Copiar(const std::string& t) override { texto = t; }
    std::optional<std::string> texto;
};

// Settings in memory, with every write kept in order as "Seccion/clave=valor".
class PerfilRegistrado : public PerfilPrivado {
  public:
    explicit PerfilRegistrado(PerfilEnMemoria& memoria) : memoria_(memoria) {}

    std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                              std::string_view clave, std::string_view porDefecto,
                              std::size_t tamano) override {
        return memoria_.ObtenerCadena(fichero, seccion, clave, porDefecto, tamano);
    }
    bool EscribirCadena(const std::string& fichero, std::string_view seccion,
                        std::string_view clave, std::string_view valor) override {
        escrituras.push_back(std::string(seccion) + "/" + std::string(clave) + "=" +
                             std::string(valor));
        return memoria_.EscribirCadena(fichero, seccion, clave, valor);
    }

    std::vector<std::string> escrituras;  // failed ones too

  private:
    PerfilEnMemoria& memoria_;
};

class ProgPrueba : public ::testing::Test {
  protected:
    static constexpr const char* kDirectorio = "C:\\Rebanex";
    static constexpr const char* kIni = "C:\\Rebanex\\Rebanex.ini";
    static constexpr const char* kMensatelIni = "C:\\Rebanex\\mensatel.ini";

    ProgPrueba() { vista.Conectar(prog); }

    // Start with an empty command line; the journal then starts afresh.
    void Arrancar() {
        prog.Form_Load(kDirectorio, "");
        OlvidarRegistro();
    }
    void ArrancarConFirma(const std::string& firma) {
        memoria.EscribirCadena(kMensatelIni, "Usuario", "firma", firma);
        Arrancar();
    }
    void OlvidarRegistro() {
        vista.registro.clear();
        perfil.escrituras.clear();
    }
    void Marcar(Menu m, bool si) { vista[m].marcado = si; }
    // No transform, no indicator, no asking Mensatel: the pieces are the plain cut.
    void SinTransformaciones() {
        for (Menu m : {Menu::mnu_opciones_acentos, Menu::mnu_opciones_espacios,
                       Menu::mnu_opciones_indicador, Menu::mnu_opciones_getTamanyo}) {
            Marcar(m, false);
        }
    }
    void Trocear(const std::string& mensaje, const std::string& lon) {
        vista.Escribir(Control::Msg, mensaje);
        vista.Escribir(Control::Lon, lon);
        prog.Partir_Click();
    }
    // The ticks of the options menu, grouped: inverso; acentos, espacios, indicador, pegar,
    // getTamanyo; txtChar 1 to 3; firma_posicion 1 to 3; firma_auto, firma_trozos; auto;
    // ventana. The defaults read "0 11111 100 100 00 0 1".
    std::string Marcas() {
        using enum Menu;
        const std::vector<std::vector<Menu>> grupos = {
            {mnu_opciones_inverso},
            {mnu_opciones_acentos, mnu_opciones_espacios, mnu_opciones_indicador,
             mnu_opciones_pegar, mnu_opciones_getTamanyo},
            {mnu_opciones_txtChar1, mnu_opciones_txtChar2, mnu_opciones_txtChar3},
            {mnu_opciones_firma_posicion1, mnu_opciones_firma_posicion2,
             mnu_opciones_firma_posicion3},
            {mnu_opciones_firma_auto, mnu_opciones_firma_trozos},
            {mnu_opciones_auto},
            {mnu_opciones_ventana}};
        std::string s;
        for (const std::vector<Menu>& grupo : grupos) {
            s += s.empty() ? "" : " ";
            for (Menu m : grupo) {
                s += vista[m].marcado ? '1' : '0';
            }
        }
        return s;
    }
    std::string Texto(Control c) { return vista[c].texto; }
    bool Habilitado(Control c) { return vista[c].habilitado; }

    // A rules file on disk, named after the running test so that parallel runs do not meet.
    std::string EscribirReglas(const std::string& contenido) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nombre =
            std::string("rebanex_") + info->test_suite_name() + "_" + info->name() + ".txt";
        std::replace(nombre.begin(), nombre.end(), '/', '_');  // parameterised names
        const auto ruta = std::filesystem::temp_directory_path() / nombre;
        std::ofstream(ruta, std::ios::binary) << contenido;
        ficherosTemporales_.push_back(ruta);
        return ruta.string();
    }
    ~ProgPrueba() override {
        for (const auto& ruta : ficherosTemporales_) {
            std::error_code ignorado;
            std::filesystem::remove(ruta, ignorado);
        }
    }

    PerfilEnMemoria memoria;
    PerfilRegistrado perfil{memoria};
    FakeVista vista;
    AnfitrionFalso anfitrion;
    PortapapelesFalso portapapeles;
    DiscoFalso disco;
    DialogosFalsos dialogos;
    ShellFalso shell{&disco};
    Prog prog{Entorno{vista, perfil, anfitrion, portapapeles, disco, dialogos, shell}};

  private:
    std::vector<std::filesystem::path> ficherosTemporales_;
};

}  // namespace rebanex::prueba
