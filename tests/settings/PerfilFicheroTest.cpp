#include "settings/PerfilFichero.h"

#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"

namespace rebanex {
namespace {

class PerfilFicheroTest : public ::testing::Test {
  protected:
    std::string Leer(std::string_view seccion, std::string_view clave, std::size_t tamano = 255) {
        return perfil.ObtenerCadena(ruta, seccion, clave, "defecto", tamano);
    }
    bool Escribir(std::string_view seccion, std::string_view clave, std::string_view valor) {
        return perfil.EscribirCadena(ruta, seccion, clave, valor);
    }

    pruebas::CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Fichero("Rebanex.ini");
    PerfilFichero perfil;
};

TEST_F(PerfilFicheroTest, LeeUnFicheroEscritoAMano) {
    EXPECT_EQ(Leer("Rebanex", "MsgMax", 4), "def");  // no file
    carpeta.Escribir("Rebanex.ini",
                     "; comentario\n"
                     "suelta=fuera de seccion\n"
                     "  [ Rebanex ]  \n"
                     "  MsgMax =  150  \n"
                     "Firma=\"  Quelvo  \"\r\n"
                     "Simples='x'\n"
                     "Desparejas=\"abc'\n"
                     "SinIgual\n"
                     ";Letras=3\n"
                     "Igualdad=a=b\n"
                     "ObtenerTama\xF1oMsg=1\n"
                     "[Usuario]\n"
                     "firma=Pepe");
    const std::pair<std::string, std::string> casos[] = {
        {"MsgMax", "150"},        {"Firma", "  Quelvo  "}, {"Simples", "x"},
        {"Desparejas", "\"abc'"}, {"SinIgual", "defecto"}, {"Letras", "defecto"},
        {"Igualdad", "a=b"},      {"suelta", "defecto"},   {"OBTENERTAMA\xD1OMSG", "1"}};
    for (const auto& [clave, valor] : casos) {
        EXPECT_EQ(Leer("rebanex", clave), valor) << clave;
    }
    EXPECT_EQ(Leer("Usuario", "firma"), "Pepe");
    EXPECT_EQ(Leer("Rebanex", "Firma", 4), "  Q");
}

TEST_F(PerfilFicheroTest, EscribirRespetaElRestoDelFichero) {
    EXPECT_TRUE(Escribir("Rebanex", "MsgMax", "160"));  // creates the file
    EXPECT_EQ(carpeta.Leer("Rebanex.ini"), "[Rebanex]\r\nMsgMax=160\r\n");
    carpeta.Escribir("Rebanex.ini", "; mis ajustes\n[Rebanex]\nInverso = 1\n\n[Otra]\n[Vacia]\n");
    EXPECT_TRUE(Escribir("REBANEX", "inverso", "0"));
    EXPECT_TRUE(Escribir("Rebanex", "MsgMax", "70"));
    EXPECT_TRUE(Escribir("Vacia", "k", "v"));
    EXPECT_TRUE(Escribir("Nueva", "a", "b"));
    EXPECT_EQ(carpeta.Leer("Rebanex.ini"),
              "; mis ajustes\r\n[Rebanex]\r\nInverso=0\r\nMsgMax=70\r\n\r\n"
              "[Otra]\r\n[Vacia]\r\nk=v\r\n[Nueva]\r\na=b\r\n");
    EXPECT_EQ(Leer("Rebanex", "Inverso"), "0");
    EXPECT_FALSE(perfil.EscribirCadena(carpeta.Fichero("no/existe.ini"), "Rebanex", "k", "v"));
}

}  // namespace
}  // namespace rebanex
