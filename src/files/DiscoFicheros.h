// The file system itself behind the file commands.
#pragma once

#include <string>
#include <utility>

#include "files/Disco.h"

namespace rebanex {

class DiscoFicheros final : public Disco {
  public:
    // The temporary folder comes from the platform (GetTempPathA on Windows).
    explicit DiscoFicheros(std::string carpetaTemporal)
        : carpetaTemporal_(std::move(carpetaTemporal)) {}

    bool EsFichero(const std::string& ruta) override;
    std::optional<std::uint64_t> Tamanyo(const std::string& ruta) override;
    std::optional<std::string> LeerTexto(const std::string& ruta) override;
    bool Escribir(const std::string& ruta, const std::string& bytes) override;
    bool Borrar(const std::string& ruta) override;
    std::string CarpetaTemporal() override { return carpetaTemporal_; }

  private:
    std::string carpetaTemporal_;
};

}  // namespace rebanex
