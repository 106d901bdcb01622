// The console tool's contract: pieces, encodings, line breaks, JSON, the counter, the format
// commands, the boxes on standard error and the exit codes.
#include <gtest/gtest.h>

#include <tuple>

#include "cli/EnMemoria.h"
#include "cli/Salida.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Windows1252.h"
#include "split/Partir.h"
#include "transforms/Reemplazos.h"

namespace rebanex::consola::prueba {
namespace {

using Args = std::vector<std::string>;

// Every transform and the indicators off: the bare cutter.
Args SinOpciones(Args mas) {
    Args args = {"--opcion",    "IndicadorTrozos=0", "--opcion",
                 "NoAcentos=0", "--opcion",          "NoMultiEspacios=0"};
    args.insert(args.end(), mas.begin(), mas.end());
    return args;
}

std::string Salida(const Args& args, const std::string& entrada) {
    const Resultado r = Trocear(args, entrada);
    EXPECT_EQ(r.codigo, 0) << r.error;
    EXPECT_EQ(r.error, "");
    return r.salida;
}

// A box as standard error shows it.
std::string Caja(const Aviso& aviso, CodificacionConsola c = CodificacionConsola::Utf8) {
    return consola::Salida(c).Texto(TextoAviso(aviso)) + "\n";
}

TEST(Trocear, UnTrozoPorLineaConLasOpcionesDeUnPrimerArranque) {
    EXPECT_EQ(Salida(SinOpciones({"--max", "6"}), "hola mundo"), "hola \nmundo\n");
    // 160 characters fill the box, so room for the indicator is kept and two pieces come out.
    std::string lleno;
    while (lleno.size() < 160) {
        lleno += "abcd ";
    }
    EXPECT_EQ(Salida({}, lleno), "1/2 " + lleno.substr(0, 155) + "\n2/2 abcd \n");
    EXPECT_EQ(Salida({}, lleno.substr(0, 159)), lleno.substr(0, 159) + "\n");
    EXPECT_EQ(Salida({}, "\xC3\xA1rbol   ya"), "arbol ya\n");  // accents and spaces go
}

TEST(Trocear, SaltosDeLineaYCodificaciones) {
    // Every line break, the final one included, and every tab ends as a space.
    EXPECT_EQ(Salida({}, "hola\nque\r\ntal\rya\tvale\n"), "hola que tal ya vale \n");
    EXPECT_EQ(Salida({}, "\xEF\xBB\xBF\xE2\x82\xAC \xE6\x97\xA5 \xFF"), "\xE2\x82\xAC ? ?\n");
    // Windows-1252: bytes pass, a lone LF is no line break of the box, pieces end in CR LF.
    EXPECT_EQ(Salida({"--codificacion", "cp1252"}, "se\xF1or\r\nya\xC3\xB1"),
              "se\xF1or ya\xC3\xB1\r\n");
    EXPECT_EQ(Salida(SinOpciones({"--codificacion", "cp1252", "--max", "6"}), "a\nb mundo"),
              "a\nb \r\nmundo\r\n");
}

TEST(Trocear, FicheroEntradaEstandarYFallosDeLectura) {
    pruebas::CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Escribir("mensaje.txt", "adi\xC3\xB3s");
    EXPECT_EQ(Salida({ruta}, "esto no se lee"), "adios\n");
    EXPECT_EQ(Salida({"-"}, "adi\xC3\xB3s"), "adios\n");
    for (const std::string& mala : {carpeta.Fichero("no-existe.txt"), carpeta.Ruta()}) {
        const Resultado r = Trocear({mala});
        EXPECT_EQ(r.codigo, 1);
        EXPECT_EQ(r.salida, "");
        EXPECT_EQ(r.error, "trocear: no se puede leer el fichero '" + AUtf8(mala) + "'\n");
    }
}

TEST(Trocear, LaFirma) {
    const Args firma = {"--firma", "Ana", "--opcion", "FirmarAutomaticamente=1"};
    const auto firmado = [&](Args mas) {
        mas.insert(mas.begin(), firma.begin(), firma.end());
        return Salida(mas, "hola");
    };
    EXPECT_EQ(firmado({}), "Ana hola\n");
    // At the caret "in every piece" is not enabled: the text gets the signature.
    EXPECT_EQ(firmado({"--opcion", "FirmarEnPosicion=3", "--opcion", "FirmarEnTrozos=1", "--cursor",
                       "2"}),
              "hoAnala\n");
    // The host options are accepted and do nothing.
    EXPECT_EQ(
        Salida({"--opcion", "ObtenerTamanyoMsg=1", "--opcion", "CopiarTrozoAlMensatel=1"}, "hola"),
        "hola\n");
}

TEST(Trocear, JsonYContador) {
    EXPECT_EQ(Salida(SinOpciones({"--max", "6", "--json"}), "hola \"mun\""),
              "{\"trozos\": [\"hola \", \"\\\"mun\\\"\"]}\n");
    EXPECT_EQ(Salida({"--json", "--codificacion", "cp1252"}, "a\xF1o"),
              "{\"trozos\": [\"a\xC3\xB1o\"]}\r\n");  // UTF-8 always
    EXPECT_EQ(Salida({"--contar", "--max", "100"}, std::string(1234, 'x')), "13 / 1.234\n");
    EXPECT_EQ(Salida({"--contar"}, "a\nb"), "1 / 4\n");              // the box holds CR LF
    EXPECT_EQ(Salida({"--contar", "--max", "abc"}, "hola"), "4\n");  // no checks
}

TEST(Trocear, ComandosDelMenuFormato) {
    // The whole message, options ignored, printed as it is without a line break added.
    const std::string arbol = "\xC3\x81rbol  ya\ncanci\xC3\xB3n\n";
    const std::pair<Args, std::string> casos[] = {
        {{"acentos", "--opcion", "NoAcentos=0"}, "Arbol  ya\ncancion\n"},
        {{"minusculas"}, "\xC3\xA1rbol  ya\ncanci\xC3\xB3n\n"},
        {{"mayusculas"}, "\xC3\x81RBOL  YA\nCANCI\xC3\x93N\n"},
        {{"espacios", "--opcion", "NoMultiEspacios=0"}, "\xC3\x81rbol ya\ncanci\xC3\xB3n\n"},
        {{"firma"}, arbol},  // nothing without a signature
        // The caret counts CR LF as two.
        {{"firma", "--firma", "Ana", "--opcion", "FirmarEnPosicion=3", "--cursor", "11"},
         "\xC3\x81rbol  ya\nAnacanci\xC3\xB3n\n"},
    };
    for (const auto& [args, esperado] : casos) {
        Args todos = {"--formato"};
        todos.insert(todos.end(), args.begin(), args.end());
        EXPECT_EQ(Salida(todos, arbol), esperado) << args[0];
    }
    // A word that begins a line is at no word boundary for the menu command.
    pruebas::CarpetaTemporal carpeta;
    const std::string reglas = carpeta.Escribir("reglas.txt", "que\tq\r\n");
    EXPECT_EQ(Salida({"--formato", "reemplazar", "--reemplazos", reglas}, "hola\nque, que"),
              "hola\nque, q");
}

TEST(Trocear, ReglasDeReemplazoYSusAvisos) {
    pruebas::CarpetaTemporal carpeta;
    const auto reemplazando = [&](const std::string& reglas, const std::string& mensaje) {
        return Trocear({"--opcion", "AutoReemplazar=1", "--reemplazos", reglas}, mensaje);
    };
    // A faulty line is answered "Sí" and replacing goes on; line breaks became spaces first.
    const std::string raras = carpeta.Escribir("r.txt", "que\tq\r\nmal\r\npor\tx\r\n");
    const Resultado r = reemplazando(raras, "hola\nque por");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "hola q x\n");
    EXPECT_EQ(r.error, Caja(Troceado::AvisoLineaRara(2, raras)));
    // A missing file is reported and the split goes on.
    const std::string falta = carpeta.Fichero("falta.txt");
    const Resultado sin = reemplazando(falta, "que");
    EXPECT_EQ(sin.codigo, 0);
    EXPECT_EQ(sin.salida, "que\n");
    EXPECT_EQ(sin.error, Caja(Troceado::AvisoErrorAbrirReemplazos(falta)));
    // Without AutoReemplazar the file is not read.
    EXPECT_EQ(Salida({"--reemplazos", falta}, "que"), "que\n");
}

TEST(Trocear, UnTroceoRechazadoSaleConDosYLaCajaPorError) {
    const std::tuple<Args, std::string, std::string> casos[] = {
        {{}, "", Caja(AvisoMensajeVacio())},
        {{"--max", "abc", "--codificacion", "cp1252"},
         "hola",
         Caja(AvisoSoloNumeros(), CodificacionConsola::Cp1252)},
        // Found while cutting: 12 minus the indicator and the signature leaves one character.
        {{"--max", "12", "--firma", "ABCDEF", "--opcion", "FirmarEnTrozos=1"},
         std::string(30, 'x'),
         Caja(AvisoSinSitioTexto())},
    };
    for (const auto& [args, mensaje, error] : casos) {
        const Resultado r = Trocear(args, mensaje);
        EXPECT_EQ(r.codigo, 2);
        EXPECT_EQ(r.salida, "");
        EXPECT_EQ(r.error, error);
    }
    EXPECT_EQ(Caja(AvisoSinSitioTexto()).find('\r'), std::string::npos);  // CRs end lines
}

TEST(Trocear, UnaLineaDeOrdenesMalaSaleConUno) {
    for (const Args& args : std::vector<Args>{{"--nada"}, {"a.txt", "b.txt"}}) {
        const Resultado r = Trocear(args, "hola");
        EXPECT_EQ(r.codigo, 1) << args[0];
        EXPECT_EQ(r.salida, "");
        EXPECT_EQ(r.error.rfind("trocear: ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find("Prueba 'trocear --ayuda'."), std::string::npos) << r.error;
    }
    const Resultado ayuda = Trocear({"--ayuda", "--max", "3"});
    EXPECT_EQ(ayuda.codigo, 0);
    EXPECT_EQ(ayuda.salida.rfind("Uso: trocear [--ini RUTA]", 0), 0u);
    EXPECT_NE(ayuda.salida.find("est\xC3\xA1ndar"), std::string::npos);
}

}  // namespace
}  // namespace rebanex::consola::prueba
