#include "transforms/Firma.h"

#include <gtest/gtest.h>

#include <string>

namespace rebanex::Troceado {
namespace {

std::string ConFirma(std::string texto, uint8_t posicion) {
    InsertarFirma(texto, "Ana", posicion);
    return texto;
}

std::string EnCursor(std::string texto, long long cursor) {
    InsertarFirmaEnCursor(texto, "Ana", cursor);
    return texto;
}

TEST(InsertarFirma, DelanteYDetras) {
    EXPECT_EQ(ConFirma("hola", 1), "Ana hola");
    EXPECT_EQ(ConFirma("hola", 2), "hola Ana");
    EXPECT_EQ(ConFirma("", 1), "Ana ");
    EXPECT_EQ(ConFirma("", 2), " Ana");
    // Nothing squeezes the spaces here.
    EXPECT_EQ(ConFirma("hola ", 2), "hola  Ana");
}

TEST(InsertarFirma, OtrasPosicionesNoCambianNada) {
    for (uint8_t posicion : {0, 3, 4, 255}) {
        EXPECT_EQ(ConFirma("hola", posicion), "hola") << int{posicion};
    }
}

TEST(InsertarFirma, FirmaQueEsElPropioTexto) {
    std::string texto = "hola";
    InsertarFirma(texto, texto, 2);
    EXPECT_EQ(texto, "hola hola");
}

TEST(InsertarFirmaEnCursor, EnLaPosicionDelCursor) {
    EXPECT_EQ(EnCursor("hola", 2), "hoAnala");
    EXPECT_EQ(EnCursor("hola", 0), "Anahola");
    EXPECT_EQ(EnCursor("hola", 1), "hAnaola");  // "ol" selected: it stays, after the signature
    EXPECT_EQ(EnCursor("hola", 4), "holaAna");
    EXPECT_EQ(EnCursor("", 0), "Ana");
}

TEST(InsertarFirmaEnCursor, CursorFueraDelTexto) {
    // The caret counts in the untransformed message and may lie past a shortened text.
    EXPECT_EQ(EnCursor("hola", 9), "holaAna");
    EXPECT_EQ(EnCursor("hola", -3), "Anahola");
}

}  // namespace
}  // namespace rebanex::Troceado
