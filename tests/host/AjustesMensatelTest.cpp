#include "host/AjustesMensatel.h"

#include <gtest/gtest.h>

#include "settings/Ajustes.h"
#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

const std::string kDirectorio = "C:\\Mensatel\\";
const std::string kRebanex = kDirectorio + "Rebanex.ini";
const std::string kMensatel = kDirectorio + "mensatel.ini";
constexpr int32_t kSinTocar = 0x123456;

class AjustesMensatelTest : public ::testing::Test {
  protected:
    AjustesMensatelTest() { ini.FijarFicheroIni(kRebanex); }

    void EnMensatel(std::string_view seccion, std::string_view clave, std::string_view valor) {
        perfil.EscribirCadena(kMensatel, seccion, clave, valor);
    }
    bool LeerColores() { return LeerColoresMensatel(ini, kDirectorio, texto, fondo); }

    PerfilEnMemoria perfil;
    Ini ini{perfil};
    int32_t texto = kSinTocar, fondo = kSinTocar;
};

TEST_F(AjustesMensatelTest, FondoBlancoYTextoNegro) {
    EnMensatel("colores", "fondo", "16777215");
    EnMensatel("colores", "texto", "0");
    EXPECT_TRUE(LeerColores());
    EXPECT_EQ(fondo, 0xFFFFFF);
    EXPECT_EQ(texto, 0);
    EXPECT_EQ(ini.Fichero(), kRebanex);
}

TEST_F(AjustesMensatelTest, SinTextoNoHayColoresAunqueSeLeyeraElFondo) {
    EnMensatel("colores", "fondo", "255");
    EXPECT_FALSE(LeerColores());
    EXPECT_EQ(fondo, 255);
    EXPECT_EQ(texto, kSinTocar);
    EXPECT_EQ(ini.Fichero(), kRebanex);
}

TEST_F(AjustesMensatelTest, SinFondoNiSeLeeElTexto) {
    EnMensatel("colores", "texto", "255");
    EXPECT_FALSE(LeerColores());
    EXPECT_EQ(fondo, kSinTocar);
    EXPECT_EQ(texto, kSinTocar);
    EXPECT_EQ(ini.Fichero(), kRebanex);
}

TEST_F(AjustesMensatelTest, ValoresRedondeadosYFueraDeRangoIgnorados) {
    EnMensatel("COLORES", "Fondo", " 254.5 ");
    EnMensatel("colores", "texto", "255.5xyz");
    EXPECT_TRUE(LeerColores());
    EXPECT_EQ(fondo, 254);
    EXPECT_EQ(texto, 256);

    EnMensatel("colores", "fondo", "2147483648");
    EnMensatel("colores", "texto", "-2147483648");
    EXPECT_TRUE(LeerColores());
    EXPECT_EQ(fondo, 254);  // kept
    EXPECT_EQ(texto, INT32_MIN);

    EnMensatel("colores", "fondo", "rojo");
    EXPECT_TRUE(LeerColores());
    EXPECT_EQ(fondo, 0);  // not a number reads as 0
}

TEST_F(AjustesMensatelTest, Firma) {
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    EnMensatel("Otra", "firma", "Pepe");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    EnMensatel("Usuario", "firma", "Quelvo");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "Quelvo");
    EXPECT_EQ(ini.Fichero(), kRebanex);
}

TEST_F(AjustesMensatelTest, NoLeeLasClavesDeRebanex) {
    perfil.EscribirCadena(kRebanex, "Usuario", "firma", "Intruso");
    perfil.EscribirCadena(kRebanex, "colores", "fondo", "1");
    perfil.EscribirCadena(kRebanex, "colores", "texto", "1");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    EXPECT_FALSE(LeerColores());
}

TEST_F(AjustesMensatelTest, SinMensatelIniGuardarSigueYendoARebanexIni) {
    ini.FijarFicheroIni("C:\\cualquier\\otro.ini");  // whatever it pointed at, it ends at ours
    EXPECT_FALSE(LeerColores());
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    EXPECT_TRUE(GuardarConfiguracion(ini, Configuracion{}));
    EXPECT_EQ(perfil.Contenido(kRebanex).size(), 1u);
    EXPECT_FALSE(perfil.Existe(kMensatel));
    EXPECT_FALSE(perfil.Existe("C:\\cualquier\\otro.ini"));
}

}  // namespace
}  // namespace rebanex
