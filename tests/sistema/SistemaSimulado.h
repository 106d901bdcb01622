// The system's services in memory, with disk faults switched on by hand, recording what is asked;
// and a stand-in user.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "comun/Aviso.h"
#include "sistema/PerfilFichero.h"
#include "sistema/Sistema.h"

namespace rebanex::pruebas {

// Keeps every box shown and answers `respuesta` (OK boxes with Aceptar).
struct AvisadorSimulado : Avisador {
    Respuesta Avisar(const Aviso& aviso) override {
        avisos.push_back(aviso);
        return aviso.botones == Botones::SiNo ? respuesta : Respuesta::Aceptar;
    }
    std::vector<Aviso> avisos;
    Respuesta respuesta = Respuesta::Si;
};

class DiscoSimulado : public Disco {
  public:
    // Falla: no write succeeds. Trunca: each write keeps half its bytes and reports success.
    enum class Lleno { No, Falla, Trunca };

    bool EsFichero(const std::string& ruta) override { return ficheros.contains(ruta); }
    std::optional<std::uint64_t> Tamanyo(const std::string& ruta) override {
        return EsFichero(ruta) ? std::optional(ficheros[ruta].size()) : std::nullopt;
    }
    Lectura Leer(const std::string& ruta) override {
        if (!EsFichero(ruta) || enUso.contains(ruta)) {
            return {{}, EsFichero(ruta) ? MotivoFallo::EnUso : MotivoFallo::NoExiste, {}};
        }
        return {ficheros[ruta], std::nullopt, {}};
    }
    bool Escribir(const std::string& ruta, const std::string& bytes) override {
        const bool escribe = !Intocable(ruta) && lleno != Lleno::Falla;
        if (escribe) {
            ficheros[ruta] = lleno == Lleno::Trunca ? bytes.substr(0, bytes.size() / 2) : bytes;
        }
        return escribe;
    }
    bool Borrar(const std::string& ruta) override {
        return !Intocable(ruta) && ficheros.erase(ruta) != 0;
    }
    bool Reemplazar(const std::string& origen, const std::string& destino) override {
        if (reemplazoFalla || Intocable(origen) || Intocable(destino) || !EsFichero(origen)) {
            return false;
        }
        ficheros[destino] = std::move(ficheros[origen]);
        return ficheros.erase(origen), true;
    }
    std::string CarpetaTemporal() override { return "C:\\Temp\\"; }

    std::map<std::string, std::string> ficheros;
    std::set<std::string> soloLectura;  // read, but neither written, removed nor replaced
    std::set<std::string> enUso;        // held open by another program without sharing
    Lleno lleno = Lleno::No;
    bool reemplazoFalla = false;

  private:
    bool Intocable(const std::string& ruta) const {
        return soloLectura.contains(ruta) || enUso.contains(ruta);
    }
};

class SistemaSimulado : public DiscoSimulado, public Portapapeles, public Shell, public Dialogos {
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
    bool Abrir(const std::string& fichero, const std::string& parametros,
               const std::string& directorio, Mostrar) override {
        return abiertos.push_back(fichero + "|" + parametros + "|" + directorio), abreBien;
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
    int descargas = 0;
    bool abreBien = true;
    bool arranca = true, descarga = true;
};

}  // namespace rebanex::pruebas
