#include "cli/OpcionesPorClave.h"

#include <gtest/gtest.h>

namespace rebanex::consola {
namespace {

TEST(TrocearOpcionesPorClave, CadaValorComoLoGuardaElFicheroDeAjustes) {
    Configuracion c;
    // Flags: on for any number other than zero, off for anything else.
    for (const char* clave :
         {"Inverso", "NoAcentos", "NoMultiEspacios", "IndicadorTrozos", "FirmarAutomaticamente",
          "FirmarEnTrozos", "AutoReemplazar", "CopiarTrozoAlMensatel", "ObtenerTamañoMsg"}) {
        ASSERT_TRUE(AsignarOpcion(c, clave, "1e3")) << clave;
    }
    ASSERT_TRUE(AsignarOpcion(c, "obtenertamanyomsg", "0"));
    ASSERT_TRUE(AsignarOpcion(c, "NOACENTOS", "si"));
    ASSERT_TRUE(AsignarOpcion(c, "NoMultiEspacios", "1x"));
    // Choices: rounded, halves to even, anything outside 1 to 3 is 1.
    ASSERT_TRUE(AsignarOpcion(c, "Letras", "2.5"));
    ASSERT_TRUE(AsignarOpcion(c, "FirmarEnPosicion", "3.5"));
    // MsgMax keeps the text, checked later like the text of Lon.
    ASSERT_TRUE(AsignarOpcion(c, "MsgMax", " 0160"));

    Configuracion esperada;
    esperada.Inverso = esperada.IndicadorTrozos = esperada.FirmarAutomaticamente = true;
    esperada.FirmarEnTrozos = esperada.AutoReemplazar = esperada.CopiarTrozoAlMensatel = true;
    esperada.NoAcentos = esperada.NoMultiEspacios = esperada.ObtenerTamanyoMsg = false;
    esperada.Letras = 2;
    esperada.FirmarEnPosicion = 1;
    esperada.MsgMax = " 0160";
    EXPECT_EQ(c, esperada);

    for (const char* desconocida : {"PosicionVentanaX", "Inverso ", "", "Letra"}) {
        EXPECT_FALSE(EsClaveDeOpcion(desconocida));
        EXPECT_FALSE(AsignarOpcion(c, desconocida, "1"));
    }
    EXPECT_EQ(c, esperada);
}

}  // namespace
}  // namespace rebanex::consola
