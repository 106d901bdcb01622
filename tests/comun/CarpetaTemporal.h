// A fresh temporary folder, removed with its contents, and files read and written byte for byte.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "comun/Windows1252.h"

namespace rebanex::pruebas {

inline void EscribirBytes(const std::filesystem::path& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string LeerBytes(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

struct CarpetaTemporal {
    CarpetaTemporal() {
        static std::atomic<int> contador{0};
        ruta_ = std::filesystem::temp_directory_path() /
                ("rebanex-pruebas-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(contador++));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code e;
        std::filesystem::remove_all(ruta_, e);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;

    std::string Ruta() const { return ruta_.string(); }
    // A file of the folder (named in Windows-1252), as the program passes paths around; joined as
    // text, since a narrow path object would take the name for UTF-8 on MinGW.
    std::string Fichero(const std::string& nombre) const {
        return Ruta() + static_cast<char>(std::filesystem::path::preferred_separator) + nombre;
    }
    // The name as the system holds it, made without the program's file module.
    std::filesystem::path Nativo(const std::string& nombre) const {
        const std::string utf8 = AUtf8(nombre);
        return ruta_ / std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    }
    std::string Escribir(const std::string& nombre, const std::string& bytes) const {
        EscribirBytes(Nativo(nombre), bytes);
        return Fichero(nombre);
    }
    std::string Leer(const std::string& nombre) const { return LeerBytes(Nativo(nombre)); }
    std::filesystem::path ruta_;
};

}  // namespace rebanex::pruebas
