// The window's named controls and menu items.
#pragma once

#include <array>
#include <string_view>

#include "comun/Menus.h"

namespace rebanex {

// clang-format off
#define REBANEX_CONTROLES(X)                                                         \
    /* message view */                                                               \
    X(frmMsg) X(et1) X(Msg) X(btnFirma) X(Nuevo) X(Stat) X(etLongMax) X(Lon) X(Partir) \
    X(Estado) X(Opciones)                                                            \
    /* piece view */                                                                 \
    X(frmTrozo) X(et3) X(Trozo) X(LonTrozo) X(Contador) X(Mensatel) X(Copiar)        \
    X(topeIzq) X(izq) X(der) X(topeDer) X(Editar)
// clang-format on

enum class Control {
#define REBANEX_CONTROL(nombre) nombre,
    REBANEX_CONTROLES(REBANEX_CONTROL)
#undef REBANEX_CONTROL
};

inline constexpr int kNumControles = 0
#define REBANEX_CONTROL(nombre) +1
    REBANEX_CONTROLES(REBANEX_CONTROL)
#undef REBANEX_CONTROL
    ;

}  // namespace rebanex
