#include "settings/Ini.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

using ::testing::_;
using ::testing::Return;

const std::string kRuta = "C:\\Rebanex\\Rebanex.ini";

class IniLeer : public ::testing::Test {
  protected:
    IniLeer() { ini.FijarFicheroIni(kRuta); }

    std::pair<bool, std::string> Leer(std::string_view clave) {
        std::string valor = "sin tocar";
        const bool hay = ini.LeerIni("Rebanex", clave, valor);
        return {hay, valor};
    }

    PerfilEnMemoria perfil;
    Ini ini{perfil};
};

TEST_F(IniLeer, ClavePresenteAusenteYVacia) {
    perfil.EscribirCadena(kRuta, "Rebanex", "MsgMax", "160");
    perfil.EscribirCadena(kRuta, "Rebanex", "Vacia", "");
    EXPECT_EQ(Leer("MsgMax"), std::make_pair(true, std::string("160")));
    EXPECT_EQ(Leer("Vacia"), std::make_pair(true, std::string()));
    EXPECT_EQ(Leer("NoEsta"), std::make_pair(false, std::string()));
}

TEST_F(IniLeer, ElCentinelaCuentaComoAusente) {
    perfil.EscribirCadena(kRuta, "Rebanex", "Inverso", "** error **");
    EXPECT_EQ(Leer("Inverso"), std::make_pair(false, std::string()));
    perfil.EscribirCadena(kRuta, "Rebanex", "Inverso", "** error ** ");
    EXPECT_EQ(Leer("Inverso"), std::make_pair(true, std::string("** error ** ")));
}

TEST_F(IniLeer, ValoresCortadosA254) {
    const std::string largo(300, 'x');
    perfil.EscribirCadena(kRuta, "Rebanex", "Largo", largo);
    perfil.EscribirCadena(kRuta, "Rebanex", "Justo", std::string(254, 'y'));
    EXPECT_EQ(Leer("Largo"), std::make_pair(true, std::string(254, 'x')));
    EXPECT_EQ(Leer("Justo"), std::make_pair(true, std::string(254, 'y')));
}

TEST(IniEscribir, EscribeEnElFicheroFijadoYDevuelveElResultado) {
    PerfilEnMemoria perfil;
    Ini ini(perfil);
    ini.FijarFicheroIni(kRuta);
    EXPECT_TRUE(ini.EscribirIni("Rebanex", "MsgMax", "150"));
    EXPECT_EQ(perfil.Texto(kRuta), "[Rebanex]\r\nMsgMax=150\r\n");

    perfil.SoloLectura(kRuta);
    EXPECT_FALSE(ini.EscribirIni("Rebanex", "MsgMax", "99"));
    EXPECT_EQ(perfil.Texto(kRuta), "[Rebanex]\r\nMsgMax=150\r\n");
}

class PerfilEspia : public PerfilPrivado {
  public:
    MOCK_METHOD(std::string, ObtenerCadena,
                (const std::string&, std::string_view, std::string_view, std::string_view,
                 std::size_t),
                (override));
    MOCK_METHOD(bool, EscribirCadena,
                (const std::string&, std::string_view, std::string_view, std::string_view),
                (override));
};

// What the Win32 side receives: the sentinel as default and a 255-character buffer.
TEST(IniLlamadas, PideConElCentinelaYUnBufferDe255) {
    PerfilEspia perfil;
    Ini ini(perfil);
    ini.FijarFicheroIni(kRuta);
    EXPECT_CALL(perfil, ObtenerCadena(kRuta, std::string_view("colores"), std::string_view("fondo"),
                                      std::string_view("** error **"), 255u))
        .WillOnce(Return(std::string(400, 'z')));
    std::string valor;
    EXPECT_TRUE(ini.LeerIni("colores", "fondo", valor));
    EXPECT_EQ(valor, std::string(254, 'z'));  // even when the platform gives back more

    EXPECT_CALL(perfil, EscribirCadena(kRuta, std::string_view("Rebanex"),
                                       std::string_view("Letras"), std::string_view("2")))
        .WillOnce(Return(false));
    EXPECT_FALSE(ini.EscribirIni("Rebanex", "Letras", "2"));
}

struct CasoBarra {
    std::string ruta, esperada;
};

class IniConBarraFinal : public ::testing::TestWithParam<CasoBarra> {};

TEST_P(IniConBarraFinal, UnaSolaBarraAlFinal) {
    EXPECT_EQ(ConBarraFinal(GetParam().ruta), GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(Tabla, IniConBarraFinal,
                         ::testing::Values(CasoBarra{"", "\\"}, CasoBarra{"C:\\", "C:\\"},
                                           CasoBarra{"C:\\Mensatel", "C:\\Mensatel\\"},
                                           CasoBarra{"C:\\Mensatel\\", "C:\\Mensatel\\"},
                                           CasoBarra{"C:\\a\\\\", "C:\\a\\\\"},
                                           CasoBarra{"/home/x/", "/home/x/\\"}));

}  // namespace
}  // namespace rebanex
