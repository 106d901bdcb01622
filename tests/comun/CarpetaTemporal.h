// A temporary folder for the tests, and reading and writing files in it byte for byte.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "comun/Windows1252.h"

namespace rebanex::pruebas {

// A Windows-1252 name as the system holds it, made without the program's file module.
inline std::filesystem::path NombreNativo(const std::string& cp1252) {
    const std::string utf8 = AUtf8(cp1252);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

#ifdef _WIN32
inline constexpr char kSeparador = '\\';
#else
inline constexpr char kSeparador = '/';
#endif

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
    // Makes a subfolder named in Windows-1252 through the system's own names; returns its path
    // as the program holds it.
    std::string CrearCarpetaNativa(const std::string& cp1252) const {
        std::filesystem::create_directory(ruta_ / NombreNativo(cp1252));
        return Ruta() + kSeparador + cp1252;
    }
    // Writes a file of that subfolder the same way; returns its path as the program holds it.
    std::string EscribirNativo(const std::string& carpeta, const std::string& nombre,
                               const std::string& bytes) const {
        std::ofstream(ruta_ / NombreNativo(carpeta) / NombreNativo(nombre), std::ios::binary)
            << bytes;
        return Ruta() + kSeparador + carpeta + kSeparador + nombre;
    }

  private:
    std::filesystem::path ruta_;
};

}  // namespace rebanex::pruebas
