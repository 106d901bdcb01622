#include "sistema/NombresPerfil.h"

#include "comun/Blancos.h"
#include "comun/Mayusculas.h"

namespace rebanex {

bool MismoNombre(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    // The letters pair up as the case change of the message text does.
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Mayuscula(a[i]) != Mayuscula(b[i])) {
            return false;
        }
    }
    return true;
}

std::string CopiaEnBuffer(std::string_view texto, std::size_t tamanyo) {
    return std::string(texto.substr(0, tamanyo == 0 ? 0 : tamanyo - 1));
}

std::string_view ValorLeido(std::string_view valor) {
    valor = SinBlancos(valor);
    if (valor.size() >= 2 && valor.front() == valor.back() &&
        (valor.front() == '"' || valor.front() == '\'')) {
        return valor.substr(1, valor.size() - 2);
    }
    return valor;
}

}  // namespace rebanex
