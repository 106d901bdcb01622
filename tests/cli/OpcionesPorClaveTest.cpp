#include "cli/OpcionesPorClave.h"

#include <gtest/gtest.h>

namespace rebanex::consola {
namespace {

bool Flag(std::string_view clave, const std::string& valor, bool antes) {
    Configuracion c;
    c.Inverso = c.AutoReemplazar = antes;
    EXPECT_TRUE(AsignarOpcion(c, clave, valor));
    return clave == "Inverso" ? c.Inverso : c.AutoReemplazar;
}

TEST(TrocearOpcionesPorClave, UnFlagSeEnciendeConCualquierNumeroDistintoDeCero) {
    EXPECT_TRUE(Flag("Inverso", "1", false));
    EXPECT_TRUE(Flag("Inverso", "2", false));
    EXPECT_TRUE(Flag("Inverso", "-1", false));
    EXPECT_TRUE(Flag("Inverso", "1e3", false));
    EXPECT_TRUE(Flag("AutoReemplazar", " 1", false));
    EXPECT_FALSE(Flag("Inverso", "0", true));
    EXPECT_FALSE(Flag("Inverso", "0.0", true));
    EXPECT_FALSE(Flag("Inverso", "si", true));
    EXPECT_FALSE(Flag("AutoReemplazar", "", true));
}

TEST(TrocearOpcionesPorClave, CadaClaveCambiaSuOpcion) {
    Configuracion c;
    c.NoAcentos = c.NoMultiEspacios = c.IndicadorTrozos = c.CopiarTrozoAlMensatel = true;
    c.ObtenerTamanyoMsg = true;
    for (const char* clave : {"NoAcentos", "NoMultiEspacios", "IndicadorTrozos",
                              "CopiarTrozoAlMensatel", "ObtenerTamañoMsg"}) {
        ASSERT_TRUE(AsignarOpcion(c, clave, "0")) << clave;
    }
    ASSERT_TRUE(AsignarOpcion(c, "FirmarAutomaticamente", "1"));
    ASSERT_TRUE(AsignarOpcion(c, "FirmarEnTrozos", "1"));
    Configuracion esperada;
    esperada.NoAcentos = esperada.NoMultiEspacios = esperada.IndicadorTrozos = false;
    esperada.CopiarTrozoAlMensatel = esperada.ObtenerTamanyoMsg = false;
    esperada.FirmarAutomaticamente = esperada.FirmarEnTrozos = true;
    EXPECT_EQ(c, esperada);
}

TEST(TrocearOpcionesPorClave, LasEleccionesSeRedondeanYFueraDeRangoSonUno) {
    const auto letras = [](const std::string& valor) {
        Configuracion c;
        c.Letras = 2;
        AsignarOpcion(c, "Letras", valor);
        return c.Letras;
    };
    EXPECT_EQ(letras("3"), 3);
    EXPECT_EQ(letras("2.5"), 2);  // halves to even
    EXPECT_EQ(letras("2.6"), 3);
    EXPECT_EQ(letras("3.5"), 1);  // 4
    EXPECT_EQ(letras("0"), 1);
    EXPECT_EQ(letras("-2"), 1);
    EXPECT_EQ(letras("abc"), 1);
    EXPECT_EQ(letras("2abc"), 2);

    Configuracion c;
    ASSERT_TRUE(AsignarOpcion(c, "FirmarEnPosicion", "3"));
    EXPECT_EQ(c.FirmarEnPosicion, 3);
    ASSERT_TRUE(AsignarOpcion(c, "FirmarEnPosicion", "7"));
    EXPECT_EQ(c.FirmarEnPosicion, 1);
}

TEST(TrocearOpcionesPorClave, MsgMaxGuardaElTextoTalCual) {
    Configuracion c;
    for (const std::string valor : {"0160", " 160", "abc", "", "-5", "1e3"}) {
        ASSERT_TRUE(AsignarOpcion(c, "MsgMax", valor));
        EXPECT_EQ(c.MsgMax, valor);
    }
}

TEST(TrocearOpcionesPorClave, LasClavesNoDistinguenMayusculas) {
    Configuracion c;
    EXPECT_TRUE(AsignarOpcion(c, "inverso", "1"));
    EXPECT_TRUE(c.Inverso);
    EXPECT_TRUE(AsignarOpcion(c, "MSGMAX", "99"));
    EXPECT_EQ(c.MsgMax, "99");
    EXPECT_TRUE(EsClaveDeOpcion("OBTENERTAMAÑOMSG"));
    EXPECT_TRUE(EsClaveDeOpcion("ObtenerTamanyoMsg"));
}

TEST(TrocearOpcionesPorClave, UnaClaveDesconocidaNoCambiaNada) {
    Configuracion c;
    EXPECT_FALSE(AsignarOpcion(c, "PosicionVentanaX", "10"));
    EXPECT_FALSE(AsignarOpcion(c, "Inverso ", "1"));
    EXPECT_FALSE(AsignarOpcion(c, "", "1"));
    EXPECT_FALSE(AsignarOpcion(c, "Letra", "2"));
    EXPECT_EQ(c, Configuracion{});
}

}  // namespace
}  // namespace rebanex::consola
