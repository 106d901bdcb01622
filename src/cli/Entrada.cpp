#include "cli/Entrada.h"

#include <array>

#include "cli/Codificacion.h"
#include "comun/Windows1252.h"
#include "files/Mensajes.h"
#include "sistema/Ficheros.h"

namespace rebanex::cli {

std::optional<std::string> LeerTodo(std::istream& entrada, std::size_t previsto) {
    std::string datos;
    if (previsto > 0) {  // straight into place, then whatever the stream still holds
        datos.resize(previsto);
        entrada.read(datos.data(), static_cast<std::streamsize>(previsto));
        datos.resize(static_cast<std::size_t>(entrada.gcount()));
    }
    std::array<char, 1 << 16> bloque;
    while (entrada.read(bloque.data(), bloque.size()) || entrada.gcount() > 0) {
        datos.append(bloque.data(), static_cast<std::size_t>(entrada.gcount()));
    }
    if (entrada.bad()) {
        return std::nullopt;
    }
    return datos;
}

std::optional<std::string> LeerMensaje(const std::optional<std::string>& fichero,
                                       std::istream& entrada, CodificacionConsola codificacion) {
    if (fichero) {
        const Lectura leido = ficheros::LeerTexto(*fichero);
        return leido ? std::optional(MensajeDeFichero(leido.contenido)) : std::nullopt;
    }
    std::optional<std::string> bytes = LeerTodo(entrada);
    if (!bytes) {
        return std::nullopt;
    }
    std::string texto = TextoWindows1252(std::move(*bytes));
    return codificacion == CodificacionConsola::Cp1252 ? texto : SaltosDeVentana(texto);
}

}  // namespace rebanex::cli
