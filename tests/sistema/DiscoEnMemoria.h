// Files kept in memory: the tests' stand-in for the file system, with the faults a real disk
// can have switched on by hand.
#pragma once

#include <map>
#include <set>
#include <string>

#include "sistema/Disco.h"

namespace rebanex {

class DiscoEnMemoria : public Disco {
  public:
    enum class Lleno {
        No,
        Falla,   // every write fails
        Trunca,  // every write keeps only the first half of its bytes and reports success
    };

    bool EsFichero(const std::string& ruta) override { return ficheros.contains(ruta); }
    std::optional<std::uint64_t> Tamanyo(const std::string& ruta) override;
    Lectura Leer(const std::string& ruta) override;
    bool Escribir(const std::string& ruta, const std::string& bytes) override;
    bool Borrar(const std::string& ruta) override;
    bool Reemplazar(const std::string& origen, const std::string& destino) override;
    std::string CarpetaTemporal() override { return "C:\\Temp\\"; }

    std::map<std::string, std::string> ficheros;
    std::set<std::string> carpetas;
    std::set<std::string> soloLectura;  // read, but neither written, removed nor replaced
    std::set<std::string> enUso;        // held open by another program without sharing
    Lleno lleno = Lleno::No;
    bool reemplazoFalla = false;

  private:
    bool Intocable(const std::string& ruta) const {
        return soloLectura.contains(ruta) || enUso.contains(ruta) || carpetas.contains(ruta);
    }
};

}  // namespace rebanex
