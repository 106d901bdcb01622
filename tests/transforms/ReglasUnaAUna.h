// The rules engine before the filter, each rule over the whole text, to check the real one.
#pragma once

#include <string>
#include <string_view>

#include "comun/Aviso.h"

namespace rebanex::pruebas {

void AplicarReglasUnaAUna(std::string& texto, std::string_view contenido, Avisador& avisador);

}  // namespace rebanex::pruebas
