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

TEST(TrocearArgumentos, SinNadaTroceaLaEntradaEstandarEnUtf8) {
    const ArgumentosTrocear a = Bien({});
    EXPECT_EQ(a.modo, Modo::Trozos);
    EXPECT_EQ(a.codificacion, CodificacionConsola::Utf8);
    EXPECT_FALSE(a.fichero || a.rutaIni || a.firma || a.rutaReemplazos || a.cursor);
    EXPECT_TRUE(a.asignaciones.empty());
    EXPECT_FALSE(a.ayuda);
}

TEST(TrocearArgumentos, MaxYOpcionSeAplicanEnSuOrden) {
    const ArgumentosTrocear a =
        Bien({"--opcion", "MsgMax=70", "--max", "80", "--opcion", "Inverso=1=2", "msg.txt"});
    const std::vector<Asignacion> esperadas = {
        {"MsgMax", "70"}, {"MsgMax", "80"}, {"Inverso", "1=2"}};
    EXPECT_EQ(a.asignaciones, esperadas);
    EXPECT_EQ(a.fichero, "msg.txt");
}

TEST(TrocearArgumentos, CadaOpcionConValorSeRecoge) {
    const ArgumentosTrocear a =
        Bien({"--ini", "a/Rebanex.ini", "--firma", "Ana", "--reemplazos", "r.txt", "--cursor", "12",
              "--codificacion", "cp1252", "--formato", "firma"});
    EXPECT_EQ(a.rutaIni, "a/Rebanex.ini");
    EXPECT_EQ(a.firma, "Ana");
    EXPECT_EQ(a.rutaReemplazos, "r.txt");
    EXPECT_EQ(a.cursor, 12);
    EXPECT_EQ(a.codificacion, CodificacionConsola::Cp1252);
    EXPECT_EQ(a.modo, Modo::Formato);
    EXPECT_EQ(a.formato, ComandoFormato::Firma);
}

TEST(TrocearArgumentos, LosModos) {
    EXPECT_EQ(Bien({"--json"}).modo, Modo::Json);
    EXPECT_EQ(Bien({"--contar", "--contar"}).modo, Modo::Contar);
    EXPECT_EQ(Bien({"--formato", "acentos", "--formato", "espacios"}).formato,
              ComandoFormato::Espacios);
    EXPECT_NE(Mal({"--json", "--contar"}).find("no se pueden combinar"), std::string::npos);
    EXPECT_NE(Mal({"--formato", "acentos", "--json"}).find("no se pueden combinar"),
              std::string::npos);
    EXPECT_TRUE(Bien({"--ayuda"}).ayuda);
    EXPECT_TRUE(Bien({"-h"}).ayuda);
}

TEST(TrocearArgumentos, FicherosGuionYDobleGuion) {
    EXPECT_FALSE(Bien({"-"}).fichero);
    EXPECT_EQ(Bien({"--", "--json"}).fichero, "--json");
    EXPECT_EQ(Bien({"--", "--json"}).modo, Modo::Trozos);
    EXPECT_NE(Mal({"uno.txt", "dos.txt"}).find("dos.txt"), std::string::npos);
}

TEST(TrocearArgumentos, ErroresDeUso) {
    EXPECT_EQ(Mal({"--max"}), "falta el valor de --max");
    EXPECT_EQ(Mal({"--maximo", "3"}), "opción desconocida: --maximo");
    EXPECT_EQ(Mal({"-x"}), "opción desconocida: -x");
    EXPECT_EQ(Mal({"--opcion", "Inverso"}), "--opcion espera Clave=Valor, no 'Inverso'");
    EXPECT_EQ(Mal({"--opcion", "=1"}), "--opcion espera Clave=Valor, no '=1'");
    EXPECT_EQ(Mal({"--opcion", "PosicionVentana=1"}),
              "opción de ajustes desconocida: PosicionVentana");
    EXPECT_NE(Mal({"--codificacion", "latin1"}).find("utf8 o cp1252"), std::string::npos);
    EXPECT_NE(Mal({"--formato", "negrita"}).find("'negrita'"), std::string::npos);
    for (const char* cursor : {"-1", "abc", "", "1.5", "99999999999999999999"}) {
        EXPECT_NE(Mal({"--cursor", cursor}).find("--cursor"), std::string::npos) << cursor;
    }
}

TEST(TrocearArgumentos, LosTextosSeLeenEnLaCodificacionDeLaConsola) {
    // UTF-8 as a Linux terminal gives it; Windows-1252 as a Windows console does.
    EXPECT_EQ(Bien({"--firma", "Ram\xC3\xB3n"}).firma, "Ramón");
    EXPECT_EQ(Bien({"--firma", "Ram\xF3n"}).firma, "Ramón");
    EXPECT_EQ(Bien({"--firma", "Ram\xC3\xB3n", "--codificacion", "cp1252"}).firma, "Ram\xC3\xB3n");
    EXPECT_EQ(Bien({"--opcion", "ObtenerTama\xC3\xB1oMsg=0"}).asignaciones[0].clave,
              "ObtenerTamañoMsg");
    EXPECT_EQ(Bien({"--max", "\xE2\x82\xAC"}).asignaciones[0].valor, "\x80");
    // Paths keep their bytes for the file system.
    EXPECT_EQ(Bien({"se\xC3\xB1or.txt"}).fichero, "se\xC3\xB1or.txt");
}

TEST(TrocearArgumentos, ElMensajeDeErrorLlevaElArgumentoDecodificado) {
    EXPECT_EQ(Mal({"--a\xC3\xB1"
                   "adir"}),
              "opción desconocida: --añadir");
    auto r = LeerArgumentos({"--codificacion", "cp1252", "--a\xF1"});
    ASSERT_TRUE(std::holds_alternative<ErrorUso>(r));
    EXPECT_EQ(std::get<ErrorUso>(r).mensaje, "opción desconocida: --añ");
    EXPECT_EQ(std::get<ErrorUso>(r).codificacion, CodificacionConsola::Cp1252);
}

}  // namespace
}  // namespace rebanex::consola
