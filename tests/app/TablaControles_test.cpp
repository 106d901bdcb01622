#include "app/TablaControles.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace rebanex {
namespace {

using enum Control;

TEST(TablaControles, SigueElOrdenDeTabulacion) {
    const std::vector<Control> orden{Msg, Partir,   etLongMax, Lon,      topeIzq,  izq,
                                     der, topeDer,  Copiar,    Mensatel, Editar,   frmMsg,
                                     et1, Stat,     Nuevo,     frmTrozo, Opciones, Trozo,
                                     et3, Contador, LonTrozo,  Estado,   btnFirma};
    std::vector<Control> tabla;
    for (const DefControl& d : kTablaControles) {
        tabla.push_back(d.control);
    }
    EXPECT_EQ(tabla, orden);
}

TEST(TablaControles, CadaControlEstaUnaVezYEnSuVista) {
    std::set<Control> vistos;
    for (const DefControl& d : kTablaControles) {
        EXPECT_TRUE(vistos.insert(d.control).second);
        EXPECT_EQ(Definicion(d.marco).clase, Clase::Marco);
    }
    EXPECT_EQ(Definicion(Msg).marco, frmMsg);
    EXPECT_EQ(Definicion(Opciones).marco, frmMsg);
    EXPECT_EQ(Definicion(Trozo).marco, frmTrozo);
    EXPECT_EQ(Definicion(Editar).marco, frmTrozo);
}

TEST(TablaControles, TextosConSusBlancos) {
    EXPECT_EQ(Definicion(Partir).texto, "&Trocear     \xBB \xBB \xBB \xBB \xBB");
    EXPECT_EQ(Definicion(Editar).texto, "\xAB \xAB \xAB     &Editar Msg");
    EXPECT_EQ(Definicion(etLongMax).texto, "&Long M\xE1x");
    EXPECT_EQ(Definicion(Stat).texto, "0 / 0");
    EXPECT_EQ(Definicion(Lon).texto, "160");
    EXPECT_EQ(Definicion(etLongMax).ayuda,
              " Doble click toma el tama\xF1o m\xE1ximo que permite el servidor actual del "
              "\\\\ensatel ");
    EXPECT_EQ(Definicion(Mensatel).ayuda,
              "  Ejecuta un nuevo Mensatel (ven p'aca que te vi a apa\xF1"
              "ar xD)  ");
    EXPECT_EQ(Definicion(topeDer).ayuda, "  Ultimo Trozo  >|  ");
    EXPECT_EQ(Definicion(Opciones).ayuda, "");
}

TEST(TablaControles, BotonesDeTrozosDeshabilitadosAlEmpezar) {
    for (Control c : {Copiar, topeIzq, izq, der, topeDer}) {
        EXPECT_FALSE(Definicion(c).habilitado);
    }
    EXPECT_TRUE(Definicion(Mensatel).habilitado);
    EXPECT_TRUE(Definicion(Editar).habilitado);
}

TEST(Disposicion, A96PuntosQuinceTwipsSonUnPixel) {
    EXPECT_EQ(AreaCliente(96), (RectPixeles{0, 0, 319, 187}));
    EXPECT_EQ(Colocar(Msg, 96), (RectPixeles{8, 16, 303, 129}));
    EXPECT_EQ(Colocar(Partir, 96), (RectPixeles{120, 144, 193, 25}));
    EXPECT_EQ(Colocar(Contador, 96), (RectPixeles{232, 24, 81, 25}));
}

TEST(Disposicion, LosBordesSeRedondeanPorSeparado) {
    // -25 twips is -1.67 px and 950 is 63.33 px: the label spans -2 to 63.
    EXPECT_EQ(Colocar(etLongMax, 96), (RectPixeles{-2, 149, 65, 17}));
    // 4265 twips is 284.33 px, 4640 is 309.33 px.
    EXPECT_EQ(Colocar(Nuevo, 96), (RectPixeles{284, 0, 25, 18}));
}

TEST(Disposicion, EscalaConLosPuntosPorPulgada) {
    EXPECT_EQ(AreaCliente(144), (RectPixeles{0, 0, 479, 281}));
    EXPECT_EQ(Colocar(Msg, 144), (RectPixeles{12, 24, 455, 194}));
    EXPECT_EQ(AreaCliente(192), (RectPixeles{0, 0, 638, 374}));
    EXPECT_EQ(TwipsAPixeles(-25, 192), -3);
    EXPECT_DOUBLE_EQ(PixelesATwips(100, 96), 1500);
    EXPECT_DOUBLE_EQ(PixelesATwips(100, 144), 1000);
}

TEST(Disposicion, AltoDeLasFuentes) {
    EXPECT_EQ(AltoFuente(8.25, 96), -11);
    EXPECT_EQ(AltoFuente(9, 96), -12);
    EXPECT_EQ(AltoFuente(9.75, 96), -13);
    EXPECT_EQ(AltoFuente(15.75, 96), -21);
    EXPECT_EQ(AltoFuente(8.25, 144), -17);
    EXPECT_EQ(AltoFuente(9, 120), -15);
}

}  // namespace
}  // namespace rebanex
