// The console tool as a function: main() only hands it the process's streams, so tests
// run it in memory.
#pragma once

#include <string>
#include <vector>

#include "cli/Flujos.h"

namespace rebanex::cli {

inline constexpr int kSalidaBien = 0;
inline constexpr int kSalidaUso = 1;           // bad command line, unreadable file
inline constexpr int kSalidaComprobacion = 2;  // a check of the split command failed
inline constexpr int kSalidaEscritura = 3;     // the output could not be written whole
inline constexpr int kSalidaExcepcion = 4;     // out of memory or another unexpected error

// `argumentos` without the program's name. `entrada` is read only when no file is named.
// Every exception ends here, as a message on `error` and kSalidaExcepcion.
int EjecutarTrocear(const std::vector<std::string>& argumentos, Origen& entrada, Destino& salida,
                    Destino& error);

}  // namespace rebanex::cli
