// trocear's command line, the options it sets by key and the encodings of what it prints.
#include "cli/Argumentos.h"

#include <gtest/gtest.h>

#include "cli/Codificacion.h"
#include "cli/OpcionesPorClave.h"
#include "cli/Salida.h"

namespace rebanex::consola {
namespace {

ArgumentosTrocear Bien(const std::vector<std::string>& args) {
    auto r = LeerArgumentos(args);
    if (const auto* e = std::get_if<ErrorUso>(&r)) {
        ADD_FAILURE() << "error de uso: " << e->mensaje;
        return {};
    }
    return std::get<ArgumentosTrocear>(r);
}

std::string Mal(const std::vector<std::string>& args) {
    const auto r = LeerArgumentos(args);
    return std::holds_alternative<ErrorUso>(r) ? std::get<ErrorUso>(r).mensaje : "(aceptado)";
}

TEST(TrocearArgumentos, CadaOpcionEnSuOrdenOElError) {
    const ArgumentosTrocear nada = Bien({});
    EXPECT_EQ(nada.modo, Modo::Trozos);
    EXPECT_EQ(nada.codificacion, CodificacionConsola::Utf8);
    EXPECT_FALSE(nada.fichero || nada.rutaIni || nada.firma || nada.cursor || nada.ayuda);
    const ArgumentosTrocear a =
        Bien({"--opcion", "MsgMax=70", "--max", "80", "--opcion", "Inverso=1=2", "--ini", "a.ini",
              "--firma", "Ana", "--reemplazos", "r.txt", "--cursor", "12", "--codificacion",
              "cp1252", "--formato", "firma", "msg.txt"});
    EXPECT_EQ(a.asignaciones,
              (std::vector<Asignacion>{{"MsgMax", "70"}, {"MsgMax", "80"}, {"Inverso", "1=2"}}));
    EXPECT_EQ(std::tie(a.rutaIni, a.firma, a.rutaReemplazos, a.fichero),
              std::tie("a.ini", "Ana", "r.txt", "msg.txt"));
    EXPECT_EQ(a.cursor, 12);
    EXPECT_EQ(a.codificacion, CodificacionConsola::Cp1252);
    EXPECT_EQ(a.modo, Modo::Formato);
    EXPECT_EQ(a.formato, ComandoFormato::Firma);
    EXPECT_EQ(Bien({"--contar", "--contar"}).modo, Modo::Contar);
    EXPECT_FALSE(Bien({"-"}).fichero);
    EXPECT_EQ(Bien({"--", "--json"}).fichero, "--json");

    EXPECT_EQ(Mal({"--max"}), "falta el valor de --max");
    EXPECT_EQ(Mal({"--opcion", "PosicionVentana=1"}),
              "opción de ajustes desconocida: PosicionVentana");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--opcion", "=1"},
                                               {"--codificacion", "latin1"},
                                               {"--formato", "negrita"},
                                               {"--json", "--contar"},
                                               {"--formato", "acentos", "--json"},
                                               {"uno.txt", "dos.txt"},
                                               {"--cursor", "-1"},
                                               {"--cursor", "1.5"},
                                               {"--cursor", "99999999999999999999"}}) {
        EXPECT_NE(Mal(args), "(aceptado)") << args[0] << " " << args[1];
    }
}

TEST(TrocearArgumentos, LosTextosValenEnUtf8OEnWindows1252) {
    // UTF-8 as a Linux terminal gives it, Windows-1252 as a Windows console does.
    for (const char* firma : {"Ram\xC3\xB3n", "Ram\xF3n"}) {
        EXPECT_EQ(Bien({"--codificacion", "cp1252", "--firma", firma}).firma, "Ram\xF3n");
    }
    const ArgumentosTrocear a = Bien({"se\xC3\xB1or.txt", "--reemplazos", "\xE2\x82\xAC",
                                      "--opcion", "ObtenerTama\xC3\xB1oMsg=0"});
    EXPECT_EQ(a.fichero, "se\xF1or.txt");
    EXPECT_EQ(a.rutaReemplazos, "\x80");
    EXPECT_EQ(a.asignaciones[0].clave, "ObtenerTama\xF1oMsg");
    const auto r = LeerArgumentos({"--codificacion", "cp1252", "--a\xF1"});
    EXPECT_EQ(std::get<ErrorUso>(r).mensaje, "opción desconocida: --añ");
    EXPECT_EQ(std::get<ErrorUso>(r).codificacion, CodificacionConsola::Cp1252);
}

TEST(TrocearOpcionesPorClave, CadaValorComoLoLeeElFicheroDeAjustes) {
    Configuracion c;
    for (const auto& [clave, valor] :
         std::vector<std::pair<const char*, const char*>>{{"Inverso", "1e3"},
                                                          {"NOACENTOS", "si"},
                                                          {"NoMultiEspacios", "1x"},
                                                          {"obtenertamanyomsg", "0"},
                                                          {"FirmarEnTrozos", "-1"},
                                                          {"Letras", "2.5"},
                                                          {"FirmarEnPosicion", "3.5"},
                                                          {"MsgMax", " 0160"}}) {
        ASSERT_TRUE(AsignarOpcion(c, clave, valor)) << clave;
    }
    Configuracion esperada;
    esperada.Inverso = esperada.FirmarEnTrozos = true;
    esperada.NoAcentos = esperada.NoMultiEspacios = esperada.ObtenerTamanyoMsg = false;
    esperada.Letras = 2;            // rounded, halves to even
    esperada.FirmarEnPosicion = 1;  // outside 1 to 3
    esperada.MsgMax = " 0160";      // checked later like the text of Lon
    EXPECT_EQ(c, esperada);
    for (const char* desconocida : {"PosicionVentanaX", "Inverso ", "", "Letra"}) {
        EXPECT_FALSE(AsignarOpcion(c, desconocida, "1"));
    }
}

TEST(TrocearSalida, SaltosCodificacionYJson) {
    EXPECT_EQ(SaltosDeVentana("a\nb\r\nc\rd\r\r\n"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(SaltosDeConsola("a\r\nb\rc\nd\r\r\n"), "a\nb\rc\nd\r\n");
    EXPECT_EQ(Salida(CodificacionConsola::Utf8).Texto("año\r\n€\r"), "a\xC3\xB1o\n\xE2\x82\xAC\r");
    EXPECT_EQ(Salida(CodificacionConsola::Cp1252).Texto("año\r\n€\r"), "año\r\n€\r");
    EXPECT_EQ(TextoAviso(Aviso{"uno\r\rdos\r", "Epp!!"}), "Epp!!: uno\n\ndos\n");
    EXPECT_EQ(TrozosJson({}), "{\"trozos\": []}");
    EXPECT_EQ(TrozosJson({"di \"hola\" \\", "a\r\nb\tc\x01\x1F/\x7F", "año €"}),
              "{\"trozos\": [\"di \\\"hola\\\" \\\\\", \"a\\r\\nb\\tc\\u0001\\u001F/\x7F\", "
              "\"a\xC3\xB1o \xE2\x82\xAC\"]}");
}

}  // namespace
}  // namespace rebanex::consola
