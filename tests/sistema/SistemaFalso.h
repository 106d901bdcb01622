// The system's services for the tests, one fake of each: files in memory (with the settings
// files among them), a clipboard, a shell and an open dialog that record what they are asked
// and answer as set.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sistema/DiscoEnMemoria.h"
#include "sistema/PerfilFichero.h"
#include "sistema/Sistema.h"

namespace rebanex::pruebas {

class SistemaFalso : public DiscoEnMemoria, public Portapapeles, public Shell, public Dialogos {
  public:
    Sistema Servicios() { return {perfil, *this, *this, *this, *this}; }

    std::optional<CopiaPortapapeles> Guardar() override {
        return fallan.contains("guardar") ? std::nullopt : std::optional(portapapeles);
    }
    bool EscribirTexto(const std::string& texto) override {  // emptied even when failing
        portapapeles =
            fallan.contains("escribir") ? CopiaPortapapeles{} : CopiaPortapapeles{{{1, texto}}};
        return !fallan.contains("escribir");
    }
    bool Restaurar(const CopiaPortapapeles& copia) override {
        return !fallan.contains("restaurar") && (portapapeles = copia, true);
    }
    std::string AbrirFichero(const std::string&, const std::string&, const std::string&) override {
        return std::exchange(elegido, "");
    }
    int Abrir(const std::string& fichero, const std::string& parametros,
              const std::string& directorio, int) override {
        return abiertos.push_back(fichero + "|" + parametros + "|" + directorio), resultadoAbrir;
    }
    std::optional<std::string> BuscarEjecutable(const std::string& documento) override {
        return EsFichero(documento) ? navegador : std::nullopt;
    }
    bool Ejecutar(const std::string& programa, const std::string& linea) override {
        return ejecutados.push_back(programa + "|" + linea), arranca;
    }
    std::string EditorDeTexto() override { return "C:\\Ed\\ed.exe"; }
    // What arrives is written, whether or not the download reports success.
    bool Descargar(const std::string&, const std::string& destino) override {
        if (descargado) {
            ficheros[destino] = *descargado;
        }
        return ++descargas, descarga;
    }
    std::string RutaEjecutable() override { return "C:\\Mensatel\\Rebanex.exe"; }

    PerfilFichero perfil{*this};
    CopiaPortapapeles portapapeles;
    std::set<std::string> fallan;  // "guardar", "escribir", "restaurar": another program has it
    std::string elegido;           // what the user picks in the next open dialog; "" cancels
    // "fichero|parametros|directorio", "programa|linea"
    std::vector<std::string> abiertos, ejecutados;
    std::optional<std::string> navegador;  // what opens .html files
    std::optional<std::string> descargado = "MZ" + std::string(2000, 'x');
    int descargas = 0, resultadoAbrir = 42;
    bool arranca = true, descarga = true;
};

}  // namespace rebanex::pruebas
