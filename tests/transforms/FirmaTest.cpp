#include "transforms/Firma.h"

#include <gtest/gtest.h>

#include <string>

namespace rebanex::Troceado {
namespace {

std::string ConFirma(std::string texto, int posicion, long long cursor = 0) {
    InsertarFirmaEnPosicion(texto, "Ana", posicion, cursor);
    return texto;
}

TEST(InsertarFirma, DelanteDetrasYEnElCursor) {
    EXPECT_EQ(ConFirma("hola", 1), "Ana hola");
    EXPECT_EQ(ConFirma("hola", 2), "hola Ana");
    EXPECT_EQ(ConFirma("", 1), "Ana ");
    EXPECT_EQ(ConFirma("", 2), " Ana");
    EXPECT_EQ(ConFirma("hola ", 2), "hola  Ana");  // nothing squeezes the spaces here
    EXPECT_EQ(ConFirma("hola", 3, 2), "hoAnala");
    EXPECT_EQ(ConFirma("hola", 3, 0), "Anahola");
    EXPECT_EQ(ConFirma("hola", 3, 1), "hAnaola");  // "ol" selected: it stays, after the signature
    // The caret counts in the untransformed message and may lie past a shortened text.
    EXPECT_EQ(ConFirma("hola", 3, 9), "holaAna");
    EXPECT_EQ(ConFirma("hola", 3, -3), "Anahola");
}

TEST(InsertarFirma, OtrasPosicionesNoCambianNada) {
    for (uint8_t posicion : {0, 3, 255}) {
        std::string texto = "hola";
        InsertarFirma(texto, "Ana", posicion);
        EXPECT_EQ(texto, "hola") << int{posicion};
    }
    std::string texto = "hola";
    InsertarFirma(texto, texto, 2);  // a signature that views the text itself
    EXPECT_EQ(texto, "hola hola");
}

}  // namespace
}  // namespace rebanex::Troceado
