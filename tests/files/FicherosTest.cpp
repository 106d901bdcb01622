// Paths are Windows-1252: names with "€", "ñ" and the other bytes 0x80 to 0x9F must reach the
// files the system knows under those characters; and every text file the program reads may be
// saved in Windows-1252 or in UTF-8.
#include "files/Ficheros.h"

#include <gtest/gtest.h>

#include "cli/EnMemoria.h"
#include "comun/AvisadorAnotado.h"
#include "comun/CarpetaTemporal.h"
#include "host/AjustesMensatel.h"
#include "settings/PerfilFichero.h"
#include "transforms/Reemplazos.h"

namespace rebanex::ficheros {
namespace {

using pruebas::kSeparador;

TEST(Ficheros, NombresFueraDeAsciiYLoQueNoEsta) {
    std::string altos = "A\xF1o ";
    for (int b = 0x80; b <= 0x9F; ++b) {
        altos += static_cast<char>(b);
    }
    pruebas::CarpetaTemporal temporal;
    const std::string directorio = temporal.CrearCarpetaNativa(altos);
    const std::string ruta = temporal.EscribirNativo(altos, altos + ".txt", "hola\r\n\x80");
    EXPECT_TRUE(EsDirectorio(directorio) && !ExisteFichero(directorio));
    EXPECT_TRUE(ExisteFichero(ruta) && !EsDirectorio(ruta));
    EXPECT_EQ(LeerFichero(ruta), "hola\r\n\x80");
    EXPECT_EQ(TamanoFichero(ruta), 7u);
    const std::string otro = directorio + kSeparador + "\xF1";
    ASSERT_TRUE(EscribirFichero(otro, "adi\xF3s"));
    EXPECT_EQ(pruebas::LeerBytes((std::filesystem::path(temporal.Ruta()) /
                                  pruebas::NombreNativo(altos) / pruebas::NombreNativo("\xF1"))
                                     .string()),
              "adi\xF3s");
    EXPECT_TRUE(Borrar(otro));
    for (const std::string& falta : {otro, otro + kSeparador + "a.txt"}) {
        EXPECT_FALSE(ExisteFichero(falta) || EsDirectorio(falta) || Borrar(falta));
        EXPECT_EQ(LeerFichero(falta), std::nullopt);
        EXPECT_EQ(TamanoFichero(falta), std::nullopt);
    }
    EXPECT_FALSE(EscribirFichero(otro + kSeparador + "a.txt", "x"));
    EXPECT_EQ(LeerFichero(directorio), std::nullopt);
    EXPECT_FALSE(Borrar(directorio));  // a folder is not a file
}

TEST(Ficheros, ReglasFirmaYMensajeEnUtf8OWindows1252) {
    const std::string carpeta = "d\x80 a\xF1o";
    pruebas::CarpetaTemporal temporal;
    const std::string directorio = temporal.CrearCarpetaNativa(carpeta) + kSeparador;
    const auto guardados = [](const std::string& cp1252) {
        return std::vector<std::string>{cp1252, AUtf8(cp1252), "\xEF\xBB\xBF" + AUtf8(cp1252)};
    };
    for (const std::string& reglas : guardados("canci\xF3n\tcanc\r\n")) {
        std::string texto = "una canci\xF3n";
        pruebas::AvisadorAnotado avisador;
        Troceado::AplicarReemplazos(texto, temporal.EscribirNativo(carpeta, "Rebanex.txt", reglas),
                                    avisador);
        EXPECT_EQ(texto, "una canc") << reglas;
    }
    for (const std::string& mensatel : guardados("[Usuario]\r\nfirma=N\xFA\xF1o\r\n")) {
        temporal.EscribirNativo(carpeta, "mensatel.ini", mensatel);
        PerfilFichero perfil;
        Ini ini(perfil);
        EXPECT_EQ(LeerFirmaMensatel(ini, directorio), "N\xFA\xF1o") << mensatel;
    }
    for (const std::string& mensaje : guardados("Se\xF1or \x80")) {
        const std::string ruta = temporal.EscribirNativo(carpeta, "m.txt", mensaje);
        const auto r =
            consola::prueba::Trocear({"--codificacion", "cp1252", "--opcion", "NoAcentos=0", ruta});
        EXPECT_EQ(r.salida, "Se\xF1or \x80\r\n") << r.error;
    }
    // trocear with its settings in that folder (once reported unreadable under Windows), the
    // paths given as a Windows console and as a Linux terminal pass them.
    const std::string ini =
        temporal.EscribirNativo(carpeta, "Rebanex.ini", "[Rebanex]\r\nAutoReemplazar=1\r\n");
    temporal.EscribirNativo(carpeta, "Rebanex.txt", "que\tq\r\n");
    for (const bool utf8 : {false, true}) {
        const auto arg = [&](const std::string& s) { return utf8 ? AUtf8(s) : s; };
        const auto r = consola::prueba::Trocear({"--ini", arg(ini), "-"}, "que");
        EXPECT_EQ(r.salida, "q\n") << r.error;
    }
}

}  // namespace
}  // namespace rebanex::ficheros
