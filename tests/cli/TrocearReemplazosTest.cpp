// Word replacement during the split, and the two boxes its rules file can raise.
#include <gtest/gtest.h>

#include "cli/Codificacion.h"
#include "cli/EnMemoria.h"
#include "transforms/Reemplazos.h"

namespace rebanex::consola::prueba {
namespace {

std::string ReglasPorDefecto() {
    std::string texto;
    for (const std::string& linea : Troceado::ContenidoReemplazosPorDefecto()) {
        texto += linea + "\r\n";
    }
    return texto;
}

TEST(TrocearReemplazos, LasReglasDelFicheroPorDefecto) {
    DirectorioTemporal dir;
    const std::string reglas = dir.Escribir("Rebanex.txt", ReglasPorDefecto());
    const Resultado r = Trocear({"--opcion", "AutoReemplazar=1", "--reemplazos", reglas},
                                "Porque que QUE\nadosados por favor mas-menos");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.error, "");
    // Line breaks became spaces first, so "adosados" starts a word.
    EXPECT_EQ(r.salida, "XP q Q a2a2 x favor +--\n");
}

TEST(TrocearReemplazos, SinFicheroSeAvisaYSeTrocea) {
    DirectorioTemporal dir;
    const std::string ruta = dir.Ruta("falta.txt");
    const Resultado r = Trocear({"--opcion", "AutoReemplazar=1", "--reemplazos", ruta}, "que");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "que\n");
    EXPECT_EQ(r.error, "Cachis la mar...!!!: Error al intentar abrir el fichero '" + AUtf8(ruta) +
                           "'\n\n\nSi no tienes ning\xC3\xBAn fichero de Reemplazos utiliza el "
                           "men\xC3\xBA\n'Opciones/Abrir Fichero de Reemplazos' para generar "
                           "uno.\n");
}

TEST(TrocearReemplazos, UnaLineaRaraSeContestaQueSiYSigue) {
    DirectorioTemporal dir;
    const std::string reglas = dir.Escribir("r.txt", "que\tq\r\nmal\r\n\tx\r\npor\tx\r\n");
    const Resultado r =
        Trocear({"--opcion", "AutoReemplazar=1", "--reemplazos", reglas}, "que por");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "q x\n");
    const std::string pregunta = "Upss!!! L\xC3\xADnea RaRa!!: Error en la l\xC3\xADnea n\xC2\xBA ";
    const std::string fin = " en el fichero " + AUtf8(reglas) + "\n\n\xC2\xBFSigo Reemplazando?\n";
    EXPECT_EQ(r.error, pregunta + "2" + fin + pregunta + "3" + fin);
}

TEST(TrocearReemplazos, SinAutoReemplazarNoSeLeeElFichero) {
    const Resultado r = Trocear({"--reemplazos", "no-existe.txt"}, "que");
    EXPECT_EQ(r.salida, "que\n");
    EXPECT_EQ(r.error, "");
}

}  // namespace
}  // namespace rebanex::consola::prueba
