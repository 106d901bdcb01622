// Writes to a settings file made all at once or not at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/Ini.h"
#include "sistema/Disco.h"

namespace rebanex {

// Beside the settings file, the copy the writes go to.
inline constexpr std::string_view kSufijoCopiaIni = ".nuevo";

// The writes, in order, go to a copy of the file beside it, through the same private-profile
// functions; the copy replaces the file in one step only when every written key reads back
// as written and every other key of the old file reads back as it was. A full disk, where
// the platform can report success for a file cut short, or a read-only or locked file,
// leaves the file as it was.
class LoteIni {
  public:
    void Escribir(std::string_view seccion, std::string_view clave, std::string_view valor);

    // On the file of `ini`. False when anything failed: then the copy is removed and the file
    // untouched. With no writes nothing is done.
    bool Aplicar(Ini& ini, Disco& disco) const;

  private:
    struct Escritura {
        std::string seccion, clave, valor;
    };
    bool EscribirEn(Ini& copia) const;
    bool Comprobar(Ini& antes, Ini& despues, std::string_view textoAntes) const;
    // The last write of the key, if the batch writes it.
    const Escritura* Ultima(std::string_view seccion, std::string_view clave) const;

    std::vector<Escritura> escrituras_;
};

}  // namespace rebanex
