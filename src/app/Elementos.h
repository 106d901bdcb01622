// The window's named controls and menu items.
#pragma once

#include <array>
#include <cstddef>

#include "app/ListaMenus.h"

namespace rebanex {

// clang-format off
#define REBANEX_CONTROLES(X)                                                         \
    /* message view */                                                               \
    X(MarcoMensaje) X(EtiquetaMensaje) X(Msg) X(BotonFirma) X(Nuevo) X(ContadorMensaje) X(EtiquetaLongMax) X(LongMax) X(Partir) \
    X(Estado) X(Opciones)                                                            \
    /* piece view */                                                                 \
    X(MarcoTrozo) X(EtiquetaTrozo) X(Trozo) X(LargoTrozo) X(Contador) X(Mensatel) X(Copiar)        \
    X(PrimerTrozo) X(TrozoAnterior) X(TrozoSiguiente) X(UltimoTrozo) X(Editar)                                  \
    /* piece view, with every piece one real SMS */                                \
    X(SmsTrozo) X(EstadoTrozos)
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

enum class Menu {
#define REBANEX_ITEM(nombre, marcado, opcion) nombre,
    REBANEX_MENUS(REBANEX_ITEM)
#undef REBANEX_ITEM
};

inline constexpr std::array kMenus = {
#define REBANEX_ITEM(nombre, marcado, opcion) Menu::nombre,
    REBANEX_MENUS(REBANEX_ITEM)
#undef REBANEX_ITEM
};
inline constexpr int kNumMenus = static_cast<int>(kMenus.size());

// The ticks the menu has when the window opens, before the settings are loaded.
constexpr bool MarcadoAlAbrir(Menu m) {
    constexpr std::array<bool, kNumMenus> kMarcados = {
#define REBANEX_ITEM(nombre, marcado, opcion) marcado != 0,
        REBANEX_MENUS(REBANEX_ITEM)
#undef REBANEX_ITEM
    };
    return kMarcados[static_cast<std::size_t>(m)];
}

// Item `indice` (counted from 1) of an indexed group, given the group's first item:
// ItemDeGrupo(Menu::Letras1, 3) is Letras3.
constexpr Menu ItemDeGrupo(Menu primero, int indice) {
    return static_cast<Menu>(static_cast<int>(primero) + indice - 1);
}

// The reverse: IndiceEnGrupo(Menu::Letras1, Letras3) is 3.
constexpr int IndiceEnGrupo(Menu primero, Menu m) {
    return static_cast<int>(m) - static_cast<int>(primero) + 1;
}

}  // namespace rebanex
