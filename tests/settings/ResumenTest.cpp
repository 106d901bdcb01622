#include "settings/Resumen.h"

#include <gtest/gtest.h>

namespace rebanex {
namespace {

TEST(Resumen, OpcionesPorDefecto) {
    const ResumenOpciones r = ConstruirResumen(Configuracion{});
    EXPECT_EQ(r.corto, "   A  E  P  O  n  d           #  ");
    EXPECT_EQ(r.largo,
              " /  Eliminar Acentos  /  Eliminar MultiEspacios  /  Pegar al Mensatel  /  "
              "Obtener Tama\xF1o  /  Trozos tal cual ;)  /  Firmar Delante  /  # de Trozo  /  ");
}

TEST(Resumen, TodoEncendido) {
    Configuracion c;
    c.Inverso = c.FirmarAutomaticamente = c.FirmarEnTrozos = c.AutoReemplazar = true;
    c.Letras = 3;
    c.FirmarEnPosicion = 2;
    const ResumenOpciones r = ConstruirResumen(c);
    EXPECT_EQ(r.corto, "I  A  E  P  O  M  f  F  T  R  #  ");
    EXPECT_EQ(r.largo,
              " /  Orden inverso  /  Eliminar Acentos  /  Eliminar MultiEspacios  /  "
              "Pegar al Mensatel  /  Obtener Tamaño  /  Trozos en mayúsculas  /  "
              "Firmar al Final  /  Auto-Firma  /  Firmar Trozos  /  Auto-Reemplazo  /  "
              "# de Trozo  /  ");
}

TEST(Resumen, CadaLetraEnSuColumna) {
    Configuracion c;
    c.NoAcentos = c.NoMultiEspacios = c.IndicadorTrozos = false;
    c.CopiarTrozoAlMensatel = c.ObtenerTamanyoMsg = false;
    c.Letras = 2;
    c.FirmarEnPosicion = 3;
    c.FirmarEnTrozos = true;
    c.FirmarEnTrozosHabilitado = false;  // counts only when enabled too
    const ResumenOpciones r = ConstruirResumen(c);
    EXPECT_EQ(r.corto, std::string(15, ' ') + "m  c  " + std::string(12, ' '));
    EXPECT_EQ(r.largo, " /  Trozos en mínusculas  /  Firmar en cursor  /  ");
    c.FirmarEnTrozosHabilitado = true;
    EXPECT_EQ(ConstruirResumen(c).corto.find('T'), 24u);  // ninth entry
}

}  // namespace
}  // namespace rebanex
