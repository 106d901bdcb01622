#include "cli/Entrada.h"

#include "cli/Codificacion.h"
#include "comun/Windows1252.h"
#include "files/Mensajes.h"
#include "sistema/Ficheros.h"

namespace rebanex::cli {

// The bytes read become the message in place, with no copy while nothing has to grow.
std::optional<std::string> LeerMensaje(const std::optional<std::string>& fichero, Origen& entrada,
                                       CodificacionConsola codificacion,
                                       std::u32string* sinConvertir) {
    if (fichero) {
        Lectura leido = ficheros::LeerTexto(*fichero);
        if (sinConvertir != nullptr) {
            *sinConvertir = leido.sinConvertir;
        }
        return leido ? std::optional(MensajeDeFichero(std::move(leido.contenido))) : std::nullopt;
    }
    std::optional<std::string> bytes = entrada.LeerTodo();
    if (!bytes) {
        return std::nullopt;
    }
    Conversion1252 convertido = TextoWindows1252Detallado(std::move(*bytes));
    if (sinConvertir != nullptr) {
        *sinConvertir = std::move(convertido.sinConvertir);
    }
    std::string& texto = convertido.texto;
    if (codificacion == CodificacionConsola::Cp1252) {
        return std::move(texto);
    }
    return SaltosDeVentana(texto);
}

}  // namespace rebanex::cli
