#include "app/MenusOpciones.h"

#include <array>

namespace rebanex {

namespace {

using enum Opcion;
constexpr std::optional<Opcion> Nada = std::nullopt;

// The option of each item, by the item's place in the list of menu items.
constexpr std::array<std::optional<Opcion>, kNumMenus> kOpcionDeItem = {
#define REBANEX_ITEM(nombre, marcado, opcion) opcion,
    REBANEX_MENUS(REBANEX_ITEM)
#undef REBANEX_ITEM
};

}  // namespace

std::optional<Menu> MenuDeOpcion(Opcion o) {
    for (Menu m : kMenus) {
        if (kOpcionDeItem[static_cast<std::size_t>(m)] == o) {
            return m;
        }
    }
    return std::nullopt;
}

const DefOpcion* OpcionDeMenu(Menu m) {
    const std::optional<Opcion> opcion = kOpcionDeItem[static_cast<std::size_t>(m)];
    for (const DefOpcion& o : kOpciones) {
        if (o.opcion == opcion) {
            return &o;
        }
    }
    return nullptr;
}

}  // namespace rebanex
