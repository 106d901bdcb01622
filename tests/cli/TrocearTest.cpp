// trocear's command line and options by key; then trocear end to end in memory.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Argumentos.h"
#include "cli/OpcionesPorClave.h"
#include "cli/Salida.h"
#include "cli/Trocear.h"
#include "comun/CarpetaTemporal.h"
#include "split/Partir.h"
#include "transforms/Reemplazos.h"

namespace rebanex::cli::pruebas {
namespace {

// trocear in memory.
struct DestinoTexto : Destino {
    void Escribir(std::string_view bytes) override { texto += bytes; }
    bool Terminar() override { return true; }
    std::string texto;
};

struct OrigenTexto : Origen {
    explicit OrigenTexto(std::string t) : texto(std::move(t)) {}
    std::optional<std::string> LeerTodo() override { return texto; }
    std::string texto;
};

// Its exit code, output and errors.
std::tuple<int, std::string, std::string> Trocear(const std::vector<std::string>& argumentos,
                                                  const std::string& entrada = {}) {
    OrigenTexto in(entrada);
    DestinoTexto out, err;
    const int codigo = EjecutarTrocear(argumentos, in, out, err);
    return {codigo, out.texto, err.texto};
}

// The arguments split at spaces ('' stands for an empty one).
std::vector<std::string> Palabras(const std::string& args) {
    std::istringstream palabras(args);
    std::vector<std::string> lista;
    for (std::string p; palabras >> p;) {
        lista.push_back(p == "''" ? "" : p);
    }
    return lista;
}

std::variant<ArgumentosTrocear, ErrorUso> Leer(const std::string& args) {
    return LeerArgumentos(Palabras(args));
}

std::string Mal(const std::string& args) {
    const auto r = Leer(args);
    return std::holds_alternative<ErrorUso>(r) ? std::get<ErrorUso>(r).mensaje : "(aceptado)";
}

TEST(TrocearArgumentos, CadaOpcionEnSuOrdenOElError) {
    const auto a = std::get<ArgumentosTrocear>(
        Leer("--opcion MsgMax=70 --max 80 --opcion Inverso=1=2 --ini a.ini --firma Ram\xC3\xB3n "
             "--reemplazos \xE2\x82\xAC --cursor 12 --codificacion cp1252 --formato firma m.txt"));
    EXPECT_EQ(a.asignaciones,
              (std::vector<Asignacion>{{"MsgMax", "70"}, {"MsgMax", "80"}, {"Inverso", "1=2"}}));
    // Texts in UTF-8 as a Linux terminal gives them, or in Windows-1252 as a Windows console.
    EXPECT_EQ(std::tie(a.rutaIni, a.firma, a.rutaReemplazos, a.fichero),
              std::tie("a.ini", "Ram\xF3n", "\x80", "m.txt"));
    EXPECT_EQ(std::tie(a.cursor, a.codificacion, a.modo, a.formato),
              std::tuple(12, CodificacionConsola::Cp1252, Modo::Formato, ComandoFormato::Firma));
    EXPECT_EQ(std::get<ArgumentosTrocear>(Leer("--contar --contar")).modo, Modo::Contar);
    EXPECT_EQ(std::get<ArgumentosTrocear>(Leer("--json --contar --json")).modo, Modo::ContarJson);
    EXPECT_FALSE(std::get<ArgumentosTrocear>(Leer("-")).fichero);
    EXPECT_EQ(std::get<ArgumentosTrocear>(Leer("-- --json")).fichero, "--json");
    EXPECT_EQ(Mal("--max"), "falta el valor de --max");
    EXPECT_EQ(Mal("--opcion PosicionVentana=1"), "opción de ajustes desconocida: PosicionVentana");
    EXPECT_EQ(Mal("--codificacion cp1252 --a\xC3\xB1"), "opción desconocida: --añ");
    for (const char* args : {"--opcion =1", "--codificacion latin1", "--formato negrita",
                             "--contar --json --formato firma", "--formato acentos --json",
                             "--cursor -1", "--cursor 1.5", "--cursor 99999999999999999999"}) {
        EXPECT_NE(Mal(args), "(aceptado)") << args;
    }
    // Options by key, read as the settings file reads them: 2.5 rounded, halves to even; 3.5 is
    // 4, outside 1 to 3; the maximum checked later like the text of LongMax.
    Configuracion c, esperada{.NoAcentos = false, .ObtenerTamanyoMsg = false, .MsgMax = " 0160"};
    for (const std::string o : {"NOACENTOS=si", "obtenertamanyomsg=0", "Letras=2.5",
                                "FirmarEnPosicion=3.5", "MsgMax= 0160"}) {
        ASSERT_TRUE(AsignarOpcion(c, o.substr(0, o.find('=')), o.substr(o.find('=') + 1))) << o;
    }
    esperada.Letras = CasoLetras::Minusculas;
    EXPECT_EQ(c, esperada);
    EXPECT_FALSE(AsignarOpcion(c, "PosicionVentanaX", "1") || AsignarOpcion(c, "Inverso ", "1"));
}

std::string Caja(const Aviso& aviso, CodificacionConsola c = CodificacionConsola::Utf8) {
    return cli::Salida(c).Texto(TextoAviso(aviso)) + "\n";
}

struct TrocearTest : ::testing::Test {
    void Ver(const std::string& args, const std::string& entrada, int codigo,
             const std::string& salida, const std::string& error = "") {
        EXPECT_EQ(Trocear(Palabras(args), entrada), std::tie(codigo, salida, error))
            << args << " <- " << entrada.substr(0, 30);
    }
    std::string Ini(const std::string& texto) {
        return carpeta.Escribir("\x80\xF1/Rebanex.ini", texto);
    }
    rebanex::pruebas::CarpetaTemporal carpeta;
};

TEST_F(TrocearTest, DeLaEntradaALaSalida) {
    // The options of a first start: 160 characters fill the box and keep room for the
    // indicator; accents and runs of spaces go; line breaks and tabs become spaces.
    Ver("", std::string(160, 'x'), 0, "1/2 " + std::string(155, 'x') + "-\n2/2 xxxxx\n");
    Ver("", "\xC3\xA1rbol   ya\nque\r\ntal\rya\tvale\n", 0, "arbol ya que tal ya vale \n");
    Ver("", "\xEF\xBB\xBF\xE2\x82\xAC \xE6\x97\xA5 \xFF", 0, "\xE2\x82\xAC ? ?\n",
        Caja(AvisoSinWindows1252("El mensaje", U"\u65E5\uFFFD")));
    // Windows-1252: bytes pass, a lone LF is no line break of the box, pieces end in CR LF.
    Ver("--codificacion cp1252 --max 6 --opcion IndicadorTrozos=0", "a\nb mu\xF1o", 0,
        "a\nb \r\nmu\xF1o\r\n");
    // A file instead of standard input, loaded as the window loads it: UTF-8 converted, NUL as a
    // space, no telephone trailer.
    const std::string tel =
        carpeta.Escribir("t.sms", std::string("a\0b\nc\xC3\xB1#TEL#600123456@\n", 23));
    Ver(tel, "esto no se lee", 0, "a b c\xC3\xB1\n");
    const std::string falta = carpeta.Fichero("falta.txt");
    Ver(falta, "", 1, "", "trocear: no se puede leer el fichero '" + falta + "'\n");
    Ver("--json --max 6 --opcion IndicadorTrozos=0 --codificacion cp1252", "hola \"m\xF1\x01\\", 0,
        "{\"trozos\": [\"hola \", \"\\\"m\xC3\xB1\\u0001\\\\\"]}\r\n");            // UTF-8 always
    Ver("--contar --max 100", "a\n" + std::string(1231, 'x'), 0, "13 / 1.234\n");  // CR LF: 2
    // The count of the message as given (a lone LF costs 1); over 255 parts is said apart.
    Ver("--contar --json", "\xC3\xA1\n\xE2\x80\x9C" + std::string(255 * 67 - 2, 'x'), 0,
        "{\"codificacion\": \"UCS-2\", \"unidades\": 17086, \"sms\": 256, \"mas_de_255\": true, "
        "\"fuerzan_ucs2\": \"\xC3\xA1\xE2\x80\x9C\"}\n");
    Ver("--contar --opcion TrozosSMS=1", "\xC3\xA1 \xE2\x82\xAC", 0,
        "UCS-2: 3 unidades, 1 SMS; fuerzan UCS-2: \xC3\xA1\n");
    // Every piece one SMS (adapted or not in PartirTest): its encoding and units beside it.
    Ver("--json --max 20 --opcion TrozosSMS=1 --opcion AdaptarGSM=1 --opcion NoAcentos=0",
        "\xE2\x80\x9CHola\xE2\x80\x9D qu\xC3\xA9 {tal}", 0,
        "{\"trozos\": [\"\\\"Hola\\\" qu\xC3\xA9 {tal}\"], \"sms\": [{\"codificacion\": \"GSM-7\", "
        "\"unidades\": 18}]}\n");
    // A format command: the whole message, no line break added; the caret counts CR LF as two.
    Ver("--formato firma --firma Ana --opcion FirmarEnPosicion=3 --cursor 11",
        "\xC3\x81rbol  ya\ncanci\xC3\xB3n\n", 0, "\xC3\x81rbol  ya\nAnacanci\xC3\xB3n\n");
    // A faulty rules line is answered "Sí" and the split goes on (a missing file: PartirTest).
    const std::string reglas = carpeta.Escribir("reglas.txt", "que\tq\r\nmal\r\npor\tx\r\n");
    Ver("--opcion AutoReemplazar=1 --reemplazos " + reglas, "hola\nque por", 0, "hola q x\n",
        Caja(AvisoLineaRara(2, reglas)));
    // A word that begins a line is at no word boundary for the menu command.
    Ver("--formato reemplazar --reemplazos " + reglas, "hola\nque, que", 0, "hola\nque, q",
        Caja(AvisoLineaRara(2, reglas)));
    // Rules that lengthen the text without end stop where no split could take it.
    const std::string crece = "*a\t" + std::string(100, 'a') + "\r\n",
                      sinFin = "--reemplazos " + carpeta.Escribir("crecen.txt", crece + crece);
    Ver("--max 12 --opcion AutoReemplazar=1 " + sinFin, std::string(1000, 'a'), 2, "",
        Caja(AvisoDemasiadosTrozos()));
    Ver("--formato reemplazar --max 12 " + sinFin, std::string(1000, 'a'), 2, "",
        Caja(AvisoReemplazosSinFin(kMaxTrozos * 12)));
    // A refused split exits with 2 and its box (in the console's code page), a bad command line
    // with 1.
    Ver("--max abc --codificacion cp1252", "hola", 2, "",
        Caja(AvisoSoloNumeros(), CodificacionConsola::Cp1252));
    Ver("--max 12 --firma ABCDEF --opcion FirmarEnTrozos=1", std::string(30, 'x'), 2, "",
        Caja(AvisoSinSitioTexto(SinSitio::Ambos)));
    // The box names what takes the room: the signature alone, or the indicator from piece 1000.
    Ver("--max 4 --firma AB --opcion FirmarEnTrozos=1 --opcion IndicadorTrozos=0", "hola", 2, "",
        Caja(AvisoSinSitioTexto(SinSitio::Firma)));
    Ver("--max 12", std::string(120000, 'x'), 2, "", Caja(AvisoSinSitioTexto(SinSitio::Indicador)));
    Ver("a.txt b.txt", "hola", 1, "",
        "trocear: sobra un fichero: b.txt (s\xC3\xB3lo se lee uno)\nPrueba 'trocear --ayuda'.\n");
    Ver("--formato acentos", "\xC3\x81rbol  a", 0, "Arbol  a");
    Ver("--formato minusculas", "\xC3\x81rbol  a", 0, "\xC3\xA1rbol  a");
    Ver("--formato mayusculas", "\xC3\x81rbol  a", 0, "\xC3\x81RBOL  A");
    Ver("--formato espacios", "\xC3\x81rbol  a", 0, "\xC3\x81rbol a");
    EXPECT_TRUE(std::get<1>(Trocear({"--ayuda"})).starts_with("Uso: trocear [--ini RUTA]"));
}

// Out of memory, and output that cannot be written whole, each end with their own exit code.
TEST(TrocearFallos, SinMemoriaYSalidaQueNoSeEscribe) {
    struct SinMemoria : Destino {
        void Escribir(std::string_view) override { throw std::bad_alloc(); }
        bool Terminar() override { return true; }
    } sinMemoria;
    OrigenTexto entrada("hola");
    DestinoTexto error;
    EXPECT_EQ(EjecutarTrocear({}, entrada, sinMemoria, error), kSalidaExcepcion);
    EXPECT_EQ(error.texto, "trocear: no hay memoria suficiente para este mensaje\n");
    // A stream opened only for reading refuses every write, as a full disk or a closed pipe do.
    rebanex::pruebas::CarpetaTemporal carpeta;
    std::FILE* f = std::fopen(carpeta.Escribir("l.txt", "").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    DestinoFichero soloLectura(f);
    error.texto.clear();
    EXPECT_EQ(EjecutarTrocear({}, entrada, soloLectura, error), kSalidaEscritura);
    EXPECT_EQ(error.texto, "trocear: no se puede escribir la salida\n");
    std::fclose(f);
}

// --ini: the user's settings file gives the options and stays untouched. Its folder is named
// beyond ASCII (such a settings file was once reported unreadable under Windows), given as a
// Windows console and as a Linux terminal pass it; the files beside it may be in UTF-8.
TEST_F(TrocearTest, LasOpcionesSalenDelFicheroDeAjustes) {
    std::filesystem::create_directory(carpeta.Nativo("\x80\xF1"));
    const std::string ini = Ini("[Rebanex]\r\nMsgMax=20\r\nIndicadorTrozos=0\r\nLetras=3\r\n");
    Ver("--ini " + ini, "uno dos tres cuatro cinco", 0, "UNO DOS TRES CUATRO \nCINCO\n");
    Ver("--ini " + AUtf8(ini) + " --max 160 --opcion Letras=1", "uno dos", 0, "uno dos\n");
    EXPECT_EQ(carpeta.Leer("\x80\xF1/Rebanex.ini"),
              "[Rebanex]\r\nMsgMax=20\r\nIndicadorTrozos=0\r\nLetras=3\r\n");
    // The signature of the Mensatel beside it; the rules file beside it (or the one it names).
    carpeta.Escribir("\x80\xF1/mensatel.ini", "[Usuario]\r\nfirma=Ram\xC3\xB3n\r\n");
    carpeta.Escribir("\x80\xF1/Rebanex.txt", "\xEF\xBB\xBFque\tq\r\n");
    Ini("[Rebanex]\r\nFirmarAutomaticamente=1\r\nFirmarEnPosicion=2\r\nFirmarEnTrozos=1\r\n"
        "IndicadorTrozos=0\r\nAutoReemplazar=1\r\n");
    Ver("--ini " + ini + " --max 14", "hola que tal", 0,
        "hola q  Ram\xC3\xB3n\ntal Ram\xC3\xB3n\n");
    Ver("--ini " + ini + " --firma ''", "que", 0, "q\n");
    // At the caret "in every piece" is disabled, as after starting with these settings.
    Ver("--ini " + ini + " --opcion FirmarEnPosicion=3 --cursor 0", "hola", 0,
        "Ram\xC3\xB3nhola\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta.Nativo("\x80\xF1")), {}),
              3);
    const std::string ruta = carpeta.Ruta();
    Ver("--ini " + ruta, "hola", 1, "",
        "trocear: no se puede leer el fichero de ajustes '" + ruta + "'\n");
}

}  // namespace
}  // namespace rebanex::cli::pruebas
