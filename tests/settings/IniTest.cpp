#include "settings/Ini.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

const std::string kRuta = "C:\\Rebanex\\Rebanex.ini";

// What the platform call receives and hands back.
class PerfilEspia : public PerfilEnMemoria {
  public:
    std::string ObtenerCadena(const std::string& fichero, std::string_view seccion,
                              std::string_view clave, std::string_view porDefecto,
                              std::size_t tamano) override {
        pedido = {std::string(porDefecto), tamano};
        return respuesta
                   ? *respuesta
                   : PerfilEnMemoria::ObtenerCadena(fichero, seccion, clave, porDefecto, tamano);
    }
    std::pair<std::string, std::size_t> pedido;
    std::optional<std::string> respuesta;
};

TEST(Ini, LeerIniConElCentinelaYUnBufferDe255) {
    PerfilEspia perfil;
    Ini ini(perfil);
    ini.FijarFicheroIni(kRuta);
    const auto leer = [&](std::string_view clave) {
        std::string valor = "sin tocar";
        const bool hay = ini.LeerIni("Rebanex", clave, valor);
        return std::make_pair(hay, valor);
    };
    perfil.EscribirCadena(kRuta, "Rebanex", "MsgMax", "160");
    perfil.EscribirCadena(kRuta, "Rebanex", "Vacia", "");
    perfil.EscribirCadena(kRuta, "Rebanex", "Largo", std::string(300, 'x'));
    perfil.EscribirCadena(kRuta, "Rebanex", "Centinela", "** error **");
    perfil.EscribirCadena(kRuta, "Rebanex", "Casi", "** error ** ");
    EXPECT_EQ(leer("MsgMax"), std::make_pair(true, std::string("160")));
    EXPECT_EQ(perfil.pedido, std::make_pair(std::string("** error **"), std::size_t{255}));
    EXPECT_EQ(leer("Vacia"), std::make_pair(true, std::string()));
    EXPECT_EQ(leer("NoEsta"), std::make_pair(false, std::string()));
    EXPECT_EQ(leer("Largo"), std::make_pair(true, std::string(254, 'x')));
    EXPECT_EQ(leer("Centinela"), std::make_pair(false, std::string()));
    EXPECT_EQ(leer("Casi"), std::make_pair(true, std::string("** error ** ")));
    perfil.respuesta = std::string(400, 'z');  // even when the platform gives back more
    EXPECT_EQ(leer("MsgMax"), std::make_pair(true, std::string(254, 'z')));
}

TEST(Ini, EscribirIniEnElFicheroFijado) {
    PerfilEnMemoria perfil;
    Ini ini(perfil);
    ini.FijarFicheroIni(kRuta);
    EXPECT_TRUE(ini.EscribirIni("Rebanex", "MsgMax", "150"));
    perfil.SoloLectura(kRuta);
    EXPECT_FALSE(ini.EscribirIni("Rebanex", "MsgMax", "99"));
    EXPECT_EQ(perfil.Texto(kRuta), "[Rebanex]\r\nMsgMax=150\r\n");
}

TEST(Ini, ConBarraFinal) {
    EXPECT_EQ(ConBarraFinal(""), "\\");
    EXPECT_EQ(ConBarraFinal("C:\\Mensatel"), "C:\\Mensatel\\");
    EXPECT_EQ(ConBarraFinal("C:\\Mensatel\\"), "C:\\Mensatel\\");
}

}  // namespace
}  // namespace rebanex
