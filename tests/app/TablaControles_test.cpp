// The form is designed in twips; each edge is rounded to pixels on its own at the screen's DPI.
#include <gtest/gtest.h>

#include <tuple>

#include "app/TablaControles.h"

namespace rebanex {
namespace {

using enum Control;

TEST(Disposicion, EscalaConLosPuntosPorPulgada) {
    EXPECT_EQ(AreaCliente(96), (RectPixeles{0, 0, 319, 204}));
    EXPECT_EQ(AreaCliente(144), (RectPixeles{0, 0, 479, 306}));
    EXPECT_EQ(Colocar(Msg, 96), (RectPixeles{8, 16, 303, 129}));
    EXPECT_EQ(Colocar(Msg, 144), (RectPixeles{12, 24, 455, 194}));
    // -25 twips is -1.67 px and 950 is 63.33 px; 4265 is 284.33 px.
    EXPECT_EQ(Colocar(etLongMax, 96), (RectPixeles{-2, 149, 65, 17}));
    EXPECT_EQ(Colocar(Nuevo, 96), (RectPixeles{284, 0, 25, 18}));
    EXPECT_EQ(TwipsAPixeles(-25, 192), -3);
    EXPECT_DOUBLE_EQ(PixelesATwips(100, 96), 1500);
    EXPECT_DOUBLE_EQ(PixelesATwips(100, 144), 1000);
    for (const auto& [puntos, dpi, alto] :
         {std::tuple{8.25, 96, -11}, std::tuple{9.0, 96, -12}, std::tuple{9.75, 96, -13},
          std::tuple{15.75, 96, -21}, std::tuple{8.25, 144, -17}, std::tuple{9.0, 120, -15}}) {
        EXPECT_EQ(AltoFuente(puntos, dpi), alto) << puntos << " pt at " << dpi;
    }
}

}  // namespace
}  // namespace rebanex
