// Message files (line ends, the telephone trailer, where a named file is looked for), the
// command line, the open dialog's filter and the updater's command line.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "comun/AvisadorAnotado.h"
#include "files/Actualizador.h"
#include "files/Direcciones.h"
#include "files/Filtro.h"
#include "files/Mensajes.h"
#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

using namespace std::string_literals;

TEST(Mensajes, SaltosTelefonoYLineaDeComandos) {
    const std::pair<std::string, std::string> saltos[] = {
        {"uno\r\ndos\r\n", "uno\r\ndos"}, {"uno\rdos\r", "uno\r\ndos"},
        {"uno\ndos\n", "uno\r\ndos"},     {"uno\r\n\r\n", "uno\r\n"},
        {"uno\n\rdos", "uno\r\n\r\ndos"}, {"a\0b\0"s, "a b "}};
    for (const auto& [bytes, texto] : saltos) {
        EXPECT_EQ(TextoConSaltos(bytes), texto) << bytes;
    }
    const std::string veinte(20, '9');
    const std::pair<std::string, std::string> telefonos[] = {
        {"hola#TEL#612345678@", "hola"},
        {"#TEL#" + veinte + "@", ""},
        {"x#TEL#9" + veinte + "@", "x#TEL#9" + veinte + "@"},  // 21 characters: no trailer
        {"#TEL#1@#TEL#2@", "#TEL#1@"},                         // the nearest marker wins
        {"hola#TEL#612", "hola#TEL#612"}};
    for (auto [texto, despues] : telefonos) {
        QuitarTelefono(texto);
        EXPECT_EQ(texto, despues);
    }
    const std::pair<std::string, LineaComandos> lineas[] = {
        {"\thola que tal", {true, "hola que tal"}},
        {"\"C:\\Mis mensajes\\uno.sms\"", {false, "C:\\Mis mensajes\\uno.sms"}},
        {" \thola", {false, " \thola"}}};
    for (const auto& [cmd, esperada] : lineas) {
        EXPECT_EQ(InterpretarLineaComandos(cmd), esperada) << cmd;
    }
}

class DiscoEnMemoria : public DiscoAusente {
  public:
    bool EsFichero(const std::string& ruta) override { return ficheros.count(ruta) != 0; }
    std::optional<std::string> LeerTexto(const std::string& ruta) override {
        return ficheros.at(ruta);
    }
    std::map<std::string, std::string> ficheros;
};

TEST(Mensajes, FicheroBuscadoTalCualYLuegoEnElDirectorioDeInicio) {
    DiscoEnMemoria disco;
    disco.ficheros = {{"b.sms", "sin leer"}, {"C:\\Inicio\\b.sms", "uno\rdos#TEL#600@"}};
    pruebas::AvisadorAnotado avisador;
    EXPECT_EQ(CargarFicheroMensaje("b.sms", "C:\\Inicio\\", disco, avisador), "sin leer");
    disco.ficheros.erase("b.sms");
    EXPECT_EQ(CargarFicheroMensaje("b.sms", "C:\\Inicio\\", disco, avisador), "uno\r\ndos");
    EXPECT_TRUE(avisador.avisos.empty());
    EXPECT_EQ(CargarFicheroMensaje("c.sms", "C:\\Inicio\\", disco, avisador), "");
    EXPECT_EQ(avisador.avisos, (std::vector<Aviso>{AvisoFicheroNoEncontrado("c.sms")}));
}

TEST(Mensajes, FiltroDelDialogo) {
    EXPECT_EQ(FiltroDialogo(kFiltroMensajes),
              "Mensajes SMS (*.sms)\0 *.sms\0Archivos de Texto (*.txt)\0 *.txt\0"
              "Todos los archivos (*.*) \0 *.*\0\0"s);
    EXPECT_EQ(FiltroDialogo("a|b|"), "a\0b\0\0"s);
}

TEST(Actualizador, LineaDeComandosYDireccionDeRebanexIni) {
    const std::string datos = "\"https://w.example/Rebanex.dat\"https://w.example/Rebanex.exe";
    EXPECT_EQ(LineaActualizador("C:\\Mensatel\\Rebanex.EXE", "https://w.example/"),
              "C:\\Mensatel\\Actualix.exe 2002/01/01\"C:\\Mensatel\\rebanex.exe" + datos);
    // Installed at a drive's root: no doubled backslash.
    EXPECT_EQ(LineaActualizador("D:\\REBANEX.exe", "https://w.example/"),
              "D:\\Actualix.exe 2002/01/01\"D:\\rebanex.exe" + datos);
    PerfilEnMemoria memoria;
    Ini ini(memoria);
    ini.FijarFicheroIni("C:\\R\\Rebanex.ini");
    EXPECT_EQ(WebActualizaciones(ini), Direcciones::kWebActualizaciones);
    EXPECT_FALSE(memoria.Existe("C:\\R\\Rebanex.ini"));  // read, never written
    memoria.EscribirCadena("C:\\R\\Rebanex.ini", "Rebanex", "WebActualizaciones", "http://h:80");
    EXPECT_EQ(WebActualizaciones(ini), "http://h:80/");
}

}  // namespace
}  // namespace rebanex
