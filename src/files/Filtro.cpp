#include "files/Filtro.h"

#include <algorithm>

namespace rebanex {

std::string SinEspaciosAlrededor(std::string_view texto) {
    const std::size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        return {};
    }
    return std::string(texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1));
}

std::string FiltroDialogo(std::string_view filtro) {
    std::string lista(filtro);
    if (lista.empty() || lista.back() != '|') {
        lista += '|';
    }
    std::replace(lista.begin(), lista.end(), '|', '\0');
    lista += '\0';
    return lista;
}

std::string ElegirFichero(Dialogos& dialogos, std::string_view filtro, const std::string& titulo,
                          const std::string& directorioInicial) {
    return SinEspaciosAlrededor(
        dialogos.AbrirFichero(FiltroDialogo(filtro), titulo, directorioInicial));
}

}  // namespace rebanex
