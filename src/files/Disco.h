// What the file commands need from the file system. Paths are Windows-1252 text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rebanex {

class Disco {
  public:
    virtual ~Disco() = default;
    // An ordinary file (not a folder) is there.
    virtual bool EsFichero(const std::string& ruta) = 0;
    // Size on disk in bytes; nothing when the file cannot be reached.
    virtual std::optional<std::uint64_t> Tamanyo(const std::string& ruta) = 0;
    // The whole file as Windows-1252 text (UTF-8 files converted); nothing when unreadable.
    virtual std::optional<std::string> LeerTexto(const std::string& ruta) = 0;
    // Creates or overwrites the file with exactly these bytes.
    virtual bool Escribir(const std::string& ruta, const std::string& bytes) = 0;
    virtual bool Borrar(const std::string& ruta) = 0;
    // The user's temporary folder (GetTempPathA), ending in a backslash.
    virtual std::string CarpetaTemporal() = 0;
};

// No file system at all: every file is missing, nothing can be written.
class DiscoAusente : public Disco {
  public:
    bool EsFichero(const std::string&) override { return false; }
    std::optional<std::uint64_t> Tamanyo(const std::string&) override { return std::nullopt; }
    std::optional<std::string> LeerTexto(const std::string&) override { return std::nullopt; }
    bool Escribir(const std::string&, const std::string&) override { return false; }
    bool Borrar(const std::string&) override { return false; }
    std::string CarpetaTemporal() override { return {}; }
};

}  // namespace rebanex
