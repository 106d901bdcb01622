// A temporary folder for the tests, and reading and writing files in it byte for byte.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace rebanex::pruebas {

inline void EscribirBytes(const std::string& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string LeerBytes(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class CarpetaTemporal {
  public:
    CarpetaTemporal() {
        static std::atomic<int> contador{0};
        ruta_ = std::filesystem::temp_directory_path() /
                ("rebanex-pruebas-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(contador++));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code ignorado;
        std::filesystem::remove_all(ruta_, ignorado);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    std::string Ruta() const { return ruta_.string(); }
    // The path of a file in the folder, as the program passes paths around.
    std::string Fichero(const std::string& nombre) const { return (ruta_ / nombre).string(); }
    // Writes the bytes as given and returns the file's path.
    std::string Escribir(const std::string& nombre, const std::string& bytes) const {
        EscribirBytes(Fichero(nombre), bytes);
        return Fichero(nombre);
    }
    std::string Leer(const std::string& nombre) const { return LeerBytes(Fichero(nombre)); }

  private:
    std::filesystem::path ruta_;
};

}  // namespace rebanex::pruebas
