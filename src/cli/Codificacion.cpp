#include "cli/Codificacion.h"

namespace rebanex::cli {

std::string SaltosDeVentana(std::string_view texto) {
    std::string resultado;
    resultado.reserve(texto.size() + texto.size() / 16);
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '\r' || c == '\n') {
            resultado += "\r\n";
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') {
                ++i;
            }
        } else {
            resultado += c;
        }
    }
    return resultado;
}

}  // namespace rebanex::cli
