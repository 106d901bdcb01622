// The rules engine as it was before the filter, kept to check the real one against it and to
// measure both: each rule searches the whole text in turn, over an upper-case copy of the text
// kept in step with it. Faulty lines are asked about as AvisoLineaRara(numero, "").
#pragma once

#include <string>
#include <string_view>

#include "comun/Aviso.h"

namespace rebanex::pruebas {

void AplicarReglasUnaAUna(std::string& texto, std::string_view contenido, Avisador& avisador);

}  // namespace rebanex::pruebas
