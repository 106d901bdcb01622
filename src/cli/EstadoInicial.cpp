#include "cli/EstadoInicial.h"

#include <filesystem>
#include <fstream>

#include "cli/PerfilSoloLectura.h"
#include "host/AjustesMensatel.h"
#include "settings/Ajustes.h"
#include "settings/PerfilFichero.h"

namespace rebanex::consola {

namespace {

bool SePuedeLeer(const std::string& ruta) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(ruta), error)) {
        return false;
    }
    return std::ifstream(ruta, std::ios::binary).is_open();
}

}  // namespace

std::string DirectorioDe(const std::string& ruta) {
    std::string directorio = std::filesystem::path(ruta).parent_path().string();
    // The program's paths are built by appending a file name to a directory that ends in
    // its separator: a backslash on Windows, a slash elsewhere.
    const char separador = static_cast<char>(std::filesystem::path::preferred_separator);
    if (!directorio.empty() && directorio.back() != separador && directorio.back() != '/') {
        directorio += separador;
    }
    return directorio;
}

EstadoInicial EstadoPorDefecto() {
    EstadoInicial estado;
    estado.rutaReemplazos = std::string(kFicheroReemplazos);
    return estado;
}

std::optional<EstadoInicial> EstadoDesdeAjustes(const std::string& rutaIni) {
    if (!SePuedeLeer(rutaIni)) {
        return std::nullopt;
    }
    PerfilFichero fichero;
    PerfilSoloLectura perfil(fichero);
    Ini ini(perfil);
    ini.FijarFicheroIni(rutaIni);

    const std::string directorio = DirectorioDe(rutaIni);
    EstadoAjustes ajustes;
    // The window's size and the screen only place the window, which the tool has not got.
    const Rectangulo pantalla{0, 0, 1920 * 15, 1080 * 15};
    CargarConfiguracion(ini, directorio, pantalla, ajustes);

    EstadoInicial estado;
    estado.opciones = ajustes.opciones;
    estado.rutaReemplazos = ajustes.rutaReemplazos;
    estado.firma = LeerFirmaMensatel(ini, directorio);
    return estado;
}

}  // namespace rebanex::consola
