#include "transforms/ReemplazosPorDefecto.h"

#include <vector>

#include "comun/Direcciones.h"
#include "transforms/Reemplazos.h"

namespace rebanex {

namespace {

std::string Espacios(std::size_t n) {
    return std::string(n, ' ');
}

std::vector<std::string> CrearContenido() {
    const std::string guiones = ";" + std::string(91, '-');
    // The spacing lines up the examples in a fixed-width editor.
    return {
        guiones,
        ";Fichero de configuración de Reemplazamiento de palabras del Rebanex (by Quelvo)",
        guiones,
        ";Para añadir más palabras introduce primero la palabra a cambiar, UN TABULADOR, y la "
        "palabra",
        ";que substituye a la anterior",
        ";Las líneas que empiezan por ; son comentarios",
        guiones,
        ";A la hora de realizar la sustitución, primero se empieza por las primeras líneas, por "
        "lo que",
        ";recomiendo utilizar primero las palabras grandes y después las pequeñas, mirar por "
        "ejemplo",
        ";que primero hago el porque y luego el que.",
        guiones,
        ";Para utilizar reemplazo de prefijos, sufijos, poner de primer carácter de la línea:",
        ";Sigue siendo necesario el TABULADOR para separar",
        ";" + Espacios(2) + "#" + Espacios(2) + "-> Prefijo" + Espacios(10) + "Ej. #de d" +
            Espacios(3) + "= dedo -> ddo",
        ";" + Espacios(2) + "%" + Espacios(2) + "-> Sufijo" + Espacios(11) + "Ej. %ca k" +
            Espacios(3) + "= saca -> sak",
        ";" + Espacios(2) + "*" + Espacios(2) + "-> Cualquier sitio" + Espacios(2) + "Ej. *dos 2" +
            Espacios(2) + "= dos -> 2, dedos -> de2, ",
        ";" + Espacios(39) + "dosmil -> 2mil, adosados -> a2a2",
        ";" + Espacios(2) +
            "Si no indicamos ninguno de los simbolos se buscará como palabra completa",
        guiones,
        ";Si tienes más palabras que reemplazar y crees que le pueden servir a alguien, "
        "envíamelas a <" +
            std::string(direcciones::kMailAutor) + ">",
        guiones,
        "*dos\t2",
        "porque\txp",
        "que\tq",
        "por\tx",
        "mas\t+",
        "menos\t-",
    };
}

}  // namespace

const std::vector<std::string>& ContenidoReemplazosPorDefecto() {
    static const std::vector<std::string> contenido = CrearContenido();
    return contenido;
}

std::string TextoReemplazosPorDefecto() {
    std::string texto;
    for (const std::string& linea : ContenidoReemplazosPorDefecto()) {
        texto += linea + "\r\n";
    }
    return texto;
}

Aviso AvisoReemplazosNoEncontrado(const std::string& ruta) {
    return Aviso{"No he encontrado el fichero de Reemplazos '" + ruta + "', voy a Crearlo!!!",
                 "Upss no ta!!!", Icono::Exclamacion, Botones::Aceptar};
}

Aviso AvisoErrorEscribirReemplazos(const std::string& ruta) {
    return Aviso{"Error al intentar escribir en " + ruta, "Ein!!! No puidorrrllll!!!",
                 Icono::Exclamacion, Botones::Aceptar};
}

}  // namespace rebanex
