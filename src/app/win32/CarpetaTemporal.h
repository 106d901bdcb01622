// The user's temporary folder.
#pragma once

#include <string>

namespace rebanex::win32 {

// GetTempPathA: the folder, ending in a backslash; "" when the system gives none.
std::string CarpetaTemporal();

}  // namespace rebanex::win32
