// What is derived from the table of options: the summary of the options line, the choices and
// when every piece is signed.
#include "settings/Resumen.h"

#include <gtest/gtest.h>

#include "settings/TablaOpciones.h"

namespace rebanex {
namespace {

TEST(TablaOpciones, ResumenEleccionesYFirmaEnTrozos) {
    Configuracion todo;
    todo.Inverso = todo.FirmarAutomaticamente = todo.FirmarEnTrozos = todo.AutoReemplazar = true;
    todo.Letras = 3;
    todo.FirmarEnPosicion = 2;
    Configuracion poco;
    poco.NoAcentos = poco.NoMultiEspacios = poco.IndicadorTrozos = false;
    poco.CopiarTrozoAlMensatel = poco.ObtenerTamanyoMsg = false;
    poco.Letras = 2;
    poco.FirmarEnPosicion = 3;
    poco.FirmarEnTrozos = true;
    poco.FirmarEnTrozosHabilitado = false;  // counts only when enabled too
    const std::tuple<Configuracion, std::string, std::string> casos[] = {
        {todo, "I  A  E  P  O  M  f  F  T  R  #  ",
         " /  Orden inverso  /  Eliminar Acentos  /  Eliminar MultiEspacios  /  "
         "Pegar al Mensatel  /  Obtener Tamaño  /  Trozos en mayúsculas  /  "
         "Firmar al Final  /  Auto-Firma  /  Firmar Trozos  /  Auto-Reemplazo  /  # de Trozo  /  "},
        {poco, std::string(15, ' ') + "m  c  " + std::string(12, ' '),
         " /  Trozos en mínusculas  /  Firmar en cursor  /  "}};
    for (const auto& [c, corto, largo] : casos) {
        EXPECT_EQ(ConstruirResumen(c).corto, corto);
        EXPECT_EQ(ConstruirResumen(c).largo, largo);
    }
    // Choices are rounded, halves to even; anything outside 1 to 3 is 1.
    const std::pair<const char*, int> elecciones[] = {{"3", 3},  {"2.5", 2}, {"3.5", 1},
                                                      {"-2", 1}, {"abc", 1}, {" 2x", 2}};
    for (const auto& [texto, valor] : elecciones) {
        EXPECT_EQ(ValorEleccion(texto), valor) << texto;
    }
    // Every piece is signed only with a signature, ticked and enabled, and not at the caret.
    EXPECT_TRUE(TrozosFirmados(todo, "Ana"));
    EXPECT_FALSE(TrozosFirmados(todo, "") || TrozosFirmados(poco, "Ana"));
    EXPECT_FALSE(FirmarEnTrozosEnVigor(poco));
    poco.FirmarEnTrozosHabilitado = true;
    EXPECT_TRUE(FirmarEnTrozosEnVigor(poco) && !TrozosFirmados(poco, "Ana"));
}

}  // namespace
}  // namespace rebanex
