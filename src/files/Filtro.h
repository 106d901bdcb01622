// The open-file dialog as the commands use it.
#pragma once

#include <string>
#include <string_view>

#include "sistema/Dialogos.h"

namespace rebanex {

// The text without the spaces at either end.
std::string SinEspaciosAlrededor(std::string_view texto);

// "Desc|*.x|Desc2|*.y" as the dialog wants it: each "|" a NUL, the list ended by two NULs.
std::string FiltroDialogo(std::string_view filtro);

// The chosen file's full path without surrounding spaces, or "" when the user cancelled.
std::string ElegirFichero(Dialogos& dialogos, std::string_view filtro, const std::string& titulo,
                          const std::string& directorioInicial);

}  // namespace rebanex
