#include "cli/EstadoInicial.h"

#include "files/DiscoFicheros.h"
#include "files/Ficheros.h"
#include "host/AjustesMensatel.h"
#include "settings/Ajustes.h"
#include "settings/PerfilFichero.h"

namespace rebanex::consola {

std::string DirectorioDe(const std::string& ruta) {
    // The program's paths are built by appending a file name to a directory that ends in
    // its separator: a backslash on Windows (where a slash separates too), a slash elsewhere.
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

EstadoInicial EstadoPorDefecto() {
    EstadoInicial estado;
    estado.rutaReemplazos = std::string(kFicheroReemplazos);
    return estado;
}

std::optional<EstadoInicial> EstadoDesdeAjustes(const std::string& rutaIni) {
    if (!ficheros::ExisteFichero(rutaIni) || !ficheros::LeerFichero(rutaIni)) {
        return std::nullopt;
    }
    DiscoFicheros disco({});
    PerfilFichero perfil(disco);
    Ini ini(perfil);
    ini.FijarFicheroIni(rutaIni);

    const std::string directorio = DirectorioDe(rutaIni);
    EstadoAjustes ajustes;
    // The window's size and the screen only place the window, which the tool has not got.
    const Rectangulo pantalla{0, 0, 1920 * 15, 1080 * 15};
    LoteIni noSeEscribe;  // the user's settings file stays as it is
    CargarConfiguracion(ini, directorio, pantalla, ajustes, noSeEscribe);

    EstadoInicial estado;
    estado.opciones = ajustes.opciones;
    estado.rutaReemplazos = ajustes.rutaReemplazos;
    estado.firma = LeerFirmaMensatel(ini, directorio);
    return estado;
}

}  // namespace rebanex::consola
