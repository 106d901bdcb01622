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

// Colours come from mensatel.ini only when both are there; a value outside int32 keeps the
// old one, anything not a number reads as 0.
TEST(AjustesMensatel, Colores) {
    const struct {
        const char* fondo;  // nullptr: missing
        const char* texto;
        bool leidos;
        int32_t fondoLeido, textoLeido;
    } casos[] = {
        {nullptr, "255", false, kSinTocar, kSinTocar},  // the text is not even read
        {"255", nullptr, false, 255, kSinTocar},        // read, though no colour is applied
        {"16777215", "0", true, 0xFFFFFF, 0},
        {" 254.5 ", "255.5xyz", true, 254, 256},  // rounded, halves to even
        {"2147483648", "rojo", true, kSinTocar, 0},
    };
    for (const auto& c : casos) {
        PerfilEnMemoria perfil;
        Ini ini(perfil);
        ini.FijarFicheroIni("C:\\cualquier\\otro.ini");
        if (c.fondo) {
            perfil.EscribirCadena(kMensatel, "COLORES", "Fondo", c.fondo);
        }
        if (c.texto) {
            perfil.EscribirCadena(kMensatel, "colores", "texto", c.texto);
        }
        int32_t texto = kSinTocar, fondo = kSinTocar;
        EXPECT_EQ(LeerColoresMensatel(ini, kDirectorio, texto, fondo), c.leidos);
        EXPECT_EQ(fondo, c.fondoLeido);
        EXPECT_EQ(texto, c.textoLeido);
        // Whatever the settings access pointed at before, it ends at Rebanex.ini.
        EXPECT_EQ(ini.Fichero(), kRebanex);
    }
}

TEST(AjustesMensatel, FirmaYNadaMasDeRebanexIni) {
    PerfilEnMemoria perfil;
    Ini ini(perfil);
    perfil.EscribirCadena(kRebanex, "Usuario", "firma", "Intruso");
    perfil.EscribirCadena(kRebanex, "colores", "fondo", "1");
    perfil.EscribirCadena(kRebanex, "colores", "texto", "1");
    int32_t texto = 0, fondo = 0;
    EXPECT_FALSE(LeerColoresMensatel(ini, kDirectorio, texto, fondo));
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    EXPECT_FALSE(perfil.Existe(kMensatel));
    perfil.EscribirCadena(kMensatel, "Otra", "firma", "Pepe");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    perfil.EscribirCadena(kMensatel, "Usuario", "firma", "Quelvo");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "Quelvo");
    EXPECT_EQ(ini.Fichero(), kRebanex);
    EXPECT_TRUE(GuardarConfiguracion(ini, Configuracion{}));  // saved where it belongs
    EXPECT_EQ(perfil.Contenido(kRebanex).size(), 3u);
}

}  // namespace
}  // namespace rebanex
