// The split through the tool: pieces, encodings, line breaks, JSON, the counter.
#include <gtest/gtest.h>

#include "cli/EnMemoria.h"

namespace rebanex::consola::prueba {
namespace {

// Every transform and the indicators off: the bare cutter.
std::vector<std::string> SinOpciones(std::vector<std::string> mas) {
    std::vector<std::string> args = {"--opcion",    "IndicadorTrozos=0", "--opcion",
                                     "NoAcentos=0", "--opcion",          "NoMultiEspacios=0"};
    args.insert(args.end(), mas.begin(), mas.end());
    return args;
}

std::string Repetir(const std::string& s, int veces) {
    std::string r;
    for (int i = 0; i < veces; ++i) {
        r += s;
    }
    return r;
}

TEST(TrocearTrozos, UnTrozoPorLineaEnOrden) {
    const Resultado r = Trocear(SinOpciones({"--max", "6"}), "hola mundo");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "hola \nmundo\n");
    EXPECT_EQ(r.error, "");

    EXPECT_EQ(Trocear(SinOpciones({"--max", "4"}), "abcdefghij").salida, "abc-\ndef-\nghij\n");
    EXPECT_EQ(Trocear(SinOpciones({"--max", "3"}), "abc   ").salida, "abc\n\n");
}

TEST(TrocearTrozos, ConLasOpcionesDeUnPrimerArranque) {
    // 160 characters fill the box, so room for the indicator is kept and two pieces come out.
    const std::string lleno = Repetir("abcd ", 32);
    EXPECT_EQ(Trocear({}, lleno).salida, "1/2 " + Repetir("abcd ", 31) + "\n2/2 abcd \n");
    EXPECT_EQ(Trocear({}, lleno.substr(0, 159)).salida, lleno.substr(0, 159) + "\n");
    // Accents go and runs of spaces shrink; "ñ" stays.
    EXPECT_EQ(Trocear({}, "\xC2\xBFQu\xC3\xA9   tal, se\xC3\xB1or?").salida,
              "\xC2\xBFQue tal, se\xC3\xB1or?\n");
}

TEST(TrocearTrozos, ElOrdenInversoEmpiezaPorElFinalConSuIndicador) {
    EXPECT_EQ(
        Trocear({"--max", "12", "--opcion", "Inverso=1"}, "uno dos tres cuatro cinco seis").salida,
        "5/5 seis\n4/5 cinco \n3/5 cuatro \n2/5 tres \n1/5 uno dos \n");
    EXPECT_EQ(Trocear(SinOpciones({"--max", "4", "--opcion", "Inverso=1"}), "abcdefghij").salida,
              "ghij\ndef-\nabc-\n");
}

TEST(TrocearTrozos, CadaSaltoDeLineaYTabuladorCuentaComoUnEspacio) {
    EXPECT_EQ(Trocear({}, "hola\nque\r\ntal\rya\tvale").salida, "hola que tal ya vale\n");
    // The box holds CR LF: the counter sees two characters per line break.
    EXPECT_EQ(Trocear({"--contar"}, "a\nb").salida, "1 / 4\n");
    // A final line break is part of the message and ends as a space.
    EXPECT_EQ(Trocear(SinOpciones({}), "hola\n").salida, "hola \n");
}

TEST(TrocearTrozos, LoQueNoCabeEnWindows1252SaleComoInterrogacion) {
    EXPECT_EQ(Trocear({},
                      "\xEF\xBB\xBF"
                      "caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5 \xFF")
                  .salida,
              "cafe \xE2\x82\xAC ? ?\n");
}

TEST(TrocearTrozos, EnCp1252LosBytesPasanYCadaTrozoAcabaEnCrLf) {
    const std::vector<std::string> cp = {"--codificacion", "cp1252"};
    EXPECT_EQ(Trocear(cp, "se\xF1or\r\nya").salida, "se\xF1or ya\r\n");
    // A lone LF is no line break of the box: it stays inside the piece.
    EXPECT_EQ(Trocear(SinOpciones({"--codificacion", "cp1252"}), "a\nb").salida, "a\nb\r\n");
    EXPECT_EQ(Trocear(SinOpciones({"--codificacion", "cp1252", "--max", "6"}), "hola mundo").salida,
              "hola \r\nmundo\r\n");
    // Nothing is decoded: a UTF-8 "ñ" is two characters of the code page.
    EXPECT_EQ(Trocear(cp, "\xC3\xB1").salida, "\xC3\xB1\r\n");
}

TEST(TrocearTrozos, ElFicheroYLaEntradaEstandarDanLoMismo) {
    DirectorioTemporal dir;
    const std::string texto = "Hola, \xC3\xA1rbol\r\n" + Repetir("palabra ", 60);
    const std::string ruta = dir.Escribir("mensaje.txt", texto);
    const Resultado desdeFichero = Trocear({ruta}, "esto no se lee");
    EXPECT_EQ(desdeFichero.codigo, 0);
    EXPECT_EQ(desdeFichero.salida, Trocear({}, texto).salida);
    EXPECT_EQ(desdeFichero.salida.substr(0, 16), "1/4 Hola, arbol ");
    EXPECT_EQ(Trocear({"-"}, texto).salida, desdeFichero.salida);
}

TEST(TrocearTrozos, LaFirmaEnCadaTrozo) {
    EXPECT_EQ(Trocear(SinOpciones({"--max", "8", "--firma", "Yo", "--opcion", "FirmarEnTrozos=1"}),
                      "uno dos tres cuatro")
                  .salida,
              "Yo uno \nYo dos \nYo tres \nYo cuat-\nYo ro\n");
    EXPECT_EQ(Trocear(SinOpciones({"--max", "8", "--firma", "Yo", "--opcion", "FirmarEnTrozos=1",
                                   "--opcion", "FirmarEnPosicion=2"}),
                      "uno dos")
                  .salida,
              "uno  Yo\ndos Yo\n");
}

TEST(TrocearTrozos, LaFirmaEnElTextoEntero) {
    const auto firmado = [](const std::string& posicion, std::vector<std::string> mas = {}) {
        std::vector<std::string> args = {"--firma",  "Ana",
                                         "--opcion", "FirmarAutomaticamente=1",
                                         "--opcion", "FirmarEnPosicion=" + posicion};
        args.insert(args.end(), mas.begin(), mas.end());
        return Trocear(args, "hola").salida;
    };
    EXPECT_EQ(firmado("1"), "Ana hola\n");
    EXPECT_EQ(firmado("2"), "hola Ana\n");
    EXPECT_EQ(firmado("3"), "holaAna\n");  // the caret is after the text
    EXPECT_EQ(firmado("3", {"--cursor", "2"}), "hoAnala\n");
    EXPECT_EQ(firmado("3", {"--cursor", "0"}), "Anahola\n");
    // At the caret, every piece would have no signature: it goes into the text instead.
    EXPECT_EQ(firmado("3", {"--opcion", "FirmarEnTrozos=1", "--cursor", "2"}), "hoAnala\n");
    // Without a signature nothing is signed.
    EXPECT_EQ(Trocear({"--opcion", "FirmarAutomaticamente=1"}, "hola").salida, "hola\n");
}

TEST(TrocearTrozos, LasOpcionesDelAnfitrionNoHacenNada) {
    EXPECT_EQ(
        Trocear({"--opcion", "ObtenerTamanyoMsg=1", "--opcion", "CopiarTrozoAlMensatel=1"}, "hola")
            .salida,
        "hola\n");
}

TEST(TrocearJson, UnObjetoConLosTrozosEnUtf8) {
    EXPECT_EQ(Trocear(SinOpciones({"--max", "6", "--json"}), "hola mundo").salida,
              "{\"trozos\": [\"hola \", \"mundo\"]}\n");
    EXPECT_EQ(Trocear({"--json"}, "di \"s\xC3\xAD\" \\o/").salida,
              "{\"trozos\": [\"di \\\"si\\\" \\\\o/\"]}\n");
    EXPECT_EQ(Trocear({"--json", "--codificacion", "cp1252"}, "a\xF1o").salida,
              "{\"trozos\": [\"a\xC3\xB1o\"]}\r\n");
    EXPECT_EQ(Trocear(SinOpciones({"--json", "--codificacion", "cp1252"}), "a\nb").salida,
              "{\"trozos\": [\"a\\nb\"]}\r\n");
}

TEST(TrocearContador, SoloElContadorDeLaVentana) {
    EXPECT_EQ(Trocear({"--contar"}, Repetir("x", 161)).salida, "2 / 161\n");
    EXPECT_EQ(Trocear({"--contar", "--max", "100"}, Repetir("x", 1234)).salida, "13 / 1.234\n");
    EXPECT_EQ(Trocear({"--contar"}, "").salida, "0 / 0\n");
    // The counter makes no checks: a maximum that is no number leaves the length alone.
    const Resultado r = Trocear({"--contar", "--max", "abc"}, "hola");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "4\n");
    EXPECT_EQ(Trocear({"--contar", "--max", "160abc"}, Repetir("x", 161)).salida, "2 / 161\n");
    EXPECT_EQ(Trocear({"--contar", "--codificacion", "cp1252"}, "hola").salida, "1 / 4\r\n");
}

}  // namespace
}  // namespace rebanex::consola::prueba
