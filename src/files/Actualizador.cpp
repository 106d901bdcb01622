#include "files/Actualizador.h"

#include "comun/Direcciones.h"
#include "comun/FechaVersion.h"
#include "settings/Ajustes.h"
#include "sistema/Rutas.h"
#include "transforms/Caracteres.h"

namespace rebanex {

bool EsProgramaWindows(Disco& disco, const std::string& ruta) {
    constexpr std::uint64_t kMinimo = 512, kMaximo = 4 << 20;
    const std::optional<std::uint64_t> tamanyo = disco.Tamanyo(ruta);
    return tamanyo && *tamanyo >= kMinimo && *tamanyo <= kMaximo &&
           disco.Leer(ruta).contenido.starts_with("MZ");
}

std::string WebActualizaciones(Ini& ini) {
    const std::string web =
        ini.LeerIni(kSeccionRebanex, direcciones::kClaveWebActualizaciones).value_or("");
    if (web.empty()) {
        return std::string(direcciones::kWebActualizaciones);
    }
    return web.back() == '/' ? web : web + '/';
}

std::string LineaActualizador(const std::string& rutaEjecutable, const std::string& web) {
    const std::string directorio = DirectorioDe(rutaEjecutable);
    std::string nombre = NombreDe(rutaEjecutable);
    nombre = nombre.substr(0, nombre.find_last_of('.'));
    CambiarLetras(nombre, false);
    return directorio + std::string(kActualizador) + " " + FechaActualizacion() + "\"" +
           directorio + nombre + ".exe" + "\"" + web + "Rebanex.dat" + "\"" + web + "Rebanex.exe";
}

Aviso PreguntaBajarActualizador() {
    return Aviso{
        "No he encontrado el actualizador Actualix\r\r¿ Desea bajarlo e Instalarlo? "
        "(Tamaño de la descarga < 20KB",
        "Bajar Actualizador inteligente xD", Icono::Pregunta, Botones::SiNo};
}

Aviso AvisoDescargaFallida() {
    return Aviso{
        "Ocurrio un error en la descarga\r\rPuede haberse debido a un error de "
        "conexión, o que no estamos conectados",
        "No se ha podido descargar", Icono::Exclamacion, Botones::Aceptar};
}

Aviso AvisoActualizadorNoArranca(const std::string& ruta) {
    return Aviso{"No he podido arrancar el actualizador " + ruta + "\r\rRebanex sigue abierto.",
                 "Rebanex", Icono::Exclamacion, Botones::Aceptar};
}

}  // namespace rebanex
