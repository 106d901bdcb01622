// Which menu item holds each option, as the list of menu items says (app/ListaMenus.h): an
// option's live value is the tick of its item, or which item of its group is ticked.
#pragma once

#include <optional>

#include "app/Elementos.h"
#include "settings/TablaOpciones.h"

namespace rebanex {

// The option's item, item 1 of a choice group; nothing for MsgMax, which is the text of LongMax.
std::optional<Menu> MenuDeOpcion(Opcion o);

// The option whose item, or one of whose group's items, is `m`; nullptr for any other item.
const DefOpcion* OpcionDeMenu(Menu m);

}  // namespace rebanex
