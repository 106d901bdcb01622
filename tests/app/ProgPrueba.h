// The window's behaviour on a fake view, settings in memory, a scripted Mensatel and a system
// made of data.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakeVista.h"
#include "files/Dialogos.h"
#include "files/Disco.h"
#include "files/Shell.h"
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

inline const std::string kMarcador = "C:\\Temp\\TempHtm.html";  // how the browser is found

// The clipboard, the disk, the open dialog and the shell.
class SistemaFalso : public Portapapeles, public Disco, public Dialogos, public Shell {
  public:
    void Copiar(const std::string& texto) override { portapapeles = texto; }

    bool EsFichero(const std::string& ruta) override { return ficheros.contains(ruta); }
    std::optional<std::uint64_t> Tamanyo(const std::string& ruta) override {
        const auto f = ficheros.find(ruta);
        return f == ficheros.end() ? std::nullopt : std::optional<std::uint64_t>(f->second.size());
    }
    std::optional<std::string> LeerTexto(const std::string& ruta) override {
        const auto f = ficheros.find(ruta);
        return f == ficheros.end() ? std::nullopt : std::optional<std::string>(f->second);
    }
    bool Escribir(const std::string& ruta, const std::string& bytes) override {
        return !soloLectura.contains(ruta) && (ficheros[ruta] = bytes, true);
    }
    bool Borrar(const std::string& ruta) override { return ficheros.erase(ruta) != 0; }
    std::string CarpetaTemporal() override { return "C:\\Temp\\"; }

    std::string AbrirFichero(const std::string&, const std::string&, const std::string&,
                             std::uint32_t) override {
        ++dialogos;
        const std::string r = elegidos.empty() ? "" : elegidos.front();
        if (!elegidos.empty()) {
            elegidos.pop_front();
        }
        return r;
    }

    // The placeholder must still be there while the browser is started.
    int Abrir(const std::string& fichero, const std::string& parametros,
              const std::string& directorio, int) override {
        abiertos.push_back(fichero + "|" + parametros + "|" + directorio);
        marcadorPresente = EsFichero(kMarcador);
        return resultadoAbrir;
    }
    std::optional<std::string> BuscarEjecutable(const std::string&) override { return navegador; }
    bool Ejecutar(const std::string& linea) override {
        ejecutados.push_back(linea);
        return arranca;
    }
    bool Descargar(const std::string& url, const std::string& destino) override {
        descargas.push_back(url + ">" + destino);
        return descarga;
    }
    std::string RutaEjecutable() override { return "C:\\Mensatel\\Rebanex.exe"; }

    std::optional<std::string> portapapeles;
    std::map<std::string, std::string> ficheros;
    std::set<std::string> soloLectura;
    std::deque<std::string> elegidos;  // what the user picks in the dialog; then cancel
    int dialogos = 0;
    std::vector<std::string> abiertos, ejecutados, descargas;  // "fichero|parametros|directorio"
    std::optional<std::string> navegador;
    int resultadoAbrir = 42;
    bool marcadorPresente = false, arranca = true, descarga = true;
};

class ProgPrueba : public ::testing::Test {
  protected:
    static constexpr const char* kIni = "C:\\Rebanex\\Rebanex.ini";

    ProgPrueba() { vista.Conectar(prog); }

    void Arrancar(const std::string& lineaComandos = "") {
        prog.Form_Load("C:\\Rebanex", lineaComandos);
    }
    void Guardar(const std::string& seccion, const std::string& clave, const std::string& valor) {
        memoria.EscribirCadena(kIni, seccion, clave, valor);
    }
    // No transform, no indicator, no asking Mensatel: the pieces are the plain cut.
    void SinTransformaciones() {
        for (Menu m : {Menu::mnu_opciones_acentos, Menu::mnu_opciones_espacios,
                       Menu::mnu_opciones_indicador, Menu::mnu_opciones_getTamanyo}) {
            vista[m].marcado = false;
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

    PerfilEnMemoria memoria;
    FakeVista vista;
    AnfitrionFalso anfitrion;
    SistemaFalso sistema;
    Prog prog{Entorno{vista, memoria, anfitrion, sistema, sistema, sistema, sistema}};
};

}  // namespace rebanex::prueba
