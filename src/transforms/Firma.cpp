#include "transforms/Firma.h"

#include <cstddef>

namespace rebanex {

namespace {

// Built afresh, so that a signature viewing the text itself stays valid throughout.
std::string Unir(std::string_view a, std::string_view b, std::string_view c) {
    std::string unido;
    unido.reserve(a.size() + b.size() + c.size());
    unido.append(a).append(b).append(c);
    return unido;
}

}  // namespace

void InsertarFirma(std::string& texto, std::string_view firma, PosicionFirma posicion) {
    if (posicion == PosicionFirma::Delante) {
        texto = Unir(firma, " ", texto);
    } else if (posicion == PosicionFirma::AlFinal) {
        texto = Unir(texto, " ", firma);
    }
}

void InsertarFirmaEnCursor(std::string& texto, std::string_view firma, long long cursor) {
    std::size_t k = 0;
    if (cursor > 0) {
        k = static_cast<unsigned long long>(cursor) < texto.size()
                ? static_cast<std::size_t>(cursor)
                : texto.size();
    }
    const std::string_view todo(texto);
    texto = Unir(todo.substr(0, k), firma, todo.substr(k));
}

void InsertarFirmaEnPosicion(std::string& texto, std::string_view firma, PosicionFirma posicion,
                             long long cursor) {
    if (posicion != PosicionFirma::EnCursor) {
        InsertarFirma(texto, firma, posicion);
    } else {
        InsertarFirmaEnCursor(texto, firma, cursor);
    }
}

}  // namespace rebanex
