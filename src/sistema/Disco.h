// What the file commands need from the file system. Paths are Windows-1252 text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "comun/Aviso.h"
#include "sistema/Lectura.h"

namespace rebanex {

class Disco {
  public:
    virtual ~Disco() = default;
    // An ordinary file (not a folder) is there.
    virtual bool EsFichero(const std::string& ruta) = 0;
    // Size on disk in bytes; nothing when the file cannot be reached.
    virtual std::optional<std::uint64_t> Tamanyo(const std::string& ruta) = 0;
    // Every byte of the file, or why it could not be read.
    virtual Lectura Leer(const std::string& ruta) = 0;
    // Creates or overwrites the file with exactly these bytes.
    virtual bool Escribir(const std::string& ruta, const std::string& bytes) = 0;
    virtual bool Borrar(const std::string& ruta) = 0;
    // Moves `origen` onto `destino` in one step, replacing it; false leaves `destino` as it
    // was.
    virtual bool Reemplazar(const std::string& origen, const std::string& destino) = 0;
    // The user's temporary folder (GetTempPathA), ending in a backslash.
    virtual std::string CarpetaTemporal() = 0;

    // The whole file as Windows-1252 text (UTF-8 files converted), or why it is unreadable.
    Lectura LeerTexto(const std::string& ruta) { return ComoTexto(Leer(ruta)); }
};

// False, after a box naming the file and why (then `despues`, what the program does about
// it), when a file is there but cannot be read; a missing file is no fault here.
bool FicheroLegible(Disco& disco, const std::string& ruta, Avisador& avisador,
                    std::string_view despues);

// That box.
Aviso AvisoFicheroIlegible(const std::string& ruta, MotivoFallo motivo,
                           std::string_view despues = {});

}  // namespace rebanex
