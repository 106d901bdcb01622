// What separates words, and one word rule on its own.
#include <cstddef>
#include <string_view>

#include "transforms/Reemplazos.h"
#include "transforms/Regla.h"
#include "transforms/Tablas.h"

namespace rebanex::Troceado {

bool EsSeparador(std::string_view texto, long long posicion) {
    if (posicion < 1 || static_cast<unsigned long long>(posicion) > texto.size()) {
        return true;
    }
    return EsCaracterSeparador(texto[static_cast<std::size_t>(posicion - 1)]);
}

void ReemplazarPalabra(int32_t tipo, std::string& texto, std::string_view buscar,
                       std::string_view reemplazo) {
    using Clase = Regla::Clase;
    if (tipo == Prefijo || tipo == Sufijo || tipo == PalabraCompleta) {
        // The rule keeps copies: it may view the text it changes.
        const Regla regla(tipo == Prefijo  ? Clase::Prefijo
                          : tipo == Sufijo ? Clase::Sufijo
                                           : Clase::Palabra,
                          buscar, reemplazo);
        AplicarRegla(regla, texto);
    }
}

}  // namespace rebanex::Troceado
