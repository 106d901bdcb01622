// Handing the update over to the updater, Actualix.exe, kept beside Rebanex.exe.
#pragma once

#include <string>
#include <string_view>

#include "comun/Aviso.h"
#include "settings/Ini.h"
#include "sistema/Disco.h"

namespace rebanex {

// The updater's file name, beside Rebanex.exe.
inline constexpr std::string_view kActualizador = "Actualix.exe";

// The download goes to this name beside the updater, and becomes the updater only when it is one.
inline constexpr std::string_view kSufijoDescarga = ".descarga";

// A Windows program, as far as a download can tell: "MZ" first and a size an updater has (a
// few hundred bytes at least, a few MB at most). An error page, a proxy's page or an empty
// file left by a failed download is none.
bool EsProgramaWindows(Disco& disco, const std::string& ruta);

// The update web directory, ending in "/": the built-in one unless Rebanex.ini names another.
std::string WebActualizaciones(Ini& ini);

// The updater's path, a space, then the fields separated by double quotes: version date,
// our own executable (file name in lower case), and the addresses of Rebanex.dat and
// Rebanex.exe in the update directory.
std::string LineaActualizador(const std::string& rutaEjecutable, const std::string& web);

Aviso PreguntaBajarActualizador();
Aviso AvisoDescargaFallida();
Aviso AvisoActualizadorNoArranca(const std::string& ruta);

}  // namespace rebanex
