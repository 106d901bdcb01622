#include "sistema/DiscoEnMemoria.h"

namespace rebanex {

std::optional<std::uint64_t> DiscoEnMemoria::Tamanyo(const std::string& ruta) {
    return EsFichero(ruta) ? std::optional(ficheros[ruta].size()) : std::nullopt;
}

Lectura DiscoEnMemoria::Leer(const std::string& ruta) {
    if (carpetas.contains(ruta)) {
        return {{}, MotivoFallo::EsCarpeta};
    }
    if (!EsFichero(ruta)) {
        return {{}, MotivoFallo::NoExiste};
    }
    if (enUso.contains(ruta)) {
        return {{}, MotivoFallo::EnUso};
    }
    return {ficheros[ruta], std::nullopt};
}

bool DiscoEnMemoria::Escribir(const std::string& ruta, const std::string& bytes) {
    if (Intocable(ruta) || lleno == Lleno::Falla) {
        return false;
    }
    ficheros[ruta] = lleno == Lleno::Trunca ? bytes.substr(0, bytes.size() / 2) : bytes;
    return true;
}

bool DiscoEnMemoria::Borrar(const std::string& ruta) {
    return !Intocable(ruta) && ficheros.erase(ruta) != 0;
}

bool DiscoEnMemoria::Reemplazar(const std::string& origen, const std::string& destino) {
    if (reemplazoFalla || Intocable(origen) || Intocable(destino) || !EsFichero(origen)) {
        return false;
    }
    ficheros[destino] = std::move(ficheros[origen]);
    ficheros.erase(origen);
    return true;
}

}  // namespace rebanex
