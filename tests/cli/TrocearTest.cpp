// The console tool's contract: pieces, encodings, line breaks, JSON, the counter, the format
// commands, the boxes on standard error and the exit codes.
#include <gtest/gtest.h>

#include "cli/EnMemoria.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Windows1252.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReemplazosPorDefecto.h"

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

TEST(Trocear, UnTrozoPorLineaConLasOpcionesDeUnPrimerArranque) {
    EXPECT_EQ(Salida(SinOpciones({"--max", "6"}), "hola mundo"), "hola \nmundo\n");
    // 160 characters fill the box, so room for the indicator is kept and two pieces come out.
    std::string lleno;
    while (lleno.size() < 160) {
        lleno += "abcd ";
    }
    EXPECT_EQ(Salida({}, lleno), "1/2 " + lleno.substr(0, 155) + "\n2/2 abcd \n");
    EXPECT_EQ(Salida({}, lleno.substr(0, 159)), lleno.substr(0, 159) + "\n");
    // Accents go and runs of spaces shrink; "ñ" stays.
    EXPECT_EQ(Salida({}, "\xC2\xBFQu\xC3\xA9   tal, se\xC3\xB1or?"),
              "\xC2\xBFQue tal, se\xC3\xB1or?\n");
    EXPECT_EQ(Salida({"--max", "12", "--opcion", "Inverso=1"}, "uno dos tres cuatro cinco seis"),
              "5/5 seis\n4/5 cinco \n3/5 cuatro \n2/5 tres \n1/5 uno dos \n");
}

TEST(Trocear, SaltosDeLineaYCodificaciones) {
    // Every line break, the final one included, and every tab ends as a space.
    EXPECT_EQ(Salida({}, "hola\nque\r\ntal\rya\tvale\n"), "hola que tal ya vale \n");
    EXPECT_EQ(Salida({},
                     "\xEF\xBB\xBF"
                     "caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5 \xFF"),
              "cafe \xE2\x82\xAC ? ?\n");
    // Windows-1252: bytes pass, a lone LF is no line break of the box, pieces end in CR LF.
    const Args cp = {"--codificacion", "cp1252"};
    EXPECT_EQ(Salida(cp, "se\xF1or\r\nya\xC3\xB1"), "se\xF1or ya\xC3\xB1\r\n");
    EXPECT_EQ(Salida(SinOpciones({"--codificacion", "cp1252", "--max", "6"}), "a\nb mundo"),
              "a\nb \r\nmundo\r\n");
    // Arguments that are valid UTF-8 are read as UTF-8 in both encodings.
    EXPECT_EQ(Salida({"--codificacion", "cp1252", "--firma", "Ram\xC3\xB3n", "--opcion",
                      "FirmarAutomaticamente=1"},
                     "hola"),
              "Ram\xF3n hola\r\n");
}

TEST(Trocear, FicheroEntradaEstandarYFallosDeLectura) {
    pruebas::CarpetaTemporal carpeta;
    const std::string texto = "Hola, \xC3\xA1rbol\r\nadi\xC3\xB3s";
    const std::string ruta = carpeta.Escribir("mensaje.txt", texto);
    EXPECT_EQ(Salida({ruta}, "esto no se lee"), Salida({}, texto));
    EXPECT_EQ(Salida({"-"}, texto), "Hola, arbol adios\n");
    for (const std::string& mala : {carpeta.Fichero("no-existe.txt"), carpeta.Ruta()}) {
        const Resultado r = Trocear({mala});
        EXPECT_EQ(r.codigo, 1);
        EXPECT_EQ(r.salida, "");
        EXPECT_EQ(r.error, "trocear: no se puede leer el fichero '" + AUtf8(mala) + "'\n");
    }
}

TEST(Trocear, LaFirma) {
    const auto firmado = [](const std::string& posicion, Args mas = {}) {
        Args args = {"--firma",  "Ana",
                     "--opcion", "FirmarAutomaticamente=1",
                     "--opcion", "FirmarEnPosicion=" + posicion};
        args.insert(args.end(), mas.begin(), mas.end());
        return Salida(args, "hola");
    };
    EXPECT_EQ(firmado("2"), "hola Ana\n");
    EXPECT_EQ(firmado("3"), "holaAna\n");  // the caret is after the text
    EXPECT_EQ(firmado("3", {"--cursor", "2"}), "hoAnala\n");
    // At the caret, "in every piece" is not enabled: the text gets the signature.
    EXPECT_EQ(firmado("3", {"--opcion", "FirmarEnTrozos=1", "--cursor", "0"}), "Anahola\n");
    EXPECT_EQ(Salida(SinOpciones({"--max", "8", "--firma", "Yo", "--opcion", "FirmarEnTrozos=1"}),
                     "uno dos cuatro"),
              "Yo uno \nYo dos \nYo cuat-\nYo ro\n");
    EXPECT_EQ(Salida({"--opcion", "FirmarAutomaticamente=1"}, "hola"), "hola\n");  // none
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
    EXPECT_EQ(Salida({"--contar"}, "a\nb"), "1 / 4\n");  // the box holds CR LF
    EXPECT_EQ(Salida({"--contar"}, ""), "0 / 0\n");
    EXPECT_EQ(Salida({"--contar", "--max", "abc"}, "hola"), "4\n");  // no checks
    EXPECT_EQ(Salida({"--contar", "--codificacion", "cp1252"}, "hola"), "1 / 4\r\n");
}

TEST(Trocear, ComandosDelMenuFormato) {
    const auto formato = [](const std::string& comando, const std::string& mensaje, Args mas = {}) {
        mas.insert(mas.begin(), {"--formato", comando});
        return Salida(mas, mensaje);
    };
    // The whole message, options ignored, printed as it is without a line break added.
    EXPECT_EQ(formato("acentos", "\xC3\x81rbol\r\ncanci\xC3\xB3n\n", {"--opcion", "NoAcentos=0"}),
              "Arbol\ncancion\n");
    EXPECT_EQ(formato("minusculas", "\xC3\x81RBOL"), "\xC3\xA1rbol");
    EXPECT_EQ(formato("espacios", "  a    b\n  c ", {"--opcion", "NoMultiEspacios=0"}),
              " a b\n c ");
    EXPECT_EQ(formato("mayusculas", "a\xF1o\r\nb\nc", {"--codificacion", "cp1252"}),
              "A\xD1O\r\nB\nC");
    // The signature button: nothing without a signature; the caret counts CR LF as two.
    EXPECT_EQ(formato("firma", "hola"), "hola");
    EXPECT_EQ(formato("firma", "", {"--firma", "Ana"}), "Ana ");
    EXPECT_EQ(formato("firma", "a\nb",
                      {"--firma", "Ana", "--opcion", "FirmarEnPosicion=3", "--cursor", "3"}),
              "a\nAnab");
    // A word that begins a line is at no word boundary for the menu command.
    pruebas::CarpetaTemporal carpeta;
    const std::string reglas = carpeta.Escribir("reglas.txt", "que\tq\r\nporque\txp\r\n");
    EXPECT_EQ(formato("reemplazar", "hola\nque tal, que Porque", {"--reemplazos", reglas}),
              "hola\nque tal, q XP");
}

TEST(Trocear, ReglasDeReemplazoYSusAvisos) {
    pruebas::CarpetaTemporal carpeta;
    const std::string porDefecto = Troceado::TextoReemplazosPorDefecto();
    const auto reemplazando = [&](const std::string& reglas, const std::string& mensaje) {
        return Trocear({"--opcion", "AutoReemplazar=1", "--reemplazos", reglas}, mensaje);
    };
    // Line breaks became spaces first, so "que" starts a word.
    EXPECT_EQ(reemplazando(carpeta.Escribir("Rebanex.txt", porDefecto), "Porque\nque dos").salida,
              "XP q 2\n");
    // A faulty line is answered "Sí" and replacing goes on.
    const std::string raras = carpeta.Escribir("r.txt", "que\tq\r\nmal\r\npor\tx\r\n");
    const Resultado r = reemplazando(raras, "que por");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "q x\n");
    EXPECT_EQ(r.error,
              "Upss!!! L\xC3\xADnea RaRa!!: Error en la l\xC3\xADnea n\xC2\xBA 2 en el "
              "fichero " +
                  AUtf8(raras) + "\n\n\xC2\xBFSigo Reemplazando?\n");
    // A missing file is reported and the split goes on.
    const std::string falta = carpeta.Fichero("falta.txt");
    const Resultado sin = reemplazando(falta, "que");
    EXPECT_EQ(sin.codigo, 0);
    EXPECT_EQ(sin.salida, "que\n");
    EXPECT_EQ(sin.error.rfind("Cachis la mar...!!!: Error al intentar abrir el fichero '" +
                                  AUtf8(falta) + "'\n\n\nSi no tienes ning\xC3\xBAn",
                              0),
              0u);
    // Without AutoReemplazar the file is not read.
    EXPECT_EQ(Salida({"--reemplazos", falta}, "que"), "que\n");
}

TEST(Trocear, UnTroceoRechazadoSaleConDosYLaCajaPorError) {
    const auto rechazado = [](const Args& args, const std::string& mensaje,
                              const std::string& error) {
        const Resultado r = Trocear(args, mensaje);
        EXPECT_EQ(r.codigo, 2);
        EXPECT_EQ(r.salida, "");
        EXPECT_EQ(r.error, error);
    };
    rechazado({}, "", "Eres mudo ?: Escribe algo no seas timidin\n");
    rechazado({"--max", "0160"}, "hola",
              "S\xC3\xB3lo N\xC3\xBAmeros: Ein?? Que tal si ponemos solo n\xC3\xBAmeros en el "
              "campo tama\xC3\xB1o m\xC3\xA1ximo\n");
    rechazado({"--max", "abc", "--codificacion", "cp1252"}, "hola",
              "Sólo Números: Ein?? Que tal si ponemos solo números en el campo tamaño máximo\n");
    // The box's lone CRs become line breaks.
    rechazado({"--max", "1"}, "hola",
              "Epp.... Cuidad\xC3\xADn!!: Joeeee, no me dejas sitio ni pa meter el guioncito de "
              "separador de palabras xDD\n\nAnda est\xC3\xADrate un poco con el tama\xC3\xB1o "
              "m\xC3\xA1ximo :P\n");
    rechazado({"--max", "15", "--opcion", "FirmarEnTrozos=1", "--firma", "12345678"}, "hola",
              "Epp, cuidad\xC3\xADn!!!: La firma no puede ser tan grande!\n");
    // 12 minus the indicator and the signature with its space leaves one character.
    EXPECT_EQ(Trocear({"--max", "12", "--firma", "ABCDEF", "--opcion", "FirmarEnTrozos=1"},
                      std::string(30, 'x'))
                  .codigo,
              2);
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
