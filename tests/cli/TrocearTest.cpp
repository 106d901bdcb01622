// trocear from end to end in memory: pieces, encodings, JSON, the counter, the format commands,
// the boxes on standard error, the settings file and the exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <streambuf>

#include "cli/EnMemoria.h"
#include "cli/Salida.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Windows1252.h"
#include "split/Partir.h"
#include "transforms/Reemplazos.h"

namespace rebanex::consola::prueba {
namespace {

using Args = std::vector<std::string>;

// A box as standard error shows it.
std::string Caja(const Aviso& aviso, CodificacionConsola c = CodificacionConsola::Utf8) {
    return consola::Salida(c).Texto(TextoAviso(aviso)) + "\n";
}

class TrocearTest : public ::testing::Test {
  protected:
    struct Caso {
        Args args;
        std::string entrada;
        int codigo;
        std::string salida, error = "";
    };
    void Comprobar(const std::vector<Caso>& casos) {
        for (const Caso& c : casos) {
            const Resultado r = Trocear(c.args, c.entrada);
            SCOPED_TRACE(testing::PrintToString(c.args) + " <- " + c.entrada.substr(0, 30));
            EXPECT_EQ(r.codigo, c.codigo);
            EXPECT_EQ(r.salida, c.salida);
            EXPECT_EQ(r.error, c.error);
        }
    }
    std::string Ini(const std::string& contenido) {
        return carpeta.Escribir("Rebanex.ini", contenido);
    }
    pruebas::CarpetaTemporal carpeta;
};

TEST_F(TrocearTest, OpcionesEntradasYSalidas) {
    const Args bare = {"--opcion", "IndicadorTrozos=0", "--opcion", "NoAcentos=0"};
    std::string lleno;
    while (lleno.size() < 160) {
        lleno += "abcd ";
    }
    const std::string arbol = "\xC3\x81rbol  ya\ncanci\xC3\xB3n\n";
    const std::string mensaje = carpeta.Escribir("m.txt", "adi\xC3\xB3s");
    const std::string reglas = carpeta.Escribir("reglas.txt", "que\tq\r\nmal\r\npor\tx\r\n");
    const std::string falta = carpeta.Fichero("falta.txt");
    Comprobar({
        // The options of a first start: 160 characters fill the box and keep room for the
        // indicator; accents and runs of spaces go; line breaks and tabs become spaces.
        {{}, lleno, 0, "1/2 " + lleno.substr(0, 155) + "\n2/2 abcd \n"},
        {{}, "\xC3\xA1rbol   ya\nque\r\ntal\rya\tvale\n", 0, "arbol ya que tal ya vale \n"},
        {{}, "\xEF\xBB\xBF\xE2\x82\xAC \xE6\x97\xA5 \xFF", 0, "\xE2\x82\xAC ? ?\n"},
        // Windows-1252: bytes pass, a lone LF is no line break of the box, pieces end in CR LF.
        {{"--codificacion", "cp1252", "--max", "6", "--opcion", "IndicadorTrozos=0"},
         "a\nb mundo",
         0,
         "a\nb \r\nmundo\r\n"},
        // A file, or standard input ("-" or nothing).
        {{mensaje}, "esto no se lee", 0, "adios\n"},
        {{"-"}, "adi\xC3\xB3s", 0, "adios\n"},
        {{falta}, "", 1, "", "trocear: no se puede leer el fichero '" + falta + "'\n"},
        {{"--firma", "Ana", "--opcion", "FirmarAutomaticamente=1"}, "hola", 0, "Ana hola\n"},
        // The host options are accepted and do nothing.
        {{"--opcion", "ObtenerTamanyoMsg=1", "--opcion", "CopiarTrozoAlMensatel=1"},
         "hola",
         0,
         "hola\n"},
        {{"--max", "6", "--json", "--opcion", "IndicadorTrozos=0"},
         "hola \"mun\"",
         0,
         "{\"trozos\": [\"hola \", \"\\\"mun\\\"\"]}\n"},
        {{"--json", "--codificacion", "cp1252"},
         "a\xF1o",
         0,
         "{\"trozos\": [\"a\xC3\xB1o\"]}\r\n"},  // UTF-8 always
        {{"--contar", "--max", "100"}, std::string(1234, 'x'), 0, "13 / 1.234\n"},
        {{"--contar"}, "a\nb", 0, "1 / 4\n"},              // the box holds CR LF
        {{"--contar", "--max", "abc"}, "hola", 0, "4\n"},  // no checks
        // The format menu: the whole message, options ignored, no line break added.
        {{"--formato", "acentos", "--opcion", "NoAcentos=0"}, arbol, 0, "Arbol  ya\ncancion\n"},
        {{"--formato", "mayusculas"}, arbol, 0, "\xC3\x81RBOL  YA\nCANCI\xC3\x93N\n"},
        {{"--formato", "espacios"}, arbol, 0, "\xC3\x81rbol ya\ncanci\xC3\xB3n\n"},
        // The caret counts CR LF as two.
        {{"--formato", "firma", "--firma", "Ana", "--opcion", "FirmarEnPosicion=3", "--cursor",
          "11"},
         arbol,
         0,
         "\xC3\x81rbol  ya\nAnacanci\xC3\xB3n\n"},
        // A word that begins a line is at no word boundary for the menu command.
        {{"--formato", "reemplazar", "--reemplazos", reglas},
         "hola\nque, que",
         0,
         "hola\nque, q",
         Caja(Troceado::AvisoLineaRara(2, reglas))},
        // A faulty rules line is answered "Sí"; a missing file is reported; the split goes on.
        {{"--opcion", "AutoReemplazar=1", "--reemplazos", reglas},
         "hola\nque por",
         0,
         "hola q x\n",
         Caja(Troceado::AvisoLineaRara(2, reglas))},
        {{"--opcion", "AutoReemplazar=1", "--reemplazos", falta},
         "que",
         0,
         "que\n",
         Caja(Troceado::AvisoErrorAbrirReemplazos(falta))},
        {{"--reemplazos", falta}, "que", 0, "que\n"},  // not read without AutoReemplazar
        // A refused split exits with 2 and its box.
        {{}, "", 2, "", Caja(AvisoMensajeVacio())},
        {{"--max", "abc", "--codificacion", "cp1252"},
         "hola",
         2,
         "",
         Caja(AvisoSoloNumeros(), CodificacionConsola::Cp1252)},
        {{"--max", "12", "--firma", "ABCDEF", "--opcion", "FirmarEnTrozos=1"},
         std::string(30, 'x'),
         2,
         "",
         Caja(AvisoSinSitioTexto())},
        // A bad command line exits with 1.
        {{"a.txt", "b.txt"},
         "hola",
         1,
         "",
         "trocear: sobra un fichero: b.txt (s\xC3\xB3lo se lee uno)\nPrueba 'trocear --ayuda'.\n"},
    });
    EXPECT_EQ(Caja(AvisoSinSitioTexto()).find('\r'), std::string::npos);  // CRs end lines
    const Resultado ayuda = Trocear({"--ayuda", "--max", "3"});
    EXPECT_EQ(ayuda.codigo, 0);
    EXPECT_TRUE(ayuda.salida.starts_with("Uso: trocear [--ini RUTA]"));
}

// --ini: the user's settings file gives the options and stays untouched.
TEST_F(TrocearTest, LasOpcionesSalenDelFicheroDeAjustes) {
    const std::string ini = Ini("[Rebanex]\r\nMsgMax=20\r\nIndicadorTrozos=0\r\nLetras=3\r\n");
    const std::string otras = carpeta.Escribir("otras.txt", "que\tk\r\n");
    carpeta.Escribir("Rebanex.txt", "que\tq\r\n");
    carpeta.Escribir("mensatel.ini", "[Usuario]\r\nfirma=Ram\xF3n\r\n");
    Comprobar({
        {{"--ini", ini}, "uno dos tres cuatro cinco seis", 0, "UNO DOS TRES CUATRO \nCINCO SEIS\n"},
        {{"--ini", ini, "--max", "160", "--opcion", "Letras=1"}, "uno dos", 0, "uno dos\n"},
    });
    EXPECT_EQ(carpeta.Leer("Rebanex.ini"),
              "[Rebanex]\r\nMsgMax=20\r\nIndicadorTrozos=0\r\nLetras=3\r\n");
    // The signature of the Mensatel beside it; the rules file beside it or listed in it.
    Ini("[Rebanex]\r\nFirmarAutomaticamente=1\r\nFirmarEnPosicion=2\r\nFirmarEnTrozos=1\r\n"
        "IndicadorTrozos=0\r\nAutoReemplazar=1\r\n");
    Comprobar({
        {{"--ini", ini, "--max", "14"},
         "hola que tal",
         0,
         "hola q  Ram\xC3\xB3n\ntal Ram\xC3\xB3n\n"},
        {{"--ini", ini, "--firma", "", "--reemplazos", otras}, "que", 0, "k\n"},
        // At the caret "in every piece" is disabled, as after starting with these settings.
        {{"--ini", ini, "--opcion", "FirmarEnPosicion=3", "--cursor", "0"},
         "hola",
         0,
         "Ram\xC3\xB3nhola\n"},
    });
    Ini("[Rebanex]\r\nAutoReemplazar=1\r\n[FicherosReemplazos]\r\n1=" + otras + "\r\n");
    Comprobar({{{"--ini", ini}, "que", 0, "k\n"}});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta.Ruta()), {}), 4);
    Ini("[Rebanex]\r\nMsgMax=abc\r\n");  // reads as 0
    Comprobar({{{"--ini", ini}, "hola", 2, "", Caja(AvisoTamanyoCero())}});
    const std::string error = "trocear: no se puede leer el fichero de ajustes";
    for (const std::string& mala : {carpeta.Fichero("falta.ini"), carpeta.Ruta()}) {
        const Resultado r = Trocear({"--ini", mala}, "hola");
        EXPECT_EQ(r.codigo, 1);
        EXPECT_TRUE(r.error.starts_with(error)) << r.error;
    }
}

// A sink that takes nothing (a full disk), or that runs out of memory on the first write.
class SalidaRota : public std::streambuf {
  public:
    explicit SalidaRota(bool sinMemoria) : sinMemoria_(sinMemoria) {}

  protected:
    int_type overflow(int_type) override {
        return sinMemoria_ ? throw std::bad_alloc() : traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize) override { return overflow(0), 0; }

  private:
    bool sinMemoria_;
};

TEST(TrocearFallos, SalidaQueNoSeEscribeOMemoriaQueFalta) {
    const std::tuple<Args, bool, int, std::string> casos[] = {
        {{}, false, kSalidaEscritura, "trocear: no se puede escribir la salida\n"},
        {{"--contar"}, false, kSalidaEscritura, "trocear: no se puede escribir la salida\n"},
        {{}, true, kSalidaExcepcion, "trocear: no hay memoria suficiente para este mensaje\n"},
    };
    for (const auto& [args, sinMemoria, codigo, mensaje] : casos) {
        SalidaRota rota(sinMemoria);
        std::ostream salida(&rota);
        // Passes its buffer's exceptions on, as an allocation deep inside would.
        salida.exceptions(sinMemoria ? std::ios::badbit : std::ios::goodbit);
        std::istringstream entrada("hola mundo");
        std::ostringstream error;
        EXPECT_EQ(EjecutarTrocear(args, entrada, salida, error), codigo);
        EXPECT_EQ(error.str(), mensaje);
    }
}

}  // namespace
}  // namespace rebanex::consola::prueba
