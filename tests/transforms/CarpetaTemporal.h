// A fresh folder under the system's temporary folder, removed with everything in it.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace rebanex::pruebas {

class CarpetaTemporal {
  public:
    CarpetaTemporal() {
        std::random_device azar;
        ruta_ = std::filesystem::temp_directory_path() /
                ("rebanex-pruebas-" + std::to_string(azar()) + "-" + std::to_string(azar()));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code ignorado;
        std::filesystem::remove_all(ruta_, ignorado);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    // The path of a file in the folder, as the program passes paths around.
    std::string Fichero(const std::string& nombre) const { return (ruta_ / nombre).string(); }
    std::string Ruta() const { return ruta_.string(); }

  private:
    std::filesystem::path ruta_;
};

inline void EscribirBytes(const std::string& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string LeerBytes(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace rebanex::pruebas
