// Help and credits texts, the updater's command line and the update directory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/Actualizador.h"
#include "files/Ayuda.h"
#include "files/Direcciones.h"
#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

// The text's lines as the box shows them: each CR ends one.
std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> lineas(1);
    for (char c : texto) {
        if (c == '\r') {
            lineas.emplace_back();
        } else {
            lineas.back() += c;
        }
    }
    return lineas;
}

TEST(Ayuda, TextoDeAyuda) {
    const Aviso aviso = AvisoAyuda();
    EXPECT_EQ(aviso.titulo, "Pa que sirvo!!! ;)");
    EXPECT_EQ(aviso.icono, Icono::Informacion);
    EXPECT_EQ(Lineas(aviso.texto),
              (std::vector<std::string>{
                  "", "", "Programa para trocear un mensaje que necesite",
                  "más de un SMS para ser enviado, en varios Trozos.", "",
                  "Si encontrais errores y cosas de esas enviame un mail o dejar un msg en",
                  "el FORO del MENSATEL.", "", std::string(22, '-'), "Quelvo", "quelvo@example.com",
                  "", ""}));
}

TEST(Ayuda, Creditos) {
    const Aviso aviso = AvisoCreditos();
    EXPECT_EQ(aviso.titulo, "·< Creditos y Agradecimientos >·");
    EXPECT_EQ(aviso.icono, Icono::Informacion);
    const std::vector<std::string> lineas = Lineas(aviso.texto);
    ASSERT_EQ(lineas.size(), 16u);
    EXPECT_EQ(lineas[0], "Agradecimientos");
    EXPECT_EQ(lineas[1], std::string(26, '-'));
    EXPECT_EQ(lineas[2], "");
    EXPECT_EQ(lineas[4], std::string(29, ' ') +
                             "Sin el no habría nada que trocear ;) , asias por el pedazo prog...");
    EXPECT_EQ(lineas[5], "");
    const std::vector<std::string> papeles = {"El creador del Mensatel",
                                              "Ideas & Betatester",
                                              "Ideas & Betatester",
                                              "Ideas & Diseño",
                                              "Ideas",
                                              "Ideas",
                                              "Ideas & Betatester",
                                              "Ideas & Betatester",
                                              "Betatester"};
    for (std::size_t i = 0; i < papeles.size(); ++i) {
        const std::string& linea = lineas[i == 0 ? 3 : 5 + i];
        // The roles line up where the second line of the first entry starts.
        EXPECT_EQ(linea.substr(26), "-> " + papeles[i]) << linea;
        EXPECT_NE(linea[0], ' ');
    }
    EXPECT_EQ(lineas[14], "");
    EXPECT_EQ(lineas[15], "");  // the extra CR after the last entry
}

TEST(Ayuda, MensatelLogAusente) {
    EXPECT_EQ(AvisoMensatelLogAusente(),
              (Aviso{"Upps!!! No encuentro el fichero MensatelLog.exe.\r\r\r"
                     "Copiame en su directorio\r\r\rPara descargarlo: " +
                         std::string(Direcciones::kWebMensatel),
                     "MensatelLog no ta aki!!!", Icono::Exclamacion, Botones::Aceptar}));
}

TEST(Actualizador, LineaDeComandos) {
    const std::string web = "https://w.example/act/";
    const std::string datos =
        "\"https://w.example/act/Rebanex.dat\"https://w.example/act/Rebanex.exe";
    EXPECT_EQ(LineaActualizador("C:\\Mensatel\\Rebanex.EXE", web),
              "C:\\Mensatel\\Actualix.exe 2002/01/01\"C:\\Mensatel\\rebanex.exe" + datos);
    // Installed at a drive's root: no doubled backslash.
    EXPECT_EQ(LineaActualizador("D:\\REBANEX.exe", web),
              "D:\\Actualix.exe 2002/01/01\"D:\\rebanex.exe" + datos);
    EXPECT_EQ(DirectorioEjecutable("D:\\Rebanex.exe"), "D:\\");
    EXPECT_EQ(DirectorioEjecutable("C:\\A\\B\\Rebanex.exe"), "C:\\A\\B\\");
}

TEST(Actualizador, DirectorioDeActualizacionesDeRebanexIni) {
    PerfilEnMemoria memoria;
    Ini ini(memoria);
    ini.FijarFicheroIni("C:\\R\\Rebanex.ini");
    EXPECT_EQ(WebActualizaciones(ini), Direcciones::kWebActualizaciones);
    EXPECT_TRUE(Direcciones::kWebActualizaciones.starts_with("https://"));
    EXPECT_FALSE(memoria.Existe("C:\\R\\Rebanex.ini"));  // read, never written

    for (const auto& [valor, web] : std::vector<std::pair<std::string, std::string>>{
             {"http://127.0.0.1:8080/", "http://127.0.0.1:8080/"},
             {"http://127.0.0.1:8080", "http://127.0.0.1:8080/"},
             {"", std::string(Direcciones::kWebActualizaciones)}}) {
        memoria.EscribirCadena("C:\\R\\Rebanex.ini", "Rebanex", "WebActualizaciones", valor);
        EXPECT_EQ(WebActualizaciones(ini), web) << valor;
    }
}

}  // namespace
}  // namespace rebanex
