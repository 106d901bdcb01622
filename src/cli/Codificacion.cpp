#include "cli/Codificacion.h"

#include "comun/Bloque16.h"

namespace rebanex::cli {

namespace {

// The first CR or LF at or after `desde`, or the end.
std::size_t SiguienteSalto(std::string_view texto, std::size_t desde) {
    const std::size_t n = texto.size();
    for (; desde + Bloque16::kLargo <= n; desde += Bloque16::kLargo) {
        const Bloque16 b = Bloque16::Leer(texto.data() + desde);
        if (const Mascara16 m = b.Iguales('\r') | b.Iguales('\n'); m != 0) {
            return desde + Primero(m);
        }
    }
    while (desde < n && texto[desde] != '\r' && texto[desde] != '\n') {
        ++desde;
    }
    return desde;
}

}  // namespace

// The lines go across whole.
std::string SaltosDeVentana(std::string_view texto) {
    std::string resultado;
    resultado.reserve(texto.size() + texto.size() / 16);
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t salto = SiguienteSalto(texto, i);
        resultado.append(texto.substr(i, salto - i));
        if (salto == texto.size()) {
            break;
        }
        resultado += "\r\n";
        i = salto +
            (texto[salto] == '\r' && salto + 1 < texto.size() && texto[salto + 1] == '\n' ? 2 : 1);
    }
    return resultado;
}

}  // namespace rebanex::cli
