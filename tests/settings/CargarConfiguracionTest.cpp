#include <gtest/gtest.h>

#include <vector>

#include "settings/Ajustes.h"
#include "settings/PerfilEnMemoria.h"

namespace rebanex {
namespace {

const std::string kDirectorio = "C:\\Mensatel\\";
const std::string kIni = kDirectorio + "Rebanex.ini";
const std::string kReglas = kDirectorio + "Rebanex.txt";
const Rectangulo kPantalla{0, 0, 19200, 14400};
const Rectangulo kVentanaInicial{1200, 900, 6000, 4500};

using Claves = std::vector<std::pair<std::string, std::string>>;

class CargarConfiguracionTest : public ::testing::Test {
  protected:
    CargarConfiguracionTest() {
        ini.FijarFicheroIni(kIni);
        estado.ventana = kVentanaInicial;
    }

    void Guardar(std::string_view clave, std::string_view valor,
                 std::string_view seccion = kSeccionRebanex) {
        perfil.EscribirCadena(kIni, seccion, clave, valor);
    }
    void Cargar() { CargarConfiguracion(ini, kDirectorio, kPantalla, estado); }
    std::string Valor(std::string_view clave, std::string_view seccion = kSeccionRebanex) {
        return perfil.ObtenerCadena(kIni, seccion, clave, "(falta)", 255);
    }
    Claves Seccion(std::size_t i) {
        Claves claves;
        for (const auto& c : perfil.Contenido(kIni).at(i).claves) {
            claves.emplace_back(c.nombre, c.valor);
        }
        return claves;
    }

    PerfilEnMemoria perfil;
    Ini ini{perfil};
    EstadoAjustes estado;
};

TEST_F(CargarConfiguracionTest, PrimerArranqueDejaElFicheroCompletoEnSuOrden) {
    Cargar();

    ASSERT_EQ(perfil.Contenido(kIni).size(), 2u);
    EXPECT_EQ(perfil.Contenido(kIni)[0].nombre, "Rebanex");
    EXPECT_EQ(Seccion(0), (Claves{{"Inverso", "0"},
                                  {"NoAcentos", "1"},
                                  {"NoMultiEspacios", "1"},
                                  {"IndicadorTrozos", "1"},
                                  {"CopiarTrozoAlMensatel", "1"},
                                  {"ObtenerTama\xF1oMsg", "1"},
                                  {"MsgMax", "160"},
                                  {"Letras", "1"},
                                  {"FirmarAutomaticamente", "0"},
                                  {"FirmarEnTrozos", "0"},
                                  {"FirmarEnPosicion", "1"},
                                  {"PosicionVentana", "1"},
                                  {"AutoReemplazar", "0"}}));
    EXPECT_EQ(perfil.Contenido(kIni)[1].nombre, "FicherosReemplazos");
    EXPECT_EQ(Seccion(1), (Claves{{"1", kReglas}, {"2", ""}, {"3", ""}, {"4", ""}, {"5", ""}}));

    EXPECT_EQ(estado.opciones, Configuracion{});
    EXPECT_EQ(estado.ventana, kVentanaInicial);
    EXPECT_EQ(estado.rutaReemplazos, kReglas);
    EXPECT_EQ(estado.ficheros, (std::array<std::string, 5>{kReglas, "", "", "", ""}));
}

TEST_F(CargarConfiguracionTest, SegundoArranqueAnyadeLaPosicionActual) {
    Cargar();
    estado = EstadoAjustes{};
    estado.ventana = {2400, -15, 6000, 4500};
    Cargar();
    EXPECT_EQ(estado.ventana, (Rectangulo{2400, -15, 6000, 4500}));
    const Claves rebanex = Seccion(0);
    ASSERT_EQ(rebanex.size(), 15u);
    EXPECT_EQ(rebanex[13], (std::pair<std::string, std::string>{"PosicionVentanaX", "2400"}));
    EXPECT_EQ(rebanex[14], (std::pair<std::string, std::string>{"PosicionVentanaY", "-15"}));
    EXPECT_EQ(Seccion(1).size(), 5u);

    Cargar();  // a third start changes nothing
    EXPECT_EQ(Seccion(0), rebanex);
}

TEST_F(CargarConfiguracionTest, FicheroDeSoloLecturaArrancaConLosValoresPorDefecto) {
    perfil.SoloLectura(kIni);
    estado.opciones.PosicionVentana = false;
    estado.opciones.AutoReemplazar = true;
    Cargar();
    EXPECT_FALSE(perfil.Existe(kIni));
    Configuracion esperada;
    esperada.PosicionVentana = false;  // missing keys leave these two ticks alone
    esperada.AutoReemplazar = true;
    EXPECT_EQ(estado.opciones, esperada);
    EXPECT_EQ(estado.rutaReemplazos, kReglas);
    EXPECT_EQ(estado.ficheros[0], kReglas);
    EXPECT_EQ(estado.ventana, kVentanaInicial);

    EXPECT_FALSE(GuardarConfiguracion(ini, estado.opciones));
    EXPECT_FALSE(perfil.Existe(kIni));
}

TEST_F(CargarConfiguracionTest, ValoresGuardados) {
    Guardar("Inverso", "1");
    Guardar("NoAcentos", "0");
    Guardar("NoMultiEspacios", "0");
    Guardar("IndicadorTrozos", "0");
    Guardar("copiartrozoalmensatel", "0");
    Guardar("ObtenerTamañoMsg", "0");
    Guardar("MsgMax", "70");
    Guardar("Letras", "3");
    Guardar("FirmarAutomaticamente", "1");
    Guardar("FirmarEnTrozos", "1");
    Guardar("FirmarEnPosicion", "2");
    Guardar("AutoReemplazar", "1");
    Guardar("1", "D:\\reglas.txt", kSeccionFicheros);
    Guardar("3", "E:\\otras.txt", kSeccionFicheros);
    const std::string antes = perfil.Texto(kIni);
    Cargar();

    Configuracion esperada;
    esperada.Inverso = true;
    esperada.NoAcentos = esperada.NoMultiEspacios = esperada.IndicadorTrozos = false;
    esperada.CopiarTrozoAlMensatel = esperada.ObtenerTamanyoMsg = false;
    esperada.MsgMax = "70";
    esperada.Letras = 3;
    esperada.FirmarAutomaticamente = esperada.FirmarEnTrozos = true;
    esperada.FirmarEnPosicion = 2;
    esperada.AutoReemplazar = true;
    EXPECT_EQ(estado.opciones, esperada);
    EXPECT_EQ(estado.rutaReemplazos, "D:\\reglas.txt");
    EXPECT_EQ(estado.ficheros,
              (std::array<std::string, 5>{"D:\\reglas.txt", "", "E:\\otras.txt", "", ""}));
    // Only the missing keys were added, after the existing ones of their section.
    const std::string despues = perfil.Texto(kIni);
    EXPECT_EQ(despues.substr(0, despues.find("[FicherosReemplazos]")),
              antes.substr(0, antes.find("[FicherosReemplazos]")) + "PosicionVentana=1\r\n");
}

TEST_F(CargarConfiguracionTest, ElCentinelaCuentaComoAusenteYSeSobrescribe) {
    Guardar("Inverso", "** error **");
    Guardar("MsgMax", "** error **");
    Guardar("2", "** error **", kSeccionFicheros);
    estado.opciones.Inverso = true;
    Cargar();
    EXPECT_FALSE(estado.opciones.Inverso);
    EXPECT_EQ(estado.opciones.MsgMax, "160");
    EXPECT_EQ(estado.ficheros[1], "");
    EXPECT_EQ(Valor("Inverso"), "0");
    EXPECT_EQ(Valor("MsgMax"), "160");
    EXPECT_EQ(Valor("2", kSeccionFicheros), "");
    EXPECT_EQ(Seccion(0)[0].first, "Inverso");  // overwritten in place
}

TEST_F(CargarConfiguracionTest, PrimeraEntradaVaciaTomaLaRutaPorDefecto) {
    Guardar("1", "", kSeccionFicheros);
    Guardar("2", "D:\\b.txt", kSeccionFicheros);
    Cargar();
    EXPECT_EQ(estado.rutaReemplazos, kReglas);
    EXPECT_EQ(estado.ficheros[0], kReglas);
    EXPECT_EQ(estado.ficheros[1], "D:\\b.txt");
    EXPECT_EQ(Valor("1", kSeccionFicheros), kReglas);
}

TEST_F(CargarConfiguracionTest, OtroDirectorioDeInicio) {
    CargarConfiguracion(ini, "E:\\Otro\\", kPantalla, estado);
    EXPECT_EQ(estado.rutaReemplazos, "E:\\Otro\\Rebanex.txt");
}

// --- one key at a time ---------------------------------------------------------------------

struct CasoClave {
    std::string clave, guardado;  // guardado empty: stored as an empty value
    int esperado;
};

void PrintTo(const CasoClave& c, std::ostream* os) {
    *os << c.clave << "=\"" << c.guardado << '"';
}

class CargarEleccion : public CargarConfiguracionTest,
                       public ::testing::WithParamInterface<CasoClave> {};

TEST_P(CargarEleccion, FueraDe1a3EsLa1) {
    Guardar(GetParam().clave, GetParam().guardado);
    Cargar();
    const int leido =
        GetParam().clave == "Letras" ? estado.opciones.Letras : estado.opciones.FirmarEnPosicion;
    EXPECT_EQ(leido, GetParam().esperado);
    EXPECT_EQ(Valor(GetParam().clave), GetParam().guardado);  // the stored text stays
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, CargarEleccion,
    ::testing::Values(CasoClave{"Letras", "0", 1}, CasoClave{"Letras", "4", 1},
                      CasoClave{"Letras", "x", 1}, CasoClave{"Letras", "", 1},
                      CasoClave{"Letras", "-1", 1}, CasoClave{"Letras", "65537", 1},
                      CasoClave{"Letras", "99999999999", 1}, CasoClave{"Letras", "2", 2},
                      CasoClave{"Letras", " 3 ", 3}, CasoClave{"Letras", "2.5", 2},
                      CasoClave{"Letras", "3.5", 1}, CasoClave{"Letras", "0.6", 1},
                      CasoClave{"FirmarEnPosicion", "2", 2}, CasoClave{"FirmarEnPosicion", "3", 3},
                      CasoClave{"FirmarEnPosicion", "4", 1},
                      CasoClave{"FirmarEnPosicion", "-32769", 1}));

TEST_F(CargarConfiguracionTest, LaPosicionDeLaFirmaDecideSiFirmarTrozosEstaHabilitado) {
    Guardar("FirmarEnPosicion", "3");
    Guardar("FirmarAutomaticamente", "1");
    Guardar("FirmarEnTrozos", "1");
    estado.opciones.FirmarEnTrozosHabilitado = true;
    Cargar();
    EXPECT_TRUE(estado.opciones.FirmarEnTrozos);
    EXPECT_FALSE(estado.opciones.FirmarEnTrozosHabilitado);

    Guardar("FirmarEnPosicion", "1");
    Guardar("FirmarAutomaticamente", "0");
    Cargar();
    EXPECT_TRUE(estado.opciones.FirmarEnTrozosHabilitado);
}

struct CasoTexto {
    std::string guardado, esperado;
};

void PrintTo(const CasoTexto& c, std::ostream* os) {
    *os << '"' << c.guardado << '"';
}

class CargarMsgMax : public CargarConfiguracionTest,
                     public ::testing::WithParamInterface<CasoTexto> {};

TEST_P(CargarMsgMax, LonRecibeElNumeroRedondeado) {
    Guardar("MsgMax", GetParam().guardado);
    Cargar();
    EXPECT_EQ(estado.opciones.MsgMax, GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Tabla, CargarMsgMax,
                         ::testing::Values(CasoTexto{"abc", "0"}, CasoTexto{"", "0"},
                                           CasoTexto{"12a", "12"}, CasoTexto{"  200 ", "200"},
                                           CasoTexto{"160.5", "160"}, CasoTexto{"161.5", "162"},
                                           CasoTexto{"-5", "-5"}, CasoTexto{"1e3", "1"},
                                           CasoTexto{"99999999999", "2147483647"},
                                           CasoTexto{"-99999999999", "-2147483648"}));

struct CasoFlag {
    std::string guardado;
    bool encendido;
};

void PrintTo(const CasoFlag& c, std::ostream* os) {
    *os << '"' << c.guardado << '"';
}

class CargarFlag : public CargarConfiguracionTest,
                   public ::testing::WithParamInterface<CasoFlag> {};

TEST_P(CargarFlag, EncendidoSiElNumeroNoEsCero) {
    Guardar("Inverso", GetParam().guardado);
    Guardar("NoAcentos", GetParam().guardado);
    Guardar("PosicionVentana", GetParam().guardado);
    Guardar("AutoReemplazar", GetParam().guardado);
    estado.opciones.PosicionVentana = !GetParam().encendido;
    estado.opciones.AutoReemplazar = !GetParam().encendido;
    Cargar();
    EXPECT_EQ(estado.opciones.Inverso, GetParam().encendido);
    EXPECT_EQ(estado.opciones.NoAcentos, GetParam().encendido);
    EXPECT_EQ(estado.opciones.PosicionVentana, GetParam().encendido);
    EXPECT_EQ(estado.opciones.AutoReemplazar, GetParam().encendido);
    EXPECT_EQ(Valor("Inverso"), GetParam().guardado);
}

INSTANTIATE_TEST_SUITE_P(Tabla, CargarFlag,
                         ::testing::Values(CasoFlag{"1", true}, CasoFlag{"0", false},
                                           CasoFlag{"-1", true}, CasoFlag{" 2 ", true},
                                           CasoFlag{"1e3", true}, CasoFlag{"0.0", false},
                                           CasoFlag{"0e5", false}, CasoFlag{".5", true},
                                           CasoFlag{"si", false}, CasoFlag{"", false}));

// --- window position -----------------------------------------------------------------------

TEST_F(CargarConfiguracionTest, PosicionVentanaMarcadaColocaLaVentana) {
    Guardar("PosicionVentana", "1");
    Guardar("PosicionVentanaX", "-300");
    Guardar("PosicionVentanaY", "450.5");
    estado.opciones.PosicionVentana = false;
    Cargar();
    EXPECT_TRUE(estado.opciones.PosicionVentana);
    EXPECT_EQ(estado.ventana, (Rectangulo{-300, 450, 6000, 4500}));
}

TEST_F(CargarConfiguracionTest, PosicionVentanaMarcadaSinCoordenadasEscribeLasActuales) {
    Guardar("PosicionVentana", "1");
    Guardar("PosicionVentanaY", "30");
    Cargar();
    EXPECT_EQ(estado.ventana, (Rectangulo{1200, 30, 6000, 4500}));
    EXPECT_EQ(Valor("PosicionVentanaX"), "1200");
    EXPECT_EQ(Valor("PosicionVentanaY"), "30");
}

TEST_F(CargarConfiguracionTest, PosicionVentanaDesmarcadaCentraEnPantalla) {
    Guardar("PosicionVentana", "0");
    Guardar("PosicionVentanaX", "10");
    Guardar("PosicionVentanaY", "10");
    estado.ventana = {10, 10, 6001, 4500};
    CargarConfiguracion(ini, kDirectorio, Rectangulo{0, 0, 19200, 14401}, estado);
    EXPECT_FALSE(estado.opciones.PosicionVentana);
    EXPECT_EQ(estado.ventana, (Rectangulo{6599.5, 4950.5, 6001, 4500}));
}

TEST_F(CargarConfiguracionTest, PosicionVentanaCentradaEnPrecisionSimple) {
    Guardar("PosicionVentana", "0");
    estado.ventana = {0, 0, 0, 0};
    CargarConfiguracion(ini, kDirectorio, Rectangulo{0, 0, 33554433, 0}, estado);
    EXPECT_EQ(estado.ventana.izquierda, 16777216.0);  // 33554433 / 2 in double is 16777216.5
}

TEST_F(CargarConfiguracionTest, PosicionVentanaAusenteSeEscribeSinMoverNada) {
    Guardar("PosicionVentanaX", "10");
    Guardar("PosicionVentanaY", "10");
    estado.opciones.PosicionVentana = false;
    Cargar();
    EXPECT_EQ(Valor("PosicionVentana"), "1");
    EXPECT_FALSE(estado.opciones.PosicionVentana);
    EXPECT_EQ(estado.ventana, kVentanaInicial);
}

}  // namespace
}  // namespace rebanex
