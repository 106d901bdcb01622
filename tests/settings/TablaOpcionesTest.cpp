// The table of options (keys, menu items, summary columns) and what is derived from it.
#include "settings/TablaOpciones.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/Resumen.h"

namespace rebanex {
namespace {

// One column per summary entry, every group item found from its menu, no other item taken
// for an option.
TEST(TablaOpciones, CadaEntradaEnSuSitio) {
    std::set<int> columnas;
    std::set<std::string_view> claves;
    int items = 0;
    for (const DefOpcion& o : kOpciones) {
        SCOPED_TRACE(o.clave);
        EXPECT_TRUE(claves.insert(o.clave).second);
        EXPECT_EQ(o.siNo != nullptr, o.tipo == TipoOpcion::SiNo);
        EXPECT_EQ(o.eleccion != nullptr, o.tipo == TipoOpcion::Eleccion);
        EXPECT_EQ(o.texto != nullptr, o.tipo == TipoOpcion::Texto);
        EXPECT_EQ(o.menu.has_value(), o.columna >= 0 && columnas.insert(o.columna).second);
        for (int k = 1; o.menu && k <= (o.tipo == TipoOpcion::Eleccion ? 3 : 1); ++k, ++items) {
            EXPECT_EQ(OpcionDeMenu(ItemDeGrupo(*o.menu, k)), &o);
        }
    }
    EXPECT_EQ(columnas.size(), static_cast<std::size_t>(kEntradasResumen));
    EXPECT_EQ(*columnas.rbegin(), kEntradasResumen - 1);
    for (Menu m : kMenus) {
        items -= OpcionDeMenu(m) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(items, 0);
    const std::pair<const char*, int> elecciones[] = {{"3", 3},  {"2.5", 2}, {"3.5", 1}, {"0", 1},
                                                      {"-2", 1}, {"abc", 1}, {" 2x", 2}};
    for (const auto& [texto, valor] : elecciones) {
        EXPECT_EQ(ValorEleccion(texto), valor) << texto;
    }
}

TEST(TablaOpciones, ResumenYFirmaEnTrozos) {
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
        {Configuracion{}, "   A  E  P  O  n  d           #  ",
         " /  Eliminar Acentos  /  Eliminar MultiEspacios  /  Pegar al Mensatel  /  "
         "Obtener Tama\xF1o  /  Trozos tal cual ;)  /  Firmar Delante  /  # de Trozo  /  "},
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
    // Every piece is signed only with a signature, ticked and enabled, and not at the caret.
    EXPECT_TRUE(TrozosFirmados(todo, "Ana"));
    EXPECT_FALSE(TrozosFirmados(todo, ""));
    EXPECT_FALSE(TrozosFirmados(poco, "Ana") || FirmarEnTrozosEnVigor(poco));
    poco.FirmarEnTrozosHabilitado = true;
    EXPECT_TRUE(FirmarEnTrozosEnVigor(poco));
    EXPECT_FALSE(TrozosFirmados(poco, "Ana"));
}

}  // namespace
}  // namespace rebanex
