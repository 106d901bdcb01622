#include "settings/Resumen.h"

#include <gtest/gtest.h>

namespace rebanex {
namespace {

TEST(Resumen, LetrasYTextosDeLasOpciones) {
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
    const struct {
        Configuracion c;
        std::string corto, largo;
    } casos[] = {
        {Configuracion{}, "   A  E  P  O  n  d           #  ",
         " /  Eliminar Acentos  /  Eliminar MultiEspacios  /  Pegar al Mensatel  /  "
         "Obtener Tama\xF1o  /  Trozos tal cual ;)  /  Firmar Delante  /  # de Trozo  /  "},
        {todo, "I  A  E  P  O  M  f  F  T  R  #  ",
         " /  Orden inverso  /  Eliminar Acentos  /  Eliminar MultiEspacios  /  "
         "Pegar al Mensatel  /  Obtener Tamaño  /  Trozos en mayúsculas  /  "
         "Firmar al Final  /  Auto-Firma  /  Firmar Trozos  /  Auto-Reemplazo  /  "
         "# de Trozo  /  "},
        {poco, std::string(15, ' ') + "m  c  " + std::string(12, ' '),
         " /  Trozos en mínusculas  /  Firmar en cursor  /  "},
    };
    for (const auto& caso : casos) {
        const ResumenOpciones r = ConstruirResumen(caso.c);
        EXPECT_EQ(r.corto, caso.corto);
        EXPECT_EQ(r.largo, caso.largo);
    }
}

}  // namespace
}  // namespace rebanex
