// What the tool says when something is wrong, and how it exits.
#include <gtest/gtest.h>

#include "cli/Codificacion.h"
#include "cli/EnMemoria.h"

namespace rebanex::consola::prueba {
namespace {

// A refused split: nothing on standard output, the box on standard error, exit 2.
void Rechazado(const Resultado& r, const std::string& error) {
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(r.error, error);
}

TEST(TrocearComprobaciones, LasCajasDelTroceoSalenPorErrorEnUtf8) {
    Rechazado(Trocear({}, ""), "Eres mudo ?: Escribe algo no seas timidin\n");
    Rechazado(Trocear({"--max", "abc"}, "hola"),
              "S\xC3\xB3lo N\xC3\xBAmeros: Ein?? Que tal si ponemos solo n\xC3\xBAmeros en el "
              "campo tama\xC3\xB1o m\xC3\xA1ximo\n");
    Rechazado(Trocear({"--max", "0"}, "hola"),
              "Mensaje tama\xC3\xB1o 0 !!!!!!!: Por que no te multiplicas tu por 0  ;)\n");
    // The box's lone CRs become line breaks.
    Rechazado(Trocear({"--max", "1"}, "hola"),
              "Epp.... Cuidad\xC3\xADn!!: Joeeee, no me dejas sitio ni pa meter el guioncito de "
              "separador de palabras xDD\n\nAnda est\xC3\xADrate un poco con el tama\xC3\xB1o "
              "m\xC3\xA1ximo :P\n");
}

TEST(TrocearComprobaciones, EnCp1252LaCajaVaEnCp1252) {
    Rechazado(Trocear({"--max", "abc", "--codificacion", "cp1252"}, "hola"),
              "Sólo Números: Ein?? Que tal si ponemos solo números en el campo tamaño máximo\n");
}

TEST(TrocearComprobaciones, MsgMaxSeCompruebaComoElTextoDeLon) {
    for (const char* lon :
         {"", " 160", "160 ", "0160", "-0", "160.0", "1e3", "16a", "+160", "40000"}) {
        const Resultado r = Trocear({"--max", lon}, "hola");
        EXPECT_EQ(r.codigo, 2) << "'" << lon << "'";
        EXPECT_EQ(r.error.rfind("S\xC3\xB3lo N\xC3\xBAmeros: ", 0), 0u) << "'" << lon << "'";
    }
    EXPECT_EQ(Trocear({"--max", "-5"}, "hola").codigo, 2);
    EXPECT_EQ(Trocear({"--opcion", "MsgMax=32767"}, "hola").codigo, 0);
}

TEST(TrocearComprobaciones, LosLimitesDeIndicadoresYFirma) {
    EXPECT_EQ(Trocear({"--max", "11"}, "hola").codigo, 2);
    EXPECT_EQ(Trocear({"--max", "12"}, "hola").codigo, 0);
    EXPECT_EQ(Trocear({"--max", "11", "--opcion", "IndicadorTrozos=0"}, "hola").codigo, 0);

    const std::vector<std::string> enTrozos = {"--max", "15", "--opcion", "FirmarEnTrozos=1"};
    auto con = [&](const std::string& firma) {
        std::vector<std::string> args = enTrozos;
        args.insert(args.end(), {"--firma", firma});
        return Trocear(args, "hola");
    };
    EXPECT_EQ(con("1234567").codigo, 0);
    const Resultado grande = con("12345678");
    EXPECT_EQ(grande.codigo, 2);
    EXPECT_EQ(grande.error, "Epp, cuidad\xC3\xADn!!!: La firma no puede ser tan grande!\n");
}

TEST(TrocearComprobaciones, SinSitioParaTextoEnUnTrozoSeRechaza) {
    // 12 minus the indicator "n/m " and the signature with its space leaves one character.
    const Resultado r =
        Trocear({"--max", "12", "--firma", "ABCDEF", "--opcion", "FirmarEnTrozos=1"},
                "un mensaje bastante largo");
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.salida, "");
    EXPECT_NE(r.error, "");
}

TEST(TrocearComprobaciones, FallosDeUsoSalenConUno) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--nada"},
                                               {"--max"},
                                               {"--opcion", "Nada=1"},
                                               {"--cursor", "-3"},
                                               {"--codificacion", "ascii"},
                                               {"--formato", "todo"},
                                               {"--json", "--contar"},
                                               {"a.txt", "b.txt"}}) {
        const Resultado r = Trocear(args, "hola");
        EXPECT_EQ(r.codigo, 1) << args[0];
        EXPECT_EQ(r.salida, "") << args[0];
        EXPECT_EQ(r.error.rfind("trocear: ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find("trocear --ayuda"), std::string::npos) << r.error;
    }
    EXPECT_EQ(Trocear({"--a\xC3\xB1o"}).error,
              "trocear: opci\xC3\xB3n desconocida: --a\xC3\xB1o\nPrueba 'trocear --ayuda'.\n");
}

TEST(TrocearComprobaciones, UnFicheroQueNoSePuedeLeerSaleConUno) {
    DirectorioTemporal dir;
    const Resultado falta = Trocear({dir.Ruta("no-existe.txt")});
    EXPECT_EQ(falta.codigo, 1);
    EXPECT_EQ(falta.salida, "");
    EXPECT_EQ(falta.error,
              "trocear: no se puede leer el fichero '" + AUtf8(dir.Ruta("no-existe.txt")) + "'\n");
    const Resultado directorio = Trocear({dir.Ruta("")});
    EXPECT_EQ(directorio.codigo, 1);
    EXPECT_NE(directorio.error.find("no se puede leer el fichero"), std::string::npos);
}

TEST(TrocearComprobaciones, LaAyuda) {
    const Resultado r = Trocear({"--ayuda", "--max", "3"});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida.rfind("Uso: trocear [--ini RUTA]", 0), 0u);
    EXPECT_NE(r.salida.find("--codificacion C      utf8 (por defecto) o cp1252"),
              std::string::npos);
    EXPECT_NE(r.salida.find("est\xC3\xA1ndar"), std::string::npos);
}

}  // namespace
}  // namespace rebanex::consola::prueba
