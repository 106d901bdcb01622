// Where a run starts from: the options, the signature and the rules file, as the window
// would have them after starting with a given settings file (or with none).
#pragma once

#include <optional>
#include <string>

#include "settings/Configuracion.h"

namespace rebanex::cli {

struct EstadoInicial {
    Configuracion opciones;
    std::string firma;           // FirmaMensatel
    std::string rutaReemplazos;  // RutaReemplazos
};

// Without a settings file: the defaults of a first start, no signature, and "Rebanex.txt"
// in the current directory as the rules file.
EstadoInicial EstadoPorDefecto();

// The start-up load from the settings file at `rutaIni`, which is never written: options
// from its "Rebanex" section, the rules file from key "1" of "FicherosReemplazos" (or
// "Rebanex.txt" beside it), the signature from the "mensatel.ini" beside it. nullopt when
// the file cannot be read.
std::optional<EstadoInicial> EstadoDesdeAjustes(const std::string& rutaIni);

}  // namespace rebanex::cli
