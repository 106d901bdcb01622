#include "transforms/ReemplazosPorDefecto.h"

#include <gtest/gtest.h>

#include "comun/Referencia.h"

namespace rebanex::Troceado {
namespace {

// The file the program writes when the user has none, byte for byte (CR LF, Windows-1252).
TEST(ReemplazosPorDefecto, ElFicheroComoEnLaReferencia) {
    pruebas::CompararConReferencia("Rebanex.txt", TextoReemplazosPorDefecto());
}

}  // namespace
}  // namespace rebanex::Troceado
