// The updater's command line and the update directory.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "files/Actualizador.h"
#include "files/Direcciones.h"
#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

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
