// The split command: its checks in their order, then the transforms and the cut.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "comun/AvisadorAnotado.h"
#include "comun/CarpetaTemporal.h"
#include "split/Partir.h"
#include "transforms/Reemplazos.h"

namespace rebanex {
namespace {

using Textos = std::vector<std::string>;

// The first check that fails (the Prog tests show where each one puts the focus).
std::optional<Aviso> Fallo(const std::string& mensaje, const std::string& lon, bool indicador,
                           const std::string& firmaEnTrozos = "") {
    EntradaPartir e{mensaje, 0, {}, firmaEnTrozos.empty() ? "una firma muy larga" : firmaEnTrozos};
    e.opciones.MsgMax = lon;
    e.opciones.IndicadorTrozos = indicador;
    e.opciones.FirmarEnTrozos = !firmaEnTrozos.empty();
    e.opciones.FirmarEnTrozosHabilitado = false;  // the tick alone counts here
    int16_t msgMax = -999;
    const auto fallo = ComprobarPartir(e, msgMax);
    EXPECT_TRUE(fallo || std::to_string(msgMax) == lon) << msgMax;
    return fallo ? std::optional(fallo->aviso) : std::nullopt;
}

TEST(ComprobarPartir, PrimerFalloEnSuOrden) {
    EXPECT_EQ(Fallo("", "abc", false), AvisoMensajeVacio());  // the empty message goes first
    EXPECT_EQ(Fallo("   ", "32767", false), std::nullopt);
    for (const char* lon : {"", " 160", "0160", "32768", "1e3", "+1"}) {
        EXPECT_EQ(Fallo("hola", lon, false), AvisoSoloNumeros()) << lon;
    }
    EXPECT_EQ(Fallo("hola", "0", true), AvisoTamanyoCero());
    EXPECT_EQ(Fallo("hola", "1", true), AvisoSinSitioGuion());
    EXPECT_EQ(Fallo("hola", "-32768", false), AvisoSinSitioGuion());
    EXPECT_EQ(Fallo("hola", "11", true), AvisoMinimoIndicadores());
    EXPECT_EQ(Fallo("hola", "12", true), std::nullopt);
    EXPECT_EQ(Fallo("hola", "15", false, "1234567"), std::nullopt);
    EXPECT_EQ(Fallo("hola", "15", false, "12345678"), AvisoFirmaGrande());
}

// The order of the transforms (accents and line breaks before the rules, so "canción" and a
// word after CR LF are found; the rules before the squeezing, so an empty replacement leaves
// no two spaces) and of their status texts; a missing rules file is reported.
TEST(Partir, TransformacionesEnSuOrden) {
    pruebas::CarpetaTemporal carpeta;
    EntradaPartir e{
        "Canci\xF3n\r\nque BONITA", 0, {}, "", carpeta.Escribir("r", "cancion\tcanc\r\nque\t\r\n")};
    e.opciones.IndicadorTrozos = false;
    e.opciones.AutoReemplazar = true;
    e.opciones.Letras = 2;
    Textos sucesos;
    const PasosPartir pasos{[&](const std::string& t) { sucesos.push_back(t); },
                            [&] { sucesos.push_back("<obtenerTamanyo>"); }};
    pruebas::AvisadorAnotado avisador;
    EXPECT_EQ(std::get<ListaTrozos>(Partir(e, avisador, pasos)).Textos(), Textos{"canc bonita"});
    EXPECT_EQ(sucesos, (Textos{"<obtenerTamanyo>", "Eliminando Acentos...",
                               "Cambiando Formato de Letras...", "Substituyendo Palabras...",
                               "Eliminando Multi-Espacios...", "Troceando..."}));
    e.rutaReemplazos = carpeta.Fichero("falta");
    EXPECT_EQ(std::get<ListaTrozos>(Partir(e, avisador, pasos)).Textos(),
              Textos{"cancion que bonita"});
    EXPECT_EQ(avisador.avisos, std::vector{Troceado::AvisoErrorAbrirReemplazos(e.rutaReemplazos)});
}

}  // namespace
}  // namespace rebanex
