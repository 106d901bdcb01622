// Paths are Windows-1252: names with "€", "ñ" and the other bytes 0x80 to 0x9F must reach
// the files the system knows under those characters.
#include "files/Ficheros.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "comun/CarpetaTemporal.h"

namespace rebanex::ficheros {
namespace {

using pruebas::kSeparador;
using pruebas::NombreNativo;

std::string LeerNativo(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string TodosLosAltos() {
    std::string nombre;
    for (int b = 0x80; b <= 0x9F; ++b) {
        nombre += static_cast<char>(b);
    }
    return nombre;
}

TEST(Ficheros, NombresFueraDeAscii) {
    const std::pair<std::string, std::string> casos[] = {
        {"d\x80", "Rebanex.ini"},
        {"A\xF1o \xD1", "se\xF1or \x80.txt"},
        {TodosLosAltos(), TodosLosAltos() + ".txt"},
    };
    for (const auto& [carpeta, fichero] : casos) {
        pruebas::CarpetaTemporal temporal;
        const std::string directorio = temporal.CrearCarpetaNativa(carpeta);
        const std::string ruta = temporal.EscribirNativo(carpeta, fichero, "hola\r\n\x80");
        EXPECT_TRUE(EsDirectorio(directorio)) << directorio;
        EXPECT_FALSE(ExisteFichero(directorio));
        EXPECT_EQ(LeerFichero(directorio), std::nullopt);
        EXPECT_TRUE(ExisteFichero(ruta)) << ruta;
        EXPECT_FALSE(EsDirectorio(ruta));
        EXPECT_EQ(LeerFichero(ruta), "hola\r\n\x80");
        EXPECT_EQ(TamanoFichero(ruta), 7u);

        const std::string otro = directorio + kSeparador + "\xF1" + fichero;
        ASSERT_TRUE(EscribirFichero(otro, "adi\xF3s"));
        EXPECT_EQ(LeerNativo(std::filesystem::path(temporal.Ruta()) / NombreNativo(carpeta) /
                             NombreNativo("\xF1" + fichero)),
                  "adi\xF3s");
        ASSERT_TRUE(EscribirFichero(otro, ""));  // emptied
        EXPECT_EQ(LeerFichero(otro), "");
        EXPECT_TRUE(Borrar(otro));
        EXPECT_FALSE(ExisteFichero(otro));
    }
}

TEST(Ficheros, LoQueNoEsta) {
    pruebas::CarpetaTemporal temporal;
    const std::string falta = temporal.Ruta() + kSeparador + "falta\x80";
    EXPECT_FALSE(ExisteFichero(falta));
    EXPECT_FALSE(EsDirectorio(falta));
    EXPECT_EQ(LeerFichero(falta), std::nullopt);
    EXPECT_EQ(LeerTexto(falta), std::nullopt);
    EXPECT_EQ(TamanoFichero(falta), std::nullopt);
    EXPECT_EQ(TamanoFichero(temporal.Ruta()), std::nullopt);
    EXPECT_FALSE(EscribirFichero(falta + kSeparador + "a.txt", "x"));
    EXPECT_FALSE(Borrar(falta));
    EXPECT_FALSE(Borrar(temporal.Ruta()));  // a folder is not a file
    EXPECT_TRUE(EsDirectorio(temporal.Ruta()));
}

}  // namespace
}  // namespace rebanex::ficheros
