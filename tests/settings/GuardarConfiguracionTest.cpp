#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/Ajustes.h"
#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

using ::testing::_;
using ::testing::Return;

const std::string kDirectorio = "C:\\Mensatel\\";
const std::string kIni = kDirectorio + "Rebanex.ini";

class GuardarConfiguracionTest : public ::testing::Test {
  protected:
    GuardarConfiguracionTest() { ini.FijarFicheroIni(kIni); }

    PerfilEnMemoria perfil;
    Ini ini{perfil};
};

TEST_F(GuardarConfiguracionTest, EscribeLasOpcionesEnSuOrden) {
    Configuracion c;
    c.Inverso = true;
    c.NoAcentos = false;
    c.MsgMax = "";
    c.Letras = 2;
    c.FirmarEnTrozos = true;
    c.FirmarEnTrozosHabilitado = false;  // the tick is saved even while disabled
    c.FirmarEnPosicion = 3;
    c.AutoReemplazar = true;
    c.PosicionVentana = false;  // its own command writes it, not this one
    EXPECT_TRUE(GuardarConfiguracion(ini, c));
    EXPECT_EQ(perfil.Texto(kIni),
              "[Rebanex]\r\n"
              "Inverso=1\r\nNoAcentos=0\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
              "CopiarTrozoAlMensatel=1\r\nObtenerTama\xF1oMsg=1\r\nMsgMax=\r\nLetras=2\r\n"
              "FirmarAutomaticamente=0\r\nFirmarEnTrozos=1\r\nFirmarEnPosicion=3\r\n"
              "AutoReemplazar=1\r\n");
}

TEST_F(GuardarConfiguracionTest, GuardarYCargarDeNuevo) {
    Configuracion c;
    c.Inverso = c.AutoReemplazar = c.FirmarAutomaticamente = true;
    c.NoMultiEspacios = false;
    c.Letras = 3;
    c.FirmarEnPosicion = 2;
    c.MsgMax = "12a";  // stored as typed, read back as its number
    ASSERT_TRUE(GuardarConfiguracion(ini, c));
    EXPECT_EQ(perfil.ObtenerCadena(kIni, "Rebanex", "MsgMax", "", 255), "12a");

    EstadoAjustes estado;
    CargarConfiguracion(ini, kDirectorio, Rectangulo{}, estado);
    c.MsgMax = "12";
    EXPECT_EQ(estado.opciones, c);
}

TEST_F(GuardarConfiguracionTest, MsgMaxNoNumericoSeLeeComoCero) {
    perfil.EscribirCadena(kIni, "Rebanex", "MsgMax", "abc");
    EstadoAjustes estado;
    CargarConfiguracion(ini, kDirectorio, Rectangulo{}, estado);
    EXPECT_EQ(estado.opciones.MsgMax, "0");
    ASSERT_TRUE(GuardarConfiguracion(ini, estado.opciones));
    EXPECT_EQ(perfil.ObtenerCadena(kIni, "Rebanex", "MsgMax", "", 255), "0");
}

TEST_F(GuardarConfiguracionTest, NoTocaLaPosicionNiLosFicheros) {
    perfil.EscribirCadena(kIni, "Rebanex", "PosicionVentana", "0");
    perfil.EscribirCadena(kIni, "FicherosReemplazos", "1", "D:\\r.txt");
    ASSERT_TRUE(GuardarConfiguracion(ini, Configuracion{}));
    EXPECT_EQ(perfil.ObtenerCadena(kIni, "Rebanex", "PosicionVentana", "", 255), "0");
    EXPECT_EQ(perfil.ObtenerCadena(kIni, "FicherosReemplazos", "1", "", 255), "D:\\r.txt");
    EXPECT_EQ(perfil.Contenido(kIni).size(), 2u);
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

TEST(GuardarConfiguracionResultado, SoloCuentaLaUltimaEscritura) {
    PerfilEspia perfil;
    Ini ini(perfil);
    ini.FijarFicheroIni(kIni);

    EXPECT_CALL(perfil, EscribirCadena(kIni, _, _, _)).Times(11).WillRepeatedly(Return(false));
    EXPECT_CALL(perfil, EscribirCadena(kIni, _, std::string_view("AutoReemplazar"), _))
        .WillOnce(Return(true));
    EXPECT_TRUE(GuardarConfiguracion(ini, Configuracion{}));
    ::testing::Mock::VerifyAndClearExpectations(&perfil);

    EXPECT_CALL(perfil, EscribirCadena(kIni, _, _, _)).Times(11).WillRepeatedly(Return(true));
    EXPECT_CALL(perfil, EscribirCadena(kIni, _, std::string_view("AutoReemplazar"), _))
        .WillOnce(Return(false));
    EXPECT_FALSE(GuardarConfiguracion(ini, Configuracion{}));
}

TEST(GuardarConfiguracionResultado, LaPosicionLaDecideLaSegundaEscritura) {
    PerfilEspia perfil;
    Ini ini(perfil);
    ini.FijarFicheroIni(kIni);
    {
        ::testing::InSequence orden;
        EXPECT_CALL(perfil,
                    EscribirCadena(kIni, std::string_view("Rebanex"),
                                   std::string_view("PosicionVentanaX"), std::string_view("1440")))
            .WillOnce(Return(false));
        EXPECT_CALL(perfil,
                    EscribirCadena(kIni, std::string_view("Rebanex"),
                                   std::string_view("PosicionVentanaY"), std::string_view("-15")))
            .WillOnce(Return(true));
    }
    EXPECT_TRUE(GuardarPosicionVentana(ini, 1440, -15));
}

TEST_F(GuardarConfiguracionTest, PosicionGuardadaSeLeeAlArrancar) {
    perfil.EscribirCadena(kIni, "Rebanex", "PosicionVentana", "1");
    ASSERT_TRUE(GuardarPosicionVentana(ini, 3000, 45));
    EstadoAjustes estado;
    CargarConfiguracion(ini, kDirectorio, Rectangulo{}, estado);
    EXPECT_EQ(estado.ventana.izquierda, 3000);
    EXPECT_EQ(estado.ventana.arriba, 45);

    perfil.SoloLectura(kIni);
    EXPECT_FALSE(GuardarPosicionVentana(ini, 1, 1));
}

TEST(GuardarConfiguracionTwips, TextoDelBorde) {
    EXPECT_EQ(TextoTwips(1440), "1440");
    EXPECT_EQ(TextoTwips(-15), "-15");
    EXPECT_EQ(TextoTwips(0), "0");
    EXPECT_EQ(TextoTwips(-0.0), "0");
    EXPECT_EQ(TextoTwips(1234.5), "1234.5");
    EXPECT_EQ(TextoTwips(0.1), "0.1");
    EXPECT_EQ(TextoTwips(16777217), "16777216");  // single precision
    EXPECT_EQ(TextoTwips(12345678), "12345678");  // never an exponent
}

TEST(GuardarConfiguracionAvisos, TextosExactos) {
    const std::string cola =
        "\r\rEl fichero 'Rebanex.ini' tendr\xE1 el atributo de Solo Lectura\r"
        "o estar\xE1 en un dispositivo sin capacidad/permisos de escritura\r\r";
    const Aviso configuracion = AvisoErrorGuardarConfiguracion();
    EXPECT_EQ(configuracion.texto,
              "Cagon toooo!! Error al intentar Guardar la Configuraci\xF3n !!" + cola);
    EXPECT_EQ(configuracion.titulo, "Rebanex (by Quelvo)");
    EXPECT_EQ(configuracion.icono, Icono::Exclamacion);
    EXPECT_EQ(configuracion.botones, Botones::Aceptar);

    const Aviso posicion = AvisoErrorGuardarPosicion();
    EXPECT_EQ(posicion.texto, "Cagon toooo!! Error al intentar Guardar la Posicion!!" + cola);
    EXPECT_EQ(posicion.titulo, "Rebanex (by Quelvo)");
    EXPECT_EQ(posicion.icono, Icono::Exclamacion);
    EXPECT_EQ(posicion.botones, Botones::Aceptar);
    EXPECT_EQ(kEstadoConfiguracionGuardada, "OK! Configuraci\xF3n Guardada!!");
}

}  // namespace
}  // namespace rebanex
