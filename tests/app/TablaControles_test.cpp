#include "app/TablaControles.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace rebanex {
namespace {

using enum Control;

TEST(TablaControles, OrdenDeTabulacionVistasYBotonesDeshabilitados) {
    const std::vector<Control> orden{Msg, Partir,   etLongMax, Lon,      topeIzq,  izq,
                                     der, topeDer,  Copiar,    Mensatel, Editar,   frmMsg,
                                     et1, Stat,     Nuevo,     frmTrozo, Opciones, Trozo,
                                     et3, Contador, LonTrozo,  Estado,   btnFirma};
    std::vector<Control> tabla;
    for (const DefControl& d : kTablaControles) {
        tabla.push_back(d.control);
        EXPECT_EQ(Definicion(d.marco).clase, Clase::Marco);
        // These piece-view buttons wait for a split.
        const bool deshabilitado = d.control == Copiar || d.control == topeIzq ||
                                   d.control == izq || d.control == der || d.control == topeDer;
        EXPECT_EQ(d.habilitado, !deshabilitado) << static_cast<int>(d.control);
    }
    EXPECT_EQ(tabla, orden);
    EXPECT_EQ(Definicion(Opciones).marco, frmMsg);
    EXPECT_EQ(Definicion(Editar).marco, frmTrozo);
}

// The sources are UTF-8 and the program's texts Windows-1252 bytes.
TEST(TablaControles, TextosConSusBlancosEnWindows1252) {
    EXPECT_EQ(Definicion(Partir).texto, "&Trocear     \xBB \xBB \xBB \xBB \xBB");
    EXPECT_EQ(Definicion(Editar).texto, "\xAB \xAB \xAB     &Editar Msg");
    EXPECT_EQ(Definicion(etLongMax).texto, "&Long M\xE1x");
    EXPECT_EQ(Definicion(etLongMax).ayuda,
              " Doble click toma el tama\xF1o m\xE1ximo que permite el servidor actual del "
              "\\\\ensatel ");
    EXPECT_EQ(Definicion(Mensatel).ayuda,
              "  Ejecuta un nuevo Mensatel (ven p'aca que te vi a apa\xF1"
              "ar xD)  ");
    EXPECT_EQ(Definicion(Opciones).ayuda, "");  // set at run time
}

TEST(Disposicion, A96PuntosQuinceTwipsSonUnPixel) {
    EXPECT_EQ(AreaCliente(96), (RectPixeles{0, 0, 319, 204}));
    EXPECT_EQ(Colocar(Msg, 96), (RectPixeles{8, 16, 303, 129}));
    EXPECT_EQ(Colocar(Contador, 96), (RectPixeles{232, 24, 81, 25}));
    // Each edge on its own: -25 twips is -1.67 px and 950 is 63.33 px; 4265 is 284.33 px.
    EXPECT_EQ(Colocar(etLongMax, 96), (RectPixeles{-2, 149, 65, 17}));
    EXPECT_EQ(Colocar(Nuevo, 96), (RectPixeles{284, 0, 25, 18}));
    EXPECT_DOUBLE_EQ(PixelesATwips(100, 96), 1500);
}

TEST(Disposicion, EscalaConLosPuntosPorPulgada) {
    EXPECT_EQ(AreaCliente(144), (RectPixeles{0, 0, 479, 306}));
    EXPECT_EQ(Colocar(Msg, 144), (RectPixeles{12, 24, 455, 194}));
    EXPECT_EQ(TwipsAPixeles(-25, 192), -3);
    EXPECT_DOUBLE_EQ(PixelesATwips(100, 144), 1000);
    for (const auto& [puntos, dpi, alto] :
         {std::tuple{8.25, 96, -11}, std::tuple{9.0, 96, -12}, std::tuple{9.75, 96, -13},
          std::tuple{15.75, 96, -21}, std::tuple{8.25, 144, -17}, std::tuple{9.0, 120, -15}}) {
        EXPECT_EQ(AltoFuente(puntos, dpi), alto) << puntos << " pt at " << dpi;
    }
}

}  // namespace
}  // namespace rebanex
