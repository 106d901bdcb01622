#include "cli/Entrada.h"

#include "cli/Codificacion.h"
#include "comun/Windows1252.h"
#include "files/Mensajes.h"
#include "sistema/Ficheros.h"

namespace rebanex::consola {

// The bytes read become the message in place, with no copy while nothing has to grow.
std::optional<std::string> LeerMensaje(const std::optional<std::string>& fichero, Origen& entrada,
                                       CodificacionConsola codificacion) {
    if (fichero) {
        Lectura leido = ficheros::LeerTexto(*fichero);
        return leido ? std::optional(MensajeDeFichero(std::move(leido.contenido))) : std::nullopt;
    }
    std::optional<std::string> bytes = entrada.LeerTodo();
    if (!bytes) {
        return std::nullopt;
    }
    std::string texto = TextoWindows1252(std::move(*bytes));
    if (codificacion == CodificacionConsola::Cp1252) {
        return texto;
    }
    return SaltosDeVentana(texto);
}

}  // namespace rebanex::consola
