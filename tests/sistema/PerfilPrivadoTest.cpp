// One contract for the portable settings reader/writer and the system's private-profile calls.
#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"
#include "settings/Ini.h"
#include "sistema/DiscoFicheros.h"
#include "sistema/PerfilFichero.h"
#ifdef _WIN32
#include "app/win32/PerfilWin32.h"
#endif

namespace rebanex {
namespace {

struct Implementacion {
    const char* nombre;
    std::function<std::unique_ptr<PerfilPrivado>(Disco&)> crear;
};

struct PerfilPrivadoTest : ::testing::TestWithParam<Implementacion> {
    std::string Leer(std::string_view seccion, std::string_view clave) {
        return perfil->ObtenerCadena(ruta, seccion, clave, "defecto", 255);
    }
    bool Escribir(std::string_view seccion, std::string_view clave, std::string_view valor) {
        return perfil->EscribirCadena(ruta, seccion, clave, valor);
    }

    pruebas::CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Fichero("Rebanex.ini");
    DiscoFicheros disco{""};
    std::unique_ptr<PerfilPrivado> perfil = GetParam().crear(disco);
};

TEST_P(PerfilPrivadoTest, LeeUnFicheroEscritoAMano) {
    EXPECT_EQ(Leer("Rebanex", "MsgMax"), "defecto");  // no file
    carpeta.Escribir("Rebanex.ini",
                     "suelta=fuera de seccion\r\n  [ Rebanex ]  \r\n  MsgMax =  150  \r\n"
                     "Firma=\"  Quelvo  \"\r\nSimples='x'\r\nDesparejas=\"abc'\r\nSinIgual\r\n"
                     "Igualdad=a=b\r\nVacia=\r\nObtenerTama\xF1oMsg=1\r\nEuro=caf\xE9 5\x80\r\n"
                     "[Usuario]\r\nfirma=Pepe\r\n");
    // clang-format off
    const std::pair<std::string, std::string> casos[] = {
        {"MsgMax", "150"}, {"Firma", "  Quelvo  "}, {"Simples", "x"}, {"Desparejas", "\"abc'"},
        {"SinIgual", "defecto"}, {"Igualdad", "a=b"}, {"Vacia", ""}, {"suelta", "defecto"},
        {"NoEsta", "defecto"}, {"euro", "caf\xE9 5\x80"},
        // Letters beyond ASCII match as written (Wine and Windows fold their case differently).
        {"OBTENERTAMA\xF1OMSG", "1"}};
    // clang-format on
    for (const auto& [clave, valor] : casos) {
        EXPECT_EQ(Leer("rebanex", clave), valor) << clave;
    }
    EXPECT_EQ(Leer("USUARIO", "Firma"), "Pepe");
    EXPECT_EQ(Leer("NoHay", "firma"), "defecto");
}

TEST_P(PerfilPrivadoTest, EscribirSoloCambiaSuClave) {
    EXPECT_TRUE(Escribir("Rebanex", "MsgMax", "160"));  // creates the file
    EXPECT_EQ(carpeta.Leer("Rebanex.ini"), "[Rebanex]\r\nMsgMax=160\r\n");
    EXPECT_TRUE(Escribir("Rebanex", "Firma", "caf\xE9 5\x80") &&
                Escribir("Reemplazos", "1", "R1.txt") && Escribir("REBANEX", "msgmax", "70"));
    EXPECT_EQ(Leer("Rebanex", "MsgMax"), "70");
    EXPECT_EQ(Leer("Rebanex", "Firma"), "caf\xE9 5\x80");
    EXPECT_EQ(Leer("Reemplazos", "1"), "R1.txt");
    // The bytes as they are, so the other reader finds them too.
    EXPECT_NE(carpeta.Leer("Rebanex.ini").find("Firma=caf\xE9 5\x80\r\n"), std::string::npos);
    // What the program reads: values cut to 254 characters, as the system fills its buffer.
    Ini ini(*perfil);
    ini.FijarFicheroIni(ruta);
    ASSERT_TRUE(ini.EscribirIni("Rebanex", "Largo", std::string(300, 'x')));
    EXPECT_EQ(ini.LeerIni("Rebanex", "Largo"), std::string(kLargoMaximoIni, 'x'));
    EXPECT_FALSE(perfil->EscribirCadena(
        (std::filesystem::path(carpeta.Fichero("no-existe")) / "Rebanex.ini").string(), "Rebanex",
        "k", "v"));
}

const Implementacion kImplementaciones[] = {
    {"PerfilFichero", [](Disco& disco) { return std::make_unique<PerfilFichero>(disco); }},
#ifdef _WIN32
    {"PerfilWin32", [](Disco&) { return std::make_unique<win32::PerfilWin32>(); }},
#endif
};

INSTANTIATE_TEST_SUITE_P(, PerfilPrivadoTest, ::testing::ValuesIn(kImplementaciones),
                         [](const auto& prueba) { return std::string(prueba.param.nombre); });

}  // namespace
}  // namespace rebanex
