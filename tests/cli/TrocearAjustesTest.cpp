// --ini: starting from the user's settings file, which must stay untouched.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/EnMemoria.h"
#include "comun/CarpetaTemporal.h"

namespace rebanex::consola::prueba {
namespace {

class TrocearAjustes : public ::testing::Test {
  protected:
    std::string Salida(std::vector<std::string> mas, const std::string& mensaje) {
        mas.insert(mas.begin(), {"--ini", carpeta.Fichero("Rebanex.ini")});
        const Resultado r = Trocear(mas, mensaje);
        EXPECT_EQ(r.codigo, 0) << r.error;
        return r.salida;
    }
    int Ficheros() const {
        const std::filesystem::directory_iterator ficheros(carpeta.Ruta());
        return static_cast<int>(std::distance(begin(ficheros), end(ficheros)));
    }

    pruebas::CarpetaTemporal carpeta;
};

TEST_F(TrocearAjustes, LasOpcionesSalenDelFicheroQueNoCambia) {
    // Most keys are missing: the load would write them back, which must not happen here.
    const std::string ini = "[Rebanex]\r\nMsgMax=20\r\nIndicadorTrozos=0\r\nLetras=3\r\n";
    carpeta.Escribir("Rebanex.ini", ini);
    EXPECT_EQ(Salida({}, "uno dos tres cuatro cinco seis"), "UNO DOS TRES CUATRO \nCINCO SEIS\n");
    // The command line goes after the file.
    EXPECT_EQ(Salida({"--max", "160", "--opcion", "Letras=1"}, "uno dos"), "uno dos\n");
    EXPECT_EQ(carpeta.Leer("Rebanex.ini"), ini);
    EXPECT_EQ(Ficheros(), 1);

    carpeta.Escribir("Rebanex.ini", "[Rebanex]\r\nMsgMax=abc\r\n");  // reads as 0
    const Resultado cero = Trocear({"--ini", carpeta.Fichero("Rebanex.ini")}, "hola");
    EXPECT_EQ(cero.codigo, 2);
    EXPECT_EQ(cero.error.rfind("Mensaje tama\xC3\xB1o 0 !!!!!!!: ", 0), 0u) << cero.error;
}

TEST_F(TrocearAjustes, LaFirmaDelMensatelDeAlLado) {
    carpeta.Escribir("Rebanex.ini",
                     "[Rebanex]\r\nFirmarAutomaticamente=1\r\nFirmarEnPosicion=2\r\n"
                     "FirmarEnTrozos=1\r\nIndicadorTrozos=0\r\n");
    carpeta.Escribir("mensatel.ini", "[Usuario]\r\nfirma=Ram\xF3n\r\n");
    EXPECT_EQ(Salida({"--max", "14"}, "hola que tal"), "hola que Ram\xC3\xB3n\ntal Ram\xC3\xB3n\n");
    EXPECT_EQ(Salida({"--firma", ""}, "hola"), "hola\n");  // the command line wins
    // At the caret "in every piece" is disabled, as after starting with these settings.
    EXPECT_EQ(Salida({"--opcion", "FirmarEnPosicion=3", "--cursor", "0"}, "hola"),
              "Ram\xC3\xB3nhola\n");
    EXPECT_EQ(Ficheros(), 2);
}

TEST_F(TrocearAjustes, ElFicheroDeReglas) {
    carpeta.Escribir("Rebanex.txt", "que\tq\r\n");
    const std::string otras = carpeta.Escribir("otras.txt", "que\tk\r\n");
    carpeta.Escribir("Rebanex.ini", "[Rebanex]\r\nAutoReemplazar=1\r\n");
    // No list of rules files: "Rebanex.txt" beside the settings file.
    EXPECT_EQ(Salida({}, "que"), "q\n");
    EXPECT_EQ(Salida({"--reemplazos", otras}, "que"), "k\n");
    carpeta.Escribir("Rebanex.ini", "[Rebanex]\r\nAutoReemplazar=1\r\n[FicherosReemplazos]\r\n1=" +
                                        otras + "\r\n");
    EXPECT_EQ(Salida({}, "que"), "k\n");
}

TEST_F(TrocearAjustes, UnFicheroDeAjustesQueNoSePuedeLeerSaleConUno) {
    for (const std::string& ruta : {carpeta.Fichero("Rebanex.ini"), carpeta.Ruta()}) {
        const Resultado r = Trocear({"--ini", ruta}, "hola");
        EXPECT_EQ(r.codigo, 1);
        EXPECT_EQ(r.salida, "");
        EXPECT_NE(r.error.find("no se puede leer el fichero de ajustes"), std::string::npos);
    }
    EXPECT_EQ(Ficheros(), 0);
}

}  // namespace
}  // namespace rebanex::consola::prueba
