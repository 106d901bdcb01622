// What reading a file gives: its contents, or why it could not be read. A failed read is
// never taken for an empty file.
#pragma once

#include <optional>
#include <string>

namespace rebanex {

enum class MotivoFallo {
    NoExiste,
    EnUso,       // held open by another program that lets nobody read it
    SinPermiso,  // no access for this user
    EsCarpeta,
    ErrorLectura,  // opened, but reading it failed
};

struct Lectura {
    std::string contenido;             // empty when it failed
    std::optional<MotivoFallo> fallo;  // why it could not be read; nothing when it was
    // Read as text: what Windows-1252 lacks, each once, now a "?" (see Conversion1252).
    std::u32string sinConvertir;

    explicit operator bool() const { return !fallo; }
    bool operator==(const Lectura&) const = default;
};

// The reason as the boxes say it, in a few words.
std::string TextoMotivo(MotivoFallo motivo);

// A read taken as text: UTF-8 converted to Windows-1252 (what it lacks kept in sinConvertir),
// anything else as it is; a failed read unchanged.
Lectura ComoTexto(Lectura leido);

}  // namespace rebanex
