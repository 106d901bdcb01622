// Loading and saving Rebanex.ini: keys in order, stored and missing values, atomic saves.
#include "settings/Ajustes.h"

#include <gtest/gtest.h>

#include <functional>

#include "settings/LoteIni.h"
#include "sistema/PerfilFichero.h"
#include "sistema/SistemaSimulado.h"

namespace rebanex::pruebas {
namespace {
const std::string kIni = "C:\\M\\Rebanex.ini", kReglas = "C:\\M\\Rebanex.txt";
using Ficheros = std::array<std::string, 5>;

struct AjustesTest : ::testing::Test {
    AjustesTest() { ini.FijarFicheroIni(kIni); }
    void Guardar(std::string_view clave, std::string_view valor,
                 std::string_view seccion = kSeccionRebanex) {
        perfil.EscribirCadena(kIni, seccion, clave, valor);
    }
    void Cargar(const std::string& directorio = "C:\\M\\") {
        CargarAjustes(ini, disco, directorio, {0, 0, 19200, 14400}, estado, avisador);
    }
    std::string Texto() { return disco.ficheros[kIni]; }

    DiscoSimulado disco;
    PerfilFichero perfil{disco};
    Ini ini{perfil};
    EstadoAjustes estado;
    pruebas::AvisadorSimulado avisador;
};

// The keys of the first start, with their defaults, in the order they are written.
TEST_F(AjustesTest, PrimerArranqueDejaElFicheroCompletoEnSuOrden) {
    Cargar();
    EXPECT_EQ(Texto(),
              "[Rebanex]\r\nInverso=0\r\nNoAcentos=1\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
              "CopiarTrozoAlMensatel=1\r\nObtenerTama\xF1oMsg=1\r\nMsgMax=160\r\nLetras=1\r\n"
              "FirmarAutomaticamente=0\r\nFirmarEnTrozos=0\r\nFirmarEnPosicion=1\r\n"
              "PosicionVentana=1\r\nAutoReemplazar=0\r\n[FicherosReemplazos]\r\n1=" +
                  kReglas + "\r\n2=\r\n3=\r\n4=\r\n5=\r\n");
    EXPECT_EQ(std::tie(estado.opciones, estado.rutaReemplazos, estado.ficheros),
              std::tuple(Configuracion{}, kReglas, Ficheros{kReglas, "", "", "", ""}));
    // The second start adds the window's position at that moment; a third changes nothing.
    estado.ventana = {2400, -15, 6000, 4500};
    Cargar();
    EXPECT_EQ(estado.ventana, (Rectangulo{2400, -15, 6000, 4500}));
    const std::string segundo = Texto();
    EXPECT_NE(segundo.find("AutoReemplazar=0\r\nPosicionVentanaX=2400\r\nPosicionVentanaY=-15\r\n"),
              std::string::npos);
    Cargar();
    EXPECT_EQ(Texto(), segundo);
    // Edges in twips as single precision, without exponent.
    EXPECT_EQ(TextoTwips(-0.0) + " " + TextoTwips(1234.5) + " " + TextoTwips(16777217),
              "0 1234.5 16777216");
}

TEST_F(AjustesTest, ValoresGuardados) {
    // Names in any letter case; numbers rounded (halves to even); a flag is any number but 0.
    disco.ficheros[kIni] =
        "[Rebanex]\r\nInverso=1\r\nNoAcentos=0\r\ncopiartrozoalmensatel=0\r\nMsgMax=161.5\r\n"
        "Letras=3\r\nFirmarAutomaticamente=1e3\r\nFirmarEnTrozos=-1\r\nFirmarEnPosicion=3\r\n"
        "PosicionVentana=1abc\r\nAutoReemplazar=1\r\nTrozosSMS=1\r\ntablaespanola=2\r\n"
        "[FicherosReemplazos]\r\n1=D:\\reglas.txt\r\n3=E:\\otras.txt\r\n";
    const std::string antes = Texto();
    Cargar();
    Configuracion esperada;
    esperada.Inverso = esperada.FirmarAutomaticamente = esperada.FirmarEnTrozos = true;
    esperada.NoAcentos = esperada.CopiarTrozoAlMensatel = esperada.PosicionVentana = false;
    esperada.MsgMax = "162";
    esperada.Letras = CasoLetras::Mayusculas;
    esperada.FirmarEnPosicion = PosicionFirma::EnCursor;
    esperada.FirmarEnTrozosHabilitado = false;  // disabled while signing at the caret
    esperada.AutoReemplazar = esperada.TrozosSMS = esperada.TablaEspanola = true;
    EXPECT_EQ(estado.opciones, esperada);
    EXPECT_EQ(estado.rutaReemplazos, "D:\\reglas.txt");
    EXPECT_EQ(estado.ficheros, (Ficheros{"D:\\reglas.txt", "", "E:\\otras.txt", "", ""}));
    // Only the missing keys were added, after the existing ones (never the SMS ones, which
    // only a save writes); stored texts stay.
    EXPECT_EQ(Texto().substr(0, Texto().find("[Ficheros")),
              antes.substr(0, antes.find("[Ficheros")) +
                  "NoMultiEspacios=1\r\nIndicadorTrozos=1\r\nObtenerTama\xF1oMsg=1\r\n");
    // The sentinel of a failed read and an empty first file count as missing.
    Guardar("Inverso", "** error **");
    Guardar("1", "", kSeccionFicheros);
    Cargar("E:\\Otro\\");
    EXPECT_FALSE(estado.opciones.Inverso);
    EXPECT_TRUE(Texto().starts_with("[Rebanex]\r\nInverso=0\r\n"));  // in place
    EXPECT_EQ(estado.ficheros, (Ficheros{"E:\\Otro\\Rebanex.txt", "", "E:\\otras.txt", "", ""}));
}

// A save writes every option in place, the SMS ones after them: LongMax's text as it is, a tick
// even while its item is disabled, the window's own option left to its command. It goes through
// a checked copy: any disk fault leaves the file byte for byte.
TEST_F(AjustesTest, UnGuardadoQueNoLlegaEnteroDejaElFicheroComoEstaba) {
    using enum DiscoSimulado::Lleno;
    const std::function<void(DiscoSimulado&)> averias[] = {
        [](auto& d) { d.lleno = Trunca; },        [](auto& d) { d.lleno = Falla; },
        [](auto& d) { d.reemplazoFalla = true; }, [](auto& d) { d.soloLectura.insert(kIni); },
        [](auto& d) { d.enUso.insert(kIni); },    nullptr};
    for (const auto& averia : averias) {
        SCOPED_TRACE(&averia - averias);
        disco = DiscoSimulado{};
        Cargar();  // a first start, then a long list of recent files
        for (int i = 1; i <= 5; ++i) {
            Guardar(std::to_string(i), "C:\\" + std::string(200, static_cast<char>('a' + i)),
                    kSeccionFicheros);
        }
        std::string esperado = Texto();
        if (averia) {
            averia(disco);
        } else {
            for (const auto& [antes, despues] : {std::pair{"Inverso=0", "Inverso=1"},
                                                 {"MsgMax=160", "MsgMax=12a"},
                                                 {"FirmarEnTrozos=0", "FirmarEnTrozos=1"}}) {
                esperado.replace(esperado.find(antes), std::string_view(antes).size(), despues);
            }
            esperado.insert(esperado.find("[Ficheros"),
                            "TrozosSMS=0\r\nAdaptarGSM=0\r\nTablaEspanola=0\r\n"
                            "PosicionVentanaX=1440\r\nPosicionVentanaY=-15\r\n");
        }
        Configuracion c{.Inverso = true, .MsgMax = "12a", .FirmarEnTrozos = true};
        c.FirmarEnTrozosHabilitado = c.PosicionVentana = false;
        EXPECT_EQ(GuardarConfiguracion(ini, disco, c), !averia);
        EXPECT_EQ(GuardarPosicionVentana(ini, disco, 1440, -15), !averia);
        EXPECT_EQ(Texto(), esperado);
        EXPECT_EQ(disco.ficheros.count(kIni + std::string(kSufijoCopiaIni)), 0u);
    }
}

// An unreadable settings file is said and never overwritten; a read-only folder keeps defaults.
TEST_F(AjustesTest, UnFicheroIlegibleNoSePisa) {
    Guardar("Inverso", "1");
    const std::string antes = Texto();
    disco.enUso.insert(kIni);
    Cargar();
    EXPECT_EQ(std::tie(estado.opciones, estado.rutaReemplazos),
              std::tuple(Configuracion{}, kReglas));  // as at a first start
    EXPECT_EQ(Texto(), antes);
    EXPECT_EQ(avisador.avisos, std::vector{AvisoFicheroIlegible(kIni, MotivoFallo::EnUso,
                                                                "Arranco con las opciones por "
                                                                "defecto y no toco el fichero.")});
    disco = DiscoSimulado{};
    disco.lleno = DiscoSimulado::Lleno::Falla;
    Cargar();
    EXPECT_TRUE(disco.ficheros.empty() && avisador.avisos.size() == 1);
}

}  // namespace
}  // namespace rebanex::pruebas
