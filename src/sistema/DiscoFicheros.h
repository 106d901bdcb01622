// The file system itself behind the file commands.
#pragma once

#include <string>
#include <utility>

#include "sistema/Disco.h"

namespace rebanex {

class DiscoFicheros : public Disco {
  public:
    // The temporary folder comes from the platform (GetTempPathA on Windows).
    explicit DiscoFicheros(std::string carpetaTemporal)
        : carpetaTemporal_(std::move(carpetaTemporal)) {}

    bool EsFichero(const std::string& ruta) override;
    std::optional<std::uint64_t> Tamanyo(const std::string& ruta) override;
    Lectura Leer(const std::string& ruta) override;
    bool Escribir(const std::string& ruta, const std::string& bytes) override;
    bool Borrar(const std::string& ruta) override;
    // std::rename: one step on POSIX. A read-only `destino` stays, as on Windows, whose build
    // replaces with a call of its own.
    bool Reemplazar(const std::string& origen, const std::string& destino) override;
    std::string CarpetaTemporal() override { return carpetaTemporal_; }

  private:
    std::string carpetaTemporal_;
};

}  // namespace rebanex
