// Message files and Windows-1252 paths.
#include "sistema/Ficheros.h"

#include <gtest/gtest.h>

#include <numeric>

#include "comun/CarpetaTemporal.h"
#include "files/Mensajes.h"
#include "sistema/DiscoFicheros.h"

namespace rebanex {
namespace {

using namespace ficheros;
using namespace std::string_literals;

TEST(Mensajes, TextoConSaltos) {
    const std::pair<std::string, std::string> saltos[] = {
        {"uno\r\ndos\r\n", "uno\r\ndos"}, {"uno\rdos\r", "uno\r\ndos"},
        {"uno\ndos\n", "uno\r\ndos"},     {"uno\r\n\r\n", "uno\r\n"},
        {"uno\n\rdos", "uno\r\n\r\ndos"}, {"a\0b\0"s, "a b "}};
    for (const auto& [bytes, texto] : saltos) {
        // Also after text that puts the line ends across the blocks the text is read in.
        for (const std::string& antes :
             {""s, "\n\0"s + "123456789abc\r\n", std::string(10, 'x') + "\r\n",
              std::string(29, 'x') + '\r'}) {
            const std::string sin = TextoConSaltos(antes).append(antes.empty() ? "" : "\r\n");
            EXPECT_EQ(TextoConSaltos(antes + bytes), sin + texto) << bytes;
        }
    }
}

TEST(Mensajes, QuitarTelefono) {
    const std::string veinte(20, '9');
    const std::pair<std::string, std::string> telefonos[] = {
        {"#TEL#" + veinte + "@", ""},
        {"x#TEL#9" + veinte + "@", "x#TEL#9" + veinte + "@"},  // 21 characters: no trailer
        {"#TEL#1@#TEL#2@", "#TEL#1@"},                         // the nearest marker wins
        {"hola#TEL#612", "hola#TEL#612"}};
    for (auto [texto, despues] : telefonos) {
        QuitarTelefono(texto);
        EXPECT_EQ(texto, despues);
    }
}

TEST(Mensajes, InterpretarLineaComandos) {
    EXPECT_EQ(InterpretarLineaComandos("\"C:\\Mis mensajes\\uno.sms\""),
              (LineaComandos{false, "C:\\Mis mensajes\\uno.sms"}));
    EXPECT_EQ(InterpretarLineaComandos(" \thola"), (LineaComandos{false, " \thola"}));
}

TEST(Ficheros, CadaOperacionConNombresFueraDeAscii) {
    std::string altos = "A\xF1o " + std::string(32, '\0');
    std::iota(altos.end() - 32, altos.end(), '\x80');  // 0x80 to 0x9F
    pruebas::CarpetaTemporal t;
    std::filesystem::create_directory(t.Nativo(altos));
    const std::string ruta = t.Escribir(altos + "/" + altos, "hola\r\n\x80");
    EXPECT_TRUE(!ExisteFichero(t.Fichero(altos)) && ExisteFichero(ruta));
    EXPECT_EQ(LeerFichero(ruta), (Lectura{"hola\r\n\x80", std::nullopt, {}}));
    const std::string grande(5 << 19, '\x80');  // mapped on Linux, into 2 MiB pages past 1 MiB
    EXPECT_EQ(LeerFichero(t.Escribir("grande", grande)).contenido, grande);
    EXPECT_EQ(TamanyoFichero(ruta), 7u);
    ASSERT_TRUE(EscribirFichero(t.Fichero(altos + "/\xF1"), "adi\xF3s"));
    EXPECT_EQ(t.Leer(altos + "/\xF1"), "adi\xF3s");
    EXPECT_TRUE(Borrar(ruta));
    EXPECT_FALSE(ExisteFichero(ruta) || Borrar(ruta));
    EXPECT_EQ(LeerFichero(ruta).fallo, MotivoFallo::NoExiste);
    EXPECT_EQ(TamanyoFichero(ruta), std::nullopt);
    EXPECT_FALSE(EscribirFichero(t.Fichero("falta/a.txt"), "x"));
    EXPECT_EQ(LeerFichero(t.Ruta()).fallo, MotivoFallo::EsCarpeta);
    EXPECT_FALSE(Borrar(t.Ruta()));  // a folder is not a file
    // A replace never goes over a read-only file.
    DiscoFicheros disco({});
    const std::string nuevo = t.Escribir("nuevo", "2"), viejo = t.Escribir("viejo", "1");
    using std::filesystem::perms, std::filesystem::perm_options;
    std::filesystem::permissions(t.Nativo("viejo"), perms::owner_write, perm_options::remove);
    EXPECT_FALSE(disco.Reemplazar(nuevo, viejo) || t.Leer("viejo") != "1");
    std::filesystem::permissions(t.Nativo("viejo"), perms::owner_write, perm_options::add);
    EXPECT_TRUE(disco.Reemplazar(nuevo, t.Fichero("otro")) && t.Leer("otro") == "2");
}

}  // namespace
}  // namespace rebanex
