#include "cli/Argumentos.h"

#include <gtest/gtest.h>

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
    auto r = LeerArgumentos(args);
    if (const auto* e = std::get_if<ErrorUso>(&r)) {
        return e->mensaje;
    }
    ADD_FAILURE() << "aceptado sin error";
    return {};
}

TEST(TrocearArgumentos, CadaOpcionSeRecogeEnSuOrden) {
    const ArgumentosTrocear nada = Bien({});
    EXPECT_EQ(nada.modo, Modo::Trozos);
    EXPECT_EQ(nada.codificacion, CodificacionConsola::Utf8);
    EXPECT_FALSE(nada.fichero || nada.rutaIni || nada.firma || nada.cursor || nada.ayuda);

    const ArgumentosTrocear a =
        Bien({"--opcion", "MsgMax=70", "--max", "80", "--opcion", "Inverso=1=2", "--ini",
              "a/Rebanex.ini", "--firma", "Ana", "--reemplazos", "r.txt", "--cursor", "12",
              "--codificacion", "cp1252", "--formato", "firma", "msg.txt"});
    EXPECT_EQ(a.asignaciones,
              (std::vector<Asignacion>{{"MsgMax", "70"}, {"MsgMax", "80"}, {"Inverso", "1=2"}}));
    EXPECT_EQ(a.rutaIni, "a/Rebanex.ini");
    EXPECT_EQ(a.firma, "Ana");
    EXPECT_EQ(a.rutaReemplazos, "r.txt");
    EXPECT_EQ(a.cursor, 12);
    EXPECT_EQ(a.codificacion, CodificacionConsola::Cp1252);
    EXPECT_EQ(a.modo, Modo::Formato);
    EXPECT_EQ(a.formato, ComandoFormato::Firma);
    EXPECT_EQ(a.fichero, "msg.txt");

    EXPECT_EQ(Bien({"--json"}).modo, Modo::Json);
    EXPECT_EQ(Bien({"--contar", "--contar"}).modo, Modo::Contar);
    EXPECT_TRUE(Bien({"-h"}).ayuda);
    EXPECT_FALSE(Bien({"-"}).fichero);
    EXPECT_EQ(Bien({"--", "--json"}).fichero, "--json");
}

TEST(TrocearArgumentos, ErroresDeUso) {
    EXPECT_EQ(Mal({"--max"}), "falta el valor de --max");
    EXPECT_EQ(Mal({"--opcion", "PosicionVentana=1"}),
              "opción de ajustes desconocida: PosicionVentana");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--maximo", "3"},
                                               {"--opcion", "=1"},
                                               {"--codificacion", "latin1"},
                                               {"--formato", "negrita"},
                                               {"--json", "--contar"},
                                               {"--json", "--formato", "x"},
                                               {"--formato", "acentos", "--contar"},
                                               {"uno.txt", "dos.txt"},
                                               {"--cursor", "-1"},
                                               {"--cursor", "1.5"},
                                               {"--cursor", "99999999999999999999"}}) {
        EXPECT_NE(Mal(args), "") << args[0];
    }
}

TEST(TrocearArgumentos, LosTextosValenEnUtf8OEnWindows1252) {
    // UTF-8 as a Linux terminal gives it, Windows-1252 as a Windows console does, whatever
    // the encoding of the message.
    for (const char* codificacion : {"utf8", "cp1252"}) {
        EXPECT_EQ(Bien({"--codificacion", codificacion, "--firma", "Ram\xC3\xB3n"}).firma, "Ramón");
        EXPECT_EQ(Bien({"--codificacion", codificacion, "--firma", "Ram\xF3n"}).firma, "Ramón");
    }
    EXPECT_EQ(Bien({"--opcion", "ObtenerTama\xC3\xB1oMsg=0"}).asignaciones[0].clave,
              "ObtenerTamañoMsg");
    EXPECT_EQ(Bien({"--max", "\xE2\x82\xAC"}).asignaciones[0].valor, "\x80");
    // Paths too: the file module hands them to the system in its own form.
    const ArgumentosTrocear rutas =
        Bien({"se\xC3\xB1or.txt", "--ini", "d\x80\\a.ini", "--reemplazos", "\xE2\x82\xAC"});
    EXPECT_EQ(rutas.fichero, "se\xF1or.txt");
    EXPECT_EQ(rutas.rutaIni, "d\x80\\a.ini");
    EXPECT_EQ(rutas.rutaReemplazos, "\x80");
    EXPECT_EQ(Mal({"--a\xC3\xB1"}), "opción desconocida: --añ");
    const auto r = LeerArgumentos({"--codificacion", "cp1252", "--a\xF1"});
    EXPECT_EQ(std::get<ErrorUso>(r).mensaje, "opción desconocida: --añ");
    EXPECT_EQ(std::get<ErrorUso>(r).codificacion, CodificacionConsola::Cp1252);
}

}  // namespace
}  // namespace rebanex::consola
