// The form is designed in twips; each edge is rounded to pixels on its own at the screen's DPI.
#include <gtest/gtest.h>

#include "app/TablaControles.h"

namespace rebanex {
namespace {

TEST(Disposicion, EscalaConLosPuntosPorPulgada) {
    EXPECT_EQ(AreaCliente(144), (RectPixeles{0, 0, 479, 306}));
    // -25 twips is -1.67 px and 950 is 63.33 px.
    EXPECT_EQ(Colocar(Control::etLongMax, 96), (RectPixeles{-2, 149, 65, 17}));
    EXPECT_EQ(AltoFuente(8.25, 144), -17);
}

}  // namespace
}  // namespace rebanex
