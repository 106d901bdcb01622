// Message files: line endings, the telephone trailer, where a named file is looked for, the
// command line and the open dialog's filter.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "comun/AvisadorAnotado.h"
#include "files/Filtro.h"
#include "files/Mensajes.h"

namespace rebanex {
namespace {

using namespace std::string_literals;

TEST(Mensajes, SaltosDeLinea) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"", ""},
        {"uno", "uno"},
        {"uno\r\ndos\r\n", "uno\r\ndos"},
        {"uno\rdos\r", "uno\r\ndos"},
        {"uno\ndos\n", "uno\r\ndos"},
        {"uno\r\n\r\n", "uno\r\n"},
        {"uno\n\rdos", "uno\r\n\r\ndos"},
        {"a\0b\0"s, "a b "},
    };
    for (const auto& [bytes, texto] : casos) {
        EXPECT_EQ(TextoConSaltos(bytes), texto) << bytes;
    }
}

TEST(Mensajes, TelefonoFinal) {
    const std::string veinte(20, '9');
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"hola#TEL#612345678@", "hola"},
        {"hola#TEL#@", "hola"},
        {"hola@", "hola@"},
        {"#TEL#@", ""},
        {"#TEL#" + veinte + "@", ""},
        {"x#TEL#" + veinte + "9@", "x#TEL#" + veinte + "9@"},  // 21 characters: no trailer
        {"#TEL#1@#TEL#2@", "#TEL#1@"},                         // the nearest marker wins
        {"hola#TEL#612", "hola#TEL#612"},
        {"@", "@"},
    };
    for (const auto& [antes, despues] : casos) {
        std::string texto = antes;
        QuitarTelefono(texto);
        EXPECT_EQ(texto, despues) << antes;
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
    disco.ficheros = {{"C:\\a.sms", "tal cual\r\n"},
                      {"C:\\Inicio\\b.sms", "uno\rdos#TEL#600@"},
                      {"b.sms", "sin leer"}};
    pruebas::AvisadorAnotado avisador;

    EXPECT_EQ(CargarFicheroMensaje("C:\\a.sms", "C:\\Inicio\\", disco, avisador), "tal cual");
    EXPECT_EQ(CargarFicheroMensaje("b.sms", "C:\\Inicio\\", disco, avisador), "sin leer");
    disco.ficheros.erase("b.sms");
    EXPECT_EQ(CargarFicheroMensaje("b.sms", "C:\\Inicio\\", disco, avisador), "uno\r\ndos");
    EXPECT_TRUE(avisador.avisos.empty());

    EXPECT_EQ(CargarFicheroMensaje("c.sms", "C:\\Inicio\\", disco, avisador), "");
    ASSERT_EQ(avisador.avisos.size(), 1u);
    EXPECT_EQ(avisador.avisos[0], AvisoFicheroNoEncontrado("c.sms"));
}

TEST(Mensajes, LineaDeComandos) {
    const std::vector<std::pair<std::string, LineaComandos>> casos = {
        {"\thola que tal", {true, "hola que tal"}},
        {"\t", {true, ""}},
        {"\"C:\\Mis mensajes\\uno.sms\"", {false, "C:\\Mis mensajes\\uno.sms"}},
        {"uno.sms", {false, "uno.sms"}},
        {" \thola", {false, " \thola"}},
    };
    for (const auto& [cmd, esperada] : casos) {
        EXPECT_EQ(InterpretarLineaComandos(cmd), esperada) << cmd;
    }
}

TEST(Mensajes, FiltroDelDialogo) {
    EXPECT_EQ(FiltroDialogo(kFiltroMensajes),
              "Mensajes SMS (*.sms)\0 *.sms\0Archivos de Texto (*.txt)\0 *.txt\0"
              "Todos los archivos (*.*) \0 *.*\0\0"s);
    EXPECT_EQ(FiltroDialogo("Archivos TXT (*.txt) | *.txt"), "Archivos TXT (*.txt) \0 *.txt\0\0"s);
    EXPECT_EQ(FiltroDialogo("a|b|"), "a\0b\0\0"s);
}

}  // namespace
}  // namespace rebanex
