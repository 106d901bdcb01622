#include "settings/Ini.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

const std::string kRuta = "C:\\Rebanex\\Rebanex.ini";

TEST(Ini, LeerYEscribirEnElFicheroFijado) {
    PerfilEnMemoria perfil;
    Ini ini(perfil);
    ini.FijarFicheroIni(kRuta);
    const std::pair<std::string, std::string> guardados[] = {
        {"MsgMax", "160"},
        {"Vacia", ""},
        {"Largo", std::string(300, 'x')},
        {"Centinela", "** error **"},  // what the system answers for a missing key
        {"Casi", "** error ** "}};
    for (const auto& [clave, valor] : guardados) {
        EXPECT_TRUE(ini.EscribirIni("Rebanex", clave, valor));
    }
    const auto leer = [&](std::string_view clave) {
        std::string valor = "sin tocar";
        const bool hay = ini.LeerIni("Rebanex", clave, valor);
        return std::make_pair(hay, valor);
    };
    EXPECT_EQ(leer("MsgMax"), std::make_pair(true, std::string("160")));
    EXPECT_EQ(leer("Vacia"), std::make_pair(true, std::string()));
    EXPECT_EQ(leer("NoEsta"), std::make_pair(false, std::string()));
    EXPECT_EQ(leer("Largo"), std::make_pair(true, std::string(254, 'x')));  // a 255-byte buffer
    EXPECT_EQ(leer("Centinela"), std::make_pair(false, std::string()));
    EXPECT_EQ(leer("Casi"), std::make_pair(true, std::string("** error ** ")));
    perfil.SoloLectura(kRuta);
    EXPECT_FALSE(ini.EscribirIni("Rebanex", "MsgMax", "99"));
    EXPECT_EQ(leer("MsgMax").second, "160");
}

TEST(Ini, ConBarraFinal) {
    EXPECT_EQ(ConBarraFinal(""), "\\");
    EXPECT_EQ(ConBarraFinal("C:\\Mensatel"), "C:\\Mensatel\\");
    EXPECT_EQ(ConBarraFinal("C:\\Mensatel\\"), "C:\\Mensatel\\");
}

}  // namespace
}  // namespace rebanex
