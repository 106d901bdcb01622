#include "settings/PerfilFichero.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace rebanex {
namespace {

namespace fs = std::filesystem;

class PerfilFicheroTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device azar;
        carpeta = fs::temp_directory_path() / ("rebanex_perfil_" + std::to_string(azar()));
        fs::create_directories(carpeta);
        ruta = (carpeta / "Rebanex.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(carpeta, ec);
    }

    void Crear(const std::string& contenido) { std::ofstream(ruta, std::ios::binary) << contenido; }
    std::string Contenido() {
        std::ifstream f(ruta, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    std::string Leer(std::string_view seccion, std::string_view clave, std::size_t tamano = 255) {
        return perfil.ObtenerCadena(ruta, seccion, clave, "defecto", tamano);
    }
    bool Escribir(std::string_view seccion, std::string_view clave, std::string_view valor) {
        return perfil.EscribirCadena(ruta, seccion, clave, valor);
    }

    fs::path carpeta;
    std::string ruta;
    PerfilFichero perfil;
};

TEST_F(PerfilFicheroTest, SinFicheroDevuelveElDefectoYEscribirLoCrea) {
    EXPECT_EQ(Leer("Rebanex", "MsgMax"), "defecto");
    EXPECT_EQ(Leer("Rebanex", "MsgMax", 4), "def");
    EXPECT_FALSE(fs::exists(ruta));

    EXPECT_TRUE(Escribir("Rebanex", "MsgMax", "160"));
    EXPECT_EQ(Contenido(), "[Rebanex]\r\nMsgMax=160\r\n");
    EXPECT_EQ(Leer("Rebanex", "MsgMax"), "160");
}

TEST_F(PerfilFicheroTest, IdaYVueltaConDosSecciones) {
    EXPECT_TRUE(Escribir("Rebanex", "Inverso", "0"));
    EXPECT_TRUE(Escribir("FicherosReemplazos", "1", "C:\\Mensatel\\Rebanex.txt"));
    EXPECT_TRUE(Escribir("Rebanex", "ObtenerTamañoMsg", "1"));
    EXPECT_TRUE(Escribir("rebanex", "INVERSO", "1"));
    EXPECT_TRUE(Escribir("FicherosReemplazos", "2", ""));
    EXPECT_EQ(Contenido(),
              "[Rebanex]\r\nInverso=1\r\nObtenerTama\xF1oMsg=1\r\n"
              "[FicherosReemplazos]\r\n1=C:\\Mensatel\\Rebanex.txt\r\n2=\r\n");
    EXPECT_EQ(Leer("REBANEX", "obtenertama\xD1omsg"), "1");
    EXPECT_EQ(Leer("Rebanex", "Inverso"), "1");
    EXPECT_EQ(Leer("FicherosReemplazos", "1"), "C:\\Mensatel\\Rebanex.txt");
    EXPECT_EQ(Leer("FicherosReemplazos", "2"), "");
    EXPECT_EQ(Leer("FicherosReemplazos", "3"), "defecto");
}

TEST_F(PerfilFicheroTest, LeeUnFicheroEscritoAMano) {
    Crear(
        "; comentario\n"
        "suelta=fuera de seccion\n"
        "  [ Rebanex ]  \n"
        "  MsgMax =  150  \n"
        "Firma=\"  Quelvo  \"\r\n"
        "Simples='x'\n"
        "Desparejas=\"abc'\n"
        "Una=\"\n"
        "SinIgual\n"
        ";Letras=3\n"
        "Igualdad=a=b\n"
        "[Usuario]\n"
        "firma=Pepe");
    EXPECT_EQ(Leer("Rebanex", "MsgMax"), "150");
    EXPECT_EQ(Leer("Rebanex", "Firma"), "  Quelvo  ");
    EXPECT_EQ(Leer("Rebanex", "Simples"), "x");
    EXPECT_EQ(Leer("Rebanex", "Desparejas"), "\"abc'");
    EXPECT_EQ(Leer("Rebanex", "Una"), "\"");
    EXPECT_EQ(Leer("Rebanex", "SinIgual"), "defecto");
    EXPECT_EQ(Leer("Rebanex", "Letras"), "defecto");
    EXPECT_EQ(Leer("Rebanex", "Igualdad"), "a=b");
    EXPECT_EQ(Leer("Rebanex", "suelta"), "defecto");
    EXPECT_EQ(Leer("Usuario", "firma"), "Pepe");
    EXPECT_EQ(Leer("Rebanex", "firma", 4), "  Q");
}

TEST_F(PerfilFicheroTest, EscribirRespetaElRestoDelFichero) {
    Crear("; mis ajustes\n[Rebanex]\nInverso = 1\n\n[Otra]\nk=v\n");
    EXPECT_TRUE(Escribir("REBANEX", "inverso", "0"));
    EXPECT_TRUE(Escribir("Rebanex", "MsgMax", "70"));
    EXPECT_TRUE(Escribir("Nueva", "a", "b"));
    EXPECT_EQ(Contenido(),
              "; mis ajustes\r\n[Rebanex]\r\nInverso=0\r\nMsgMax=70\r\n\r\n"
              "[Otra]\r\nk=v\r\n[Nueva]\r\na=b\r\n");
}

TEST_F(PerfilFicheroTest, SeccionVaciaRecibeLaClaveTrasSuCabecera) {
    Crear("[Rebanex]\r\n\r\n[Otra]\r\n");
    EXPECT_TRUE(Escribir("Rebanex", "k", "v"));
    EXPECT_EQ(Contenido(), "[Rebanex]\r\nk=v\r\n\r\n[Otra]\r\n");
}

TEST_F(PerfilFicheroTest, FallaSiNoPuedeEscribir) {
    const std::string imposible = (carpeta / "no" / "existe" / "Rebanex.ini").string();
    EXPECT_FALSE(perfil.EscribirCadena(imposible, "Rebanex", "Inverso", "0"));
    EXPECT_EQ(perfil.ObtenerCadena(imposible, "Rebanex", "Inverso", "d", 255), "d");
}

}  // namespace
}  // namespace rebanex
