// Every text file the program reads, saved by an editor in Windows-1252 or in UTF-8, and
// found in a folder whose name is not ASCII.
#include <gtest/gtest.h>

#include "cli/EnMemoria.h"
#include "comun/AvisadorAnotado.h"
#include "comun/CarpetaTemporal.h"
#include "host/AjustesMensatel.h"
#include "settings/PerfilFichero.h"
#include "transforms/Reemplazos.h"

namespace rebanex {
namespace {

using pruebas::kSeparador;

// The same text as Windows-1252, as UTF-8 and as UTF-8 with a byte order mark.
std::vector<std::string> Guardados(const std::string& cp1252) {
    return {cp1252, AUtf8(cp1252), "\xEF\xBB\xBF" + AUtf8(cp1252)};
}

const std::string kCarpeta = "d\x80 a\xF1o";

TEST(LeerTexto, ReglasFirmaYMensajeEnUtf8OWindows1252) {
    pruebas::CarpetaTemporal temporal;
    const std::string directorio = temporal.CrearCarpetaNativa(kCarpeta) + kSeparador;
    for (const std::string& reglas : Guardados("canci\xF3n\tcanc\r\n")) {
        const std::string ruta = temporal.EscribirNativo(kCarpeta, "Rebanex.txt", reglas);
        std::string texto = "una canci\xF3n";
        pruebas::AvisadorAnotado avisador;
        Troceado::AplicarReemplazos(texto, ruta, avisador);
        EXPECT_EQ(texto, "una canc") << reglas;
        EXPECT_TRUE(avisador.avisos.empty());
    }
    for (const std::string& mensatel : Guardados("[Usuario]\r\nfirma=Pepe N\xFA\xF1"
                                                 "ez\r\n")) {
        temporal.EscribirNativo(kCarpeta, "mensatel.ini", mensatel);
        PerfilFichero perfil;
        Ini ini(perfil);
        EXPECT_EQ(LeerFirmaMensatel(ini, directorio),
                  "Pepe N\xFA\xF1"
                  "ez")
            << mensatel;
    }
    for (const std::string& mensaje : Guardados("Se\xF1or \x80")) {
        const std::string ruta = temporal.EscribirNativo(kCarpeta, "m.txt", mensaje);
        const auto r =
            consola::prueba::Trocear({"--codificacion", "cp1252", "--opcion", "NoAcentos=0", ruta});
        EXPECT_EQ(r.salida, "Se\xF1or \x80\r\n") << r.error;
    }
}

// Under Windows the settings file in such a folder was reported unreadable.
TEST(LeerTexto, TrocearConAjustesEnUnaCarpetaFueraDeAscii) {
    pruebas::CarpetaTemporal temporal;
    temporal.CrearCarpetaNativa(kCarpeta);
    const std::string ini = temporal.EscribirNativo(
        kCarpeta, "Rebanex.ini", "[Rebanex]\r\nAutoReemplazar=1\r\nFirmarAutomaticamente=1\r\n");
    temporal.EscribirNativo(kCarpeta, "Rebanex.txt", "que\tq\r\n");
    temporal.EscribirNativo(kCarpeta, "mensatel.ini", "[Usuario]\r\nfirma=Ana\r\n");
    const std::string mensaje = temporal.EscribirNativo(kCarpeta, "m.txt", "que");
    // As a Windows console passes the arguments, and as a Linux terminal does.
    for (const bool utf8 : {false, true}) {
        const auto arg = [&](const std::string& s) { return utf8 ? AUtf8(s) : s; };
        const auto r = consola::prueba::Trocear({"--ini", arg(ini), arg(mensaje)});
        EXPECT_EQ(r.codigo, 0) << r.error;
        EXPECT_EQ(r.salida, "Ana q\n");  // the signature goes in front
    }
}

}  // namespace
}  // namespace rebanex
