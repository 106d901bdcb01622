// trocear's command line and the options it sets by key.
#include "cli/Argumentos.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/OpcionesPorClave.h"

namespace rebanex::consola {
namespace {

// The arguments split at spaces.
std::variant<ArgumentosTrocear, ErrorUso> Leer(const std::string& args) {
    std::vector<std::string> lista;
    std::istringstream palabras(args);
    for (std::string a; palabras >> a;) {
        lista.push_back(a);
    }
    return LeerArgumentos(lista);
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
    EXPECT_FALSE(std::get<ArgumentosTrocear>(Leer("-")).fichero);
    EXPECT_EQ(std::get<ArgumentosTrocear>(Leer("-- --json")).fichero, "--json");
    const std::pair<const char*, const char*> errores[] = {
        {"--max", "falta el valor de --max"},
        {"--opcion PosicionVentana=1", "opción de ajustes desconocida: PosicionVentana"},
        {"--codificacion cp1252 --a\xC3\xB1", "opción desconocida: --añ"},
        {"--opcion =1", ""},
        {"--codificacion latin1", ""},
        {"--formato negrita", ""},
        {"--json --contar", ""},
        {"--formato acentos --json", ""},
        {"--cursor -1", ""},
        {"--cursor 1.5", ""},
        {"--cursor 99999999999999999999", ""}};
    for (const auto& [args, mensaje] : errores) {
        const auto r = Leer(args);
        ASSERT_TRUE(std::holds_alternative<ErrorUso>(r)) << args;
        EXPECT_TRUE(std::get<ErrorUso>(r).mensaje.starts_with(mensaje)) << args;
    }
}

TEST(TrocearArgumentos, OpcionesPorClaveComoLasLeeElFicheroDeAjustes) {
    Configuracion c, esperada;
    for (const std::string a : {"Inverso=1e3", "NOACENTOS=si", "obtenertamanyomsg=0", "Letras=2.5",
                                "FirmarEnPosicion=3.5", "MsgMax= 0160"}) {
        ASSERT_TRUE(AsignarOpcion(c, a.substr(0, a.find('=')), a.substr(a.find('=') + 1))) << a;
    }
    esperada.Inverso = true;
    esperada.NoAcentos = esperada.ObtenerTamanyoMsg = false;
    esperada.Letras = 2;            // rounded, halves to even
    esperada.FirmarEnPosicion = 1;  // outside 1 to 3
    esperada.MsgMax = " 0160";      // checked later like the text of Lon
    EXPECT_EQ(c, esperada);
    EXPECT_FALSE(AsignarOpcion(c, "PosicionVentanaX", "1") || AsignarOpcion(c, "Inverso ", "1"));
}

}  // namespace
}  // namespace rebanex::consola
