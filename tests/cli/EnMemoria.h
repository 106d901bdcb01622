// Runs trocear in memory and gives files to read, for the console tool's tests.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Trocear.h"

namespace rebanex::consola::prueba {

struct Resultado {
    int codigo = -1;
    std::string salida;
    std::string error;
};

inline Resultado Trocear(const std::vector<std::string>& argumentos,
                         const std::string& entrada = {}) {
    std::istringstream in(entrada);
    std::ostringstream out, err;
    Resultado r;
    r.codigo = EjecutarTrocear(argumentos, in, out, err);
    r.salida = out.str();
    r.error = err.str();
    return r;
}

// A fresh directory under the system's temporary folder, removed with everything in it.
class DirectorioTemporal {
  public:
    DirectorioTemporal() {
        static std::atomic<int> contador{0};
        const auto marca = std::chrono::steady_clock::now().time_since_epoch().count();
        ruta_ = std::filesystem::temp_directory_path() /
                ("trocear-" + std::to_string(marca) + "-" + std::to_string(contador++));
        std::filesystem::create_directories(ruta_);
    }
    ~DirectorioTemporal() {
        std::error_code ignorado;
        std::filesystem::remove_all(ruta_, ignorado);
    }
    DirectorioTemporal(const DirectorioTemporal&) = delete;
    DirectorioTemporal& operator=(const DirectorioTemporal&) = delete;

    // Writes the bytes as given and returns the file's path.
    std::string Escribir(const std::string& nombre, const std::string& bytes) const {
        const std::filesystem::path ruta = ruta_ / nombre;
        std::ofstream(ruta, std::ios::binary) << bytes;
        return ruta.string();
    }
    std::string Leer(const std::string& nombre) const {
        std::ifstream fichero(ruta_ / nombre, std::ios::binary);
        std::ostringstream bytes;
        bytes << fichero.rdbuf();
        return bytes.str();
    }
    std::string Ruta(const std::string& nombre) const { return (ruta_ / nombre).string(); }

  private:
    std::filesystem::path ruta_;
};

}  // namespace rebanex::consola::prueba
