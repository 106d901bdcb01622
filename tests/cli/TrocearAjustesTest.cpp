// --ini: starting from the user's settings file, which must stay untouched.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/EnMemoria.h"
#include "cli/EstadoInicial.h"

namespace rebanex::consola::prueba {
namespace {

std::vector<std::string> ConIni(const DirectorioTemporal& dir, std::vector<std::string> mas = {}) {
    std::vector<std::string> args = {"--ini", dir.Ruta("Rebanex.ini")};
    args.insert(args.end(), mas.begin(), mas.end());
    return args;
}

int Ficheros(const DirectorioTemporal& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& e :
         std::filesystem::directory_iterator(std::filesystem::path(dir.Ruta("")))) {
        ++n;
    }
    return n;
}

TEST(TrocearAjustes, LasOpcionesSalenDelFicheroYElFicheroNoCambia) {
    DirectorioTemporal dir;
    // Most keys are missing: the load would write them back, which must not happen here.
    const std::string ini = "[Rebanex]\r\nMsgMax=20\r\nIndicadorTrozos=0\r\nLetras=3\r\n";
    dir.Escribir("Rebanex.ini", ini);
    const Resultado r = Trocear(ConIni(dir), "uno dos tres cuatro cinco seis");
    EXPECT_EQ(r.codigo, 0) << r.error;
    EXPECT_EQ(r.salida, "UNO DOS TRES CUATRO \nCINCO SEIS\n");
    EXPECT_EQ(dir.Leer("Rebanex.ini"), ini);
    EXPECT_EQ(Ficheros(dir), 1);
}

TEST(TrocearAjustes, LaLineaDeOrdenesMandaSobreElFichero) {
    DirectorioTemporal dir;
    dir.Escribir("Rebanex.ini", "[Rebanex]\r\nInverso=1\r\nIndicadorTrozos=0\r\nMsgMax=6\r\n");
    EXPECT_EQ(Trocear(ConIni(dir), "hola mundo").salida, "mundo\nhola \n");
    EXPECT_EQ(Trocear(ConIni(dir, {"--opcion", "Inverso=0"}), "hola mundo").salida,
              "hola \nmundo\n");
    EXPECT_EQ(Trocear(ConIni(dir, {"--max", "160"}), "hola mundo").salida, "hola mundo\n");
}

TEST(TrocearAjustes, UnMsgMaxQueNoEsNumeroSeLeeComoCero) {
    DirectorioTemporal dir;
    dir.Escribir("Rebanex.ini", "[Rebanex]\r\nMsgMax=abc\r\n");
    const Resultado r = Trocear(ConIni(dir), "hola");
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.error.rfind("Mensaje tama\xC3\xB1o 0 !!!!!!!: ", 0), 0u) << r.error;
}

TEST(TrocearAjustes, LaFirmaDelMensatelDeAlLado) {
    DirectorioTemporal dir;
    dir.Escribir("Rebanex.ini", "[Rebanex]\r\nFirmarAutomaticamente=1\r\nFirmarEnPosicion=2\r\n");
    dir.Escribir("mensatel.ini", "[Usuario]\r\nfirma=Ram\xF3n\r\n");
    EXPECT_EQ(Trocear(ConIni(dir), "hola").salida, "hola Ram\xC3\xB3n\n");
    EXPECT_EQ(Trocear(ConIni(dir, {"--firma", "Ana"}), "hola").salida, "hola Ana\n");
    EXPECT_EQ(Trocear(ConIni(dir, {"--firma", ""}), "hola").salida, "hola\n");
    EXPECT_EQ(Ficheros(dir), 2);
}

TEST(TrocearAjustes, FirmarEnTrozosSeHabilitaSegunLaPosicion) {
    DirectorioTemporal dir;
    dir.Escribir("mensatel.ini", "[Usuario]\r\nfirma=Yo\r\n");
    dir.Escribir("Rebanex.ini",
                 "[Rebanex]\r\nFirmarEnTrozos=1\r\nFirmarEnPosicion=3\r\nIndicadorTrozos=0\r\n");
    EXPECT_EQ(Trocear(ConIni(dir), "hola").salida, "hola\n");
    EXPECT_EQ(Trocear(ConIni(dir, {"--opcion", "FirmarEnPosicion=1"}), "hola").salida, "Yo hola\n");
}

TEST(TrocearAjustes, ElFicheroDeReglas) {
    DirectorioTemporal dir;
    dir.Escribir("Rebanex.txt", "que\tq\r\n");
    dir.Escribir("otras.txt", "que\tk\r\n");
    dir.Escribir("Rebanex.ini", "[Rebanex]\r\nAutoReemplazar=1\r\n");
    // No list of rules files: "Rebanex.txt" beside the settings file.
    EXPECT_EQ(Trocear(ConIni(dir), "que").salida, "q\n");
    EXPECT_EQ(Trocear(ConIni(dir, {"--reemplazos", dir.Ruta("otras.txt")}), "que").salida, "k\n");

    dir.Escribir("Rebanex.ini", "[Rebanex]\r\nAutoReemplazar=1\r\n[FicherosReemplazos]\r\n1=" +
                                    dir.Ruta("otras.txt") + "\r\n");
    EXPECT_EQ(Trocear(ConIni(dir), "que").salida, "k\n");
}

TEST(TrocearAjustes, UnFicheroDeAjustesQueNoEstaSaleConUno) {
    DirectorioTemporal dir;
    const Resultado r = Trocear(ConIni(dir), "hola");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.salida, "");
    EXPECT_NE(r.error.find("no se puede leer el fichero de ajustes"), std::string::npos);
    EXPECT_EQ(Ficheros(dir), 0);
}

TEST(TrocearAjustes, SinFicheroDeAjustesLasOpcionesDeUnPrimerArranque) {
    const EstadoInicial e = EstadoPorDefecto();
    EXPECT_EQ(e.opciones, Configuracion{});
    EXPECT_EQ(e.firma, "");
    EXPECT_EQ(e.rutaReemplazos, "Rebanex.txt");
}

TEST(TrocearAjustes, ElDirectorioAcabaEnSuSeparador) {
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(DirectorioDe("Rebanex.ini"), "");
    EXPECT_EQ(DirectorioDe("a" + sep + "Rebanex.ini"), "a" + sep);
    EXPECT_EQ(DirectorioDe("a/b/Rebanex.ini"), "a/b" + sep);
    EXPECT_EQ(DirectorioDe("a" + sep + "b" + sep), "a" + sep + "b" + sep);
}

}  // namespace
}  // namespace rebanex::consola::prueba
