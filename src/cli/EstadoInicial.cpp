#include "cli/EstadoInicial.h"

#include "host/AjustesMensatel.h"
#include "settings/Ajustes.h"
#include "sistema/DiscoFicheros.h"
#include "sistema/Ficheros.h"
#include "sistema/PerfilFichero.h"
#include "sistema/Rutas.h"

namespace rebanex::cli {

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

    const std::string directorio = DirectorioDeRutaLocal(rutaIni);
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

}  // namespace rebanex::cli
