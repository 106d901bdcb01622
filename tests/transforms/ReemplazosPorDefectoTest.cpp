#include "transforms/ReemplazosPorDefecto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comun/CarpetaTemporal.h"
#include "transforms/Reemplazos.h"

namespace rebanex::Troceado {
namespace {

TEST(ReemplazosPorDefecto, VeintisieteLineas) {
    const std::string g = ";" + std::string(91, '-');
    const std::vector<std::string> esperadas = {
        g,
        ";Fichero de configuración de Reemplazamiento de palabras del Rebanex (by Quelvo)",
        g,
        ";Para añadir más palabras introduce primero la palabra a cambiar, UN TABULADOR, y la "
        "palabra",
        ";que substituye a la anterior",
        ";Las líneas que empiezan por ; son comentarios",
        g,
        ";A la hora de realizar la sustitución, primero se empieza por las primeras líneas, por "
        "lo que",
        ";recomiendo utilizar primero las palabras grandes y después las pequeñas, mirar por "
        "ejemplo",
        ";que primero hago el porque y luego el que.",
        g,
        ";Para utilizar reemplazo de prefijos, sufijos, poner de primer carácter de la línea:",
        ";Sigue siendo necesario el TABULADOR para separar",
        ";  #  -> Prefijo          Ej. #de d   = dedo -> ddo",
        ";  %  -> Sufijo           Ej. %ca k   = saca -> sak",
        ";  *  -> Cualquier sitio  Ej. *dos 2  = dos -> 2, dedos -> de2, ",
        ";" + std::string(39, ' ') + "dosmil -> 2mil, adosados -> a2a2",
        ";  Si no indicamos ninguno de los simbolos se buscará como palabra completa",
        g,
        ContenidoReemplazosPorDefecto()[19],  // the contact line: checked below
        g,
        "*dos\t2",
        "porque\txp",
        "que\tq",
        "por\tx",
        "mas\t+",
        "menos\t-",
    };
    EXPECT_EQ(ContenidoReemplazosPorDefecto(), esperadas);
    std::string fichero;
    for (const std::string& linea : esperadas) {
        fichero += linea + "\r\n";
    }
    EXPECT_EQ(TextoReemplazosPorDefecto(), fichero);
    const std::string& contacto = esperadas[19];
    EXPECT_EQ(contacto[0], ';');
    EXPECT_LT(contacto.find('<'), contacto.find('>'));
    EXPECT_NE(contacto.find('>'), std::string::npos);
}

TEST(ReemplazosPorDefecto, TextosDeLosAvisos) {
    EXPECT_EQ(AvisoReemplazosNoEncontrado("C:\\M\\R.txt"),
              (Aviso{"No he encontrado el fichero de Reemplazos 'C:\\M\\R.txt', voy a Crearlo!!!",
                     "Upss no ta!!!", Icono::Exclamacion, Botones::Aceptar}));
    EXPECT_EQ(AvisoErrorEscribirReemplazos("C:\\M\\R.txt"),
              (Aviso{"Error al intentar escribir en C:\\M\\R.txt", "Ein!!! No puidorrrllll!!!",
                     Icono::Exclamacion, Botones::Aceptar}));
}

}  // namespace
}  // namespace rebanex::Troceado
