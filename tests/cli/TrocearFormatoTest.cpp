// --formato: one command of the format menu on the whole message.
#include <gtest/gtest.h>

#include "cli/EnMemoria.h"

namespace rebanex::consola::prueba {
namespace {

std::string Formato(const std::string& comando, const std::string& mensaje,
                    std::vector<std::string> mas = {}) {
    std::vector<std::string> args = {"--formato", comando};
    args.insert(args.end(), mas.begin(), mas.end());
    const Resultado r = Trocear(args, mensaje);
    EXPECT_EQ(r.codigo, 0) << r.error;
    return r.salida;
}

TEST(TrocearFormato, LosComandosDeCaracteresIgnoranLasOpciones) {
    EXPECT_EQ(Formato("acentos", "\xC3\x81rbol \xC3\xA1gil\ncanci\xC3\xB3n ping\xC3\xBCino",
                      {"--opcion", "NoAcentos=0"}),
              "Arbol agil\ncancion ping\xC3\xBCino");
    EXPECT_EQ(Formato("mayusculas",
                      "\xC3\xB1"
                      "and\xC3\xBA y m\xC3\xA1s"),
              "\xC3\x91"
              "AND\xC3\x9A Y M\xC3\x81S");
    EXPECT_EQ(Formato("minusculas", "\xC3\x81RBOL \xC3\x91U"), "\xC3\xA1rbol \xC3\xB1u");
    EXPECT_EQ(Formato("espacios", "  a    b\n  c ", {"--opcion", "NoMultiEspacios=0"}),
              " a b\n c ");
}

TEST(TrocearFormato, ElTextoSaleTalCualSinSaltoAnyadido) {
    EXPECT_EQ(Formato("acentos", ""), "");
    EXPECT_EQ(Formato("acentos", "a\r\nb\rc\n"), "a\nb\nc\n");
    const Resultado cp =
        Trocear({"--formato", "mayusculas", "--codificacion", "cp1252"}, "a\xF1o\r\nb\nc");
    EXPECT_EQ(cp.salida, "A\xD1O\r\nB\nC");
}

TEST(TrocearFormato, LaFirmaComoElBoton) {
    EXPECT_EQ(Formato("firma", "hola"), "hola");  // no signature: nothing happens
    EXPECT_EQ(Formato("firma", "hola", {"--firma", "Ana"}), "Ana hola");
    EXPECT_EQ(Formato("firma", "", {"--firma", "Ana"}), "Ana ");
    EXPECT_EQ(Formato("firma", "hola ", {"--firma", "Ana", "--opcion", "FirmarEnPosicion=2"}),
              "hola  Ana");
    const std::vector<std::string> cursor = {"--firma", "Ana", "--opcion", "FirmarEnPosicion=3"};
    EXPECT_EQ(Formato("firma", "hola", cursor), "holaAna");
    auto en = [&](const char* k) {
        std::vector<std::string> args = cursor;
        args.insert(args.end(), {"--cursor", k});
        return args;
    };
    EXPECT_EQ(Formato("firma", "hola", en("2")), "hoAnala");
    EXPECT_EQ(Formato("firma", "hola", en("0")), "Anahola");
    EXPECT_EQ(Formato("firma", "hola", en("99")), "holaAna");
    // The caret counts characters of the box, where a line break is CR LF.
    EXPECT_EQ(Formato("firma", "a\nb", en("3")), "a\nAnab");
    // The signature is Windows-1252 text like the message.
    EXPECT_EQ(Formato("firma", "hola", {"--firma", "Ram\xC3\xB3n \xE2\x82\xAC"}),
              "Ram\xC3\xB3n \xE2\x82\xAC hola");
}

TEST(TrocearFormato, ReemplazarNoVeLaPalabraQueEmpiezaUnaLinea) {
    DirectorioTemporal dir;
    const std::string reglas = dir.Escribir("reglas.txt", "que\tq\r\nporque\txp\r\n");
    EXPECT_EQ(Formato("reemplazar", "hola\nque tal, que Porque", {"--reemplazos", reglas}),
              "hola\nque tal, q XP");
}

}  // namespace
}  // namespace rebanex::consola::prueba
