// The form's layout in twips, placed on screens of any DPI.
#include <gtest/gtest.h>

#include "app/TablaControles.h"

namespace rebanex {
namespace {

using enum Control;

// Each edge is rounded on its own (-25 twips is -1.67 px at 96 DPI, 950 is 63.33 px).
TEST(Disposicion, CadaBordeSeRedondeaALosPuntosPorPulgada) {
    EXPECT_EQ(AreaCliente(96), (RectPixeles{0, 0, 319, 204}));
    EXPECT_EQ(Colocar(etLongMax, 96), (RectPixeles{-2, 149, 65, 17}));
    EXPECT_EQ(Colocar(Msg, 144), (RectPixeles{12, 24, 455, 194}));
    EXPECT_EQ(TwipsAPixeles(-25, 192), -3);
    EXPECT_DOUBLE_EQ(PixelesATwips(100, 144), 1000);
    EXPECT_EQ(AltoFuente(8.25, 96), -11);
}

}  // namespace
}  // namespace rebanex
