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
    // Whatever the settings access pointed at before, it ends at Rebanex.ini.
    AjustesMensatelTest() { ini.FijarFicheroIni("C:\\cualquier\\otro.ini"); }

    void EnMensatel(std::string_view seccion, std::string_view clave, std::string_view valor) {
        perfil.EscribirCadena(kMensatel, seccion, clave, valor);
    }
    bool LeerColores() {
        const bool leidos = LeerColoresMensatel(ini, kDirectorio, texto, fondo);
        EXPECT_EQ(ini.Fichero(), kRebanex);
        return leidos;
    }

    PerfilEnMemoria perfil;
    Ini ini{perfil};
    int32_t texto = kSinTocar, fondo = kSinTocar;
};

TEST_F(AjustesMensatelTest, ColoresSoloConFondoYTexto) {
    EnMensatel("colores", "texto", "255");
    EXPECT_FALSE(LeerColores());  // without a background the text is not even read
    EXPECT_EQ(texto, kSinTocar);
    EnMensatel("colores", "fondo", "16777215");
    EnMensatel("colores", "texto", "0");
    EXPECT_TRUE(LeerColores());
    EXPECT_EQ(fondo, 0xFFFFFF);
    EXPECT_EQ(texto, 0);

    PerfilEnMemoria otro;
    Ini soloFondo(otro);
    otro.EscribirCadena(kMensatel, "colores", "fondo", "255");
    EXPECT_FALSE(LeerColoresMensatel(soloFondo, kDirectorio, texto, fondo));
    EXPECT_EQ(fondo, 255);  // read, though no colour is applied
    EXPECT_EQ(soloFondo.Fichero(), kRebanex);
}

TEST_F(AjustesMensatelTest, ValoresRedondeadosYFueraDeRangoIgnorados) {
    EnMensatel("COLORES", "Fondo", " 254.5 ");
    EnMensatel("colores", "texto", "255.5xyz");
    EXPECT_TRUE(LeerColores());
    EXPECT_EQ(fondo, 254);
    EXPECT_EQ(texto, 256);
    EnMensatel("colores", "fondo", "2147483648");
    EnMensatel("colores", "texto", "rojo");
    EXPECT_TRUE(LeerColores());
    EXPECT_EQ(fondo, 254);  // kept
    EXPECT_EQ(texto, 0);    // not a number reads as 0
}

TEST_F(AjustesMensatelTest, SinMensatelIniNadaYSeGuardaEnRebanexIni) {
    perfil.EscribirCadena(kRebanex, "Usuario", "firma", "Intruso");
    perfil.EscribirCadena(kRebanex, "colores", "fondo", "1");
    perfil.EscribirCadena(kRebanex, "colores", "texto", "1");
    EXPECT_FALSE(LeerColores());
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    EXPECT_TRUE(GuardarConfiguracion(ini, Configuracion{}));
    EXPECT_EQ(perfil.Contenido(kRebanex).size(), 3u);
    EXPECT_FALSE(perfil.Existe(kMensatel));
    EXPECT_FALSE(perfil.Existe("C:\\cualquier\\otro.ini"));
}

TEST_F(AjustesMensatelTest, Firma) {
    EnMensatel("Otra", "firma", "Pepe");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    EnMensatel("Usuario", "firma", "Quelvo");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "Quelvo");
    EXPECT_EQ(ini.Fichero(), kRebanex);
}

}  // namespace
}  // namespace rebanex
