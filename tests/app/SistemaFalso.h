// The file system, the open dialog and the shell as data, with a journal of the calls.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <cstdint>
#include <optional>

#include "files/Dialogos.h"
#include "files/Disco.h"
#include "files/Shell.h"

namespace rebanex::prueba {

class DiscoFalso : public Disco {
  public:
    bool EsFichero(const std::string& ruta) override { return ficheros.count(ruta) != 0; }
    std::optional<std::uint64_t> Tamanyo(const std::string& ruta) override {
        const auto f = ficheros.find(ruta);
        return f == ficheros.end() ? std::nullopt : std::optional<std::uint64_t>(f->second.size());
    }
    std::optional<std::string> LeerTexto(const std::string& ruta) override {
        const auto f = ficheros.find(ruta);
        return f == ficheros.end() ? std::nullopt : std::optional<std::string>(f->second);
    }
    bool Escribir(const std::string& ruta, const std::string& bytes) override {
        if (soloLectura.count(ruta) != 0) {
            return false;
        }
        ficheros[ruta] = bytes;
        return true;
    }
    bool Borrar(const std::string& ruta) override {
        borrados.push_back(ruta);
        return ficheros.erase(ruta) != 0;
    }
    std::string CarpetaTemporal() override { return "C:\\Temp\\"; }

    std::map<std::string, std::string> ficheros;
    std::set<std::string> soloLectura;
    std::vector<std::string> borrados;
};

class DialogosFalsos : public Dialogos {
  public:
    std::string AbrirFichero(const std::string& filtro, const std::string& titulo,
                             const std::string& directorio, std::uint32_t flags) override {
        pedidos.push_back(filtro + "|" + titulo + "|" + directorio + "|" + std::to_string(flags));
        std::string r = respuestas.empty() ? "" : respuestas.front();
        if (!respuestas.empty()) {
            respuestas.pop_front();
        }
        return r;
    }
    std::deque<std::string> respuestas;  // then "" (cancelled)
    std::vector<std::string> pedidos;
};

// "Abrir fichero|parametros|directorio|mostrar", "Ejecutar linea", "Descargar url>destino".
class ShellFalso : public Shell {
  public:
    explicit ShellFalso(DiscoFalso* d = nullptr) : disco(d) {}
    int Abrir(const std::string& fichero, const std::string& parametros,
              const std::string& directorio, int mostrar) override {
        llamadas.push_back("Abrir " + fichero + "|" + parametros + "|" + directorio + "|" +
                           std::to_string(mostrar));
        // The placeholder must still be there while the browser is looked for and started.
        marcadorPresente = disco != nullptr && disco->EsFichero("C:\\Temp\\TempHtm.html");
        return resultadoAbrir;
    }
    std::optional<std::string> BuscarEjecutable(const std::string& fichero) override {
        llamadas.push_back("Buscar " + fichero);
        return navegador;
    }
    bool Ejecutar(const std::string& linea) override {
        llamadas.push_back("Ejecutar " + linea);
        return arranca;
    }
    bool Descargar(const std::string& url, const std::string& destino) override {
        llamadas.push_back("Descargar " + url + ">" + destino);
        return descarga;
    }
    std::string RutaEjecutable() override { return rutaEjecutable; }

    DiscoFalso* disco = nullptr;
    std::vector<std::string> llamadas;
    int resultadoAbrir = 42;
    std::optional<std::string> navegador;
    bool marcadorPresente = false;
    bool arranca = true;
    bool descarga = true;
    std::string rutaEjecutable = "C:\\Mensatel\\Rebanex.exe";
};

}  // namespace rebanex::prueba
