// The console's line breaks against the CR LF the message box holds. The conversion of the
// characters themselves is comun/Windows1252.h.
#pragma once

#include <string>
#include <string_view>

namespace rebanex::cli {

// Every line break (LF, CR LF or a lone CR) becomes CR LF.
std::string SaltosDeVentana(std::string_view texto);

}  // namespace rebanex::cli
