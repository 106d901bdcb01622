#include "sistema/Rutas.h"

#include <string_view>

namespace rebanex {

std::string ConBarraFinal(std::string ruta) {
    if (ruta.empty() || ruta.back() != '\\') {
        ruta += '\\';
    }
    return ruta;
}

std::string DirectorioDe(const std::string& ruta) {
    const std::size_t barra = ruta.find_last_of('\\');
    return ConBarraFinal(barra == std::string::npos ? std::string() : ruta.substr(0, barra));
}

std::string NombreDe(const std::string& ruta) {
    return ruta.substr(ruta.find_last_of('\\') + 1);
}

std::string DirectorioDeRutaLocal(const std::string& ruta) {
#ifdef _WIN32
    constexpr std::string_view kSeparadores = "\\/";
#else
    constexpr std::string_view kSeparadores = "/";
#endif
    const std::size_t ultimo = ruta.find_last_of(kSeparadores);
    if (ultimo == std::string::npos) {
        return {};
    }
    const std::size_t fin = ruta.find_last_not_of(kSeparadores, ultimo);
    return ruta.substr(0, fin == std::string::npos ? 0 : fin + 1) + kSeparadores.front();
}

}  // namespace rebanex
