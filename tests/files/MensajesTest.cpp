// Message files: line ends, the telephone trailer, the command line.
#include "files/Mensajes.h"

#include <gtest/gtest.h>

#include <string>

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
    EXPECT_EQ(InterpretarLineaComandos("\thola que tal"), (LineaComandos{true, "hola que tal"}));
    EXPECT_EQ(InterpretarLineaComandos("\"C:\\Mis mensajes\\uno.sms\""),
              (LineaComandos{false, "C:\\Mis mensajes\\uno.sms"}));
    EXPECT_EQ(InterpretarLineaComandos(" \thola"), (LineaComandos{false, " \thola"}));
}

}  // namespace
}  // namespace rebanex
