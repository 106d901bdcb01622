#include "files/DiscoFicheros.h"

#include "files/Ficheros.h"

namespace rebanex {

bool DiscoFicheros::EsFichero(const std::string& ruta) {
    return ficheros::ExisteFichero(ruta);
}

std::optional<std::uint64_t> DiscoFicheros::Tamanyo(const std::string& ruta) {
    return ficheros::TamanoFichero(ruta);
}

std::optional<std::string> DiscoFicheros::LeerTexto(const std::string& ruta) {
    return ficheros::LeerTexto(ruta);
}

bool DiscoFicheros::Escribir(const std::string& ruta, const std::string& bytes) {
    return ficheros::EscribirFichero(ruta, bytes);
}

bool DiscoFicheros::Borrar(const std::string& ruta) {
    return ficheros::Borrar(ruta);
}

}  // namespace rebanex
