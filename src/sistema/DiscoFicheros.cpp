#include "sistema/DiscoFicheros.h"

#include "sistema/Ficheros.h"

namespace rebanex {

bool DiscoFicheros::EsFichero(const std::string& ruta) {
    return ficheros::ExisteFichero(ruta);
}

std::optional<std::uint64_t> DiscoFicheros::Tamanyo(const std::string& ruta) {
    return ficheros::TamanyoFichero(ruta);
}

Lectura DiscoFicheros::Leer(const std::string& ruta) {
    return ficheros::LeerFichero(ruta);
}

bool DiscoFicheros::Escribir(const std::string& ruta, const std::string& bytes) {
    return ficheros::EscribirFichero(ruta, bytes);
}

bool DiscoFicheros::Borrar(const std::string& ruta) {
    return ficheros::Borrar(ruta);
}

bool DiscoFicheros::Reemplazar(const std::string& origen, const std::string& destino) {
    return !ficheros::SoloLectura(destino) && ficheros::Renombrar(origen, destino);
}

}  // namespace rebanex
