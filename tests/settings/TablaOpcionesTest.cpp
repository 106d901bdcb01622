#include "settings/TablaOpciones.h"

#include <gtest/gtest.h>

#include <set>

namespace rebanex {
namespace {

// The table's own consistency: one column per summary entry, every group item found from
// its menu and no other item taken for an option.
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
        EXPECT_EQ(o.menu.has_value(), o.columna >= 0);
        if (o.columna >= 0) {
            EXPECT_TRUE(columnas.insert(o.columna).second);
        }
        const int grupo = o.tipo == TipoOpcion::Eleccion ? 3 : 1;
        for (int k = 1; o.menu && k <= grupo; ++k) {
            EXPECT_EQ(OpcionDeMenu(ItemDeGrupo(*o.menu, k)), &o);
            ++items;
        }
    }
    EXPECT_EQ(columnas.size(), static_cast<std::size_t>(kEntradasResumen));
    EXPECT_EQ(*columnas.rbegin(), kEntradasResumen - 1);
    int conOpcion = 0;
    for (Menu m : kMenus) {
        conOpcion += OpcionDeMenu(m) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(conOpcion, items);
}

TEST(TablaOpciones, EleccionRedondeadaYDeUnoATres) {
    const std::pair<const char*, int> casos[] = {{"1", 1},   {"3", 3},   {"2.5", 2},
                                                 {"3.5", 1}, {"0", 1},   {"4", 1},
                                                 {"-2", 1},  {"abc", 1}, {" 2x", 2}};
    for (const auto& [texto, valor] : casos) {
        EXPECT_EQ(ValorEleccion(texto), valor) << texto;
    }
}

}  // namespace
}  // namespace rebanex
