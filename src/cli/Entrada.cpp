#include "cli/Entrada.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "cli/Codificacion.h"

namespace rebanex::consola {

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

std::optional<std::string> LeerFichero(const std::string& ruta) {
    // A directory opens as a stream on some systems and then reads as nothing.
    std::error_code error;
    if (std::filesystem::is_directory(std::filesystem::path(ruta), error)) {
        return std::nullopt;
    }
    std::ifstream fichero(ruta, std::ios::binary);
    if (!fichero.is_open()) {
        return std::nullopt;
    }
    // Room for the whole file at once: a message grown by doubling costs its copies.
    const auto tamanyo = std::filesystem::file_size(std::filesystem::path(ruta), error);
    return LeerTodo(fichero, error ? 0 : static_cast<std::size_t>(tamanyo));
}

std::string MensajeDeConsola(std::string bytes, CodificacionConsola codificacion) {
    if (codificacion == CodificacionConsola::Cp1252) {
        return bytes;
    }
    return SaltosDeVentana(DeUtf8(bytes));
}

}  // namespace rebanex::consola
