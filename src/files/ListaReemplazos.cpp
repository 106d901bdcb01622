#include "files/ListaReemplazos.h"

#include "transforms/Caracteres.h"

namespace rebanex {

namespace {

std::string EnMayusculas(std::string texto) {
    CambiarLetras(texto, true);
    return texto;
}

}  // namespace

int PosicionEnLista(const ListaReemplazos& lista, const std::string& ruta) {
    const std::string buscada = EnMayusculas(ruta);
    for (int i = 1; i <= 4; ++i) {
        if (EnMayusculas(lista[i - 1]) == buscada) {
            return i;
        }
    }
    return 0;
}

ListaReemplazos SubirALaCabeza(ListaReemplazos lista, int hasta, const std::string& ruta) {
    for (int i = hasta - 1; i >= 1; --i) {
        lista[i] = lista[i - 1];
    }
    lista[0] = ruta;
    return lista;
}

}  // namespace rebanex
