// Mensatel's colours and signature, read from its own settings file beside Rebanex.
#include "host/AjustesMensatel.h"

#include <gtest/gtest.h>

#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

const std::string kDirectorio = "C:\\Mensatel\\", kMensatel = kDirectorio + "mensatel.ini";
constexpr int32_t kSinTocar = 0x123456;

// Colours only when both are there; a value outside int32 keeps the old one, anything not a
// number reads as 0. Whatever the settings pointed at before, they end at Rebanex.ini.
TEST(AjustesMensatel, ColoresYFirma) {
    const struct {
        const char *fondo, *texto;  // nullptr: missing
        bool leidos;
        int32_t fondoLeido, textoLeido;
    } casos[] = {
        {nullptr, "255", false, kSinTocar, kSinTocar},
        {"16777215", "0", true, 0xFFFFFF, 0},
        {" 254.5 ", "255.5xyz", true, 254, 256},  // rounded, halves to even
        {"2147483648", "rojo", true, kSinTocar, 0},
    };
    for (const auto& c : casos) {
        PerfilEnMemoria perfil;
        Ini ini(perfil);
        ini.FijarFicheroIni("C:\\cualquier\\otro.ini");
        for (const auto& [clave, valor] : {std::pair{"Fondo", c.fondo}, {"texto", c.texto}}) {
            if (valor) {
                perfil.EscribirCadena(kMensatel, "COLORES", clave, valor);
            }
        }
        int32_t texto = kSinTocar, fondo = kSinTocar;
        EXPECT_EQ(LeerColoresMensatel(ini, kDirectorio, texto, fondo), c.leidos);
        EXPECT_EQ(std::pair(fondo, texto), std::pair(c.fondoLeido, c.textoLeido));
        EXPECT_EQ(ini.Fichero(), kDirectorio + "Rebanex.ini");
        EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    }
    PerfilEnMemoria perfil;
    Ini ini(perfil);
    perfil.EscribirCadena(kDirectorio + "Rebanex.ini", "Usuario", "firma", "Intruso");
    perfil.EscribirCadena(kMensatel, "Otra", "firma", "Pepe");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "");
    perfil.EscribirCadena(kMensatel, "Usuario", "firma", "Quelvo");
    EXPECT_EQ(LeerFirmaMensatel(ini, kDirectorio), "Quelvo");
}

}  // namespace
}  // namespace rebanex
