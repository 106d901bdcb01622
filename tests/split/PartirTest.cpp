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

TEST(ComprobarPartir, PrimerFalloEnSuOrdenYDondeVaElFoco) {
    const struct {
        std::string mensaje, lon;
        bool indicador = false;
        std::string firmaEnTrozos;   // non-empty: FirmarEnTrozos ticked with this signature
        std::optional<Aviso> aviso;  // nullopt: accepted
    } casos[] = {{"", "abc", false, "", AvisoMensajeVacio()},  // the empty message is checked first
                 {"   ", "32767", false, "", std::nullopt},
                 {"hola", "", false, "", AvisoSoloNumeros()},
                 {"hola", " 160", false, "", AvisoSoloNumeros()},
                 {"hola", "0160", false, "", AvisoSoloNumeros()},
                 {"hola", "32768", false, "", AvisoSoloNumeros()},  // beyond int16
                 {"hola", "0", true, "", AvisoTamanyoCero()},
                 {"hola", "1", true, "", AvisoSinSitioGuion()},
                 {"hola", "-32768", false, "", AvisoSinSitioGuion()},
                 {"hola", "11", true, "", AvisoMinimoIndicadores()},
                 {"hola", "12", true, "", std::nullopt},
                 {"hola", "15", false, "1234567", std::nullopt},
                 {"hola", "15", false, "12345678", AvisoFirmaGrande()}};
    for (const auto& c : casos) {
        EntradaPartir e{
            c.mensaje, 0, {}, c.firmaEnTrozos.empty() ? "una firma muy larga" : c.firmaEnTrozos};
        e.opciones.MsgMax = c.lon;
        e.opciones.IndicadorTrozos = c.indicador;
        e.opciones.FirmarEnTrozos = !c.firmaEnTrozos.empty();
        e.opciones.FirmarEnTrozosHabilitado = false;  // the tick alone counts here
        int16_t msgMax = -999;
        const std::optional<FalloPartir> fallo = ComprobarPartir(e, msgMax);
        SCOPED_TRACE("'" + c.mensaje + "' '" + c.lon + "'");
        ASSERT_EQ(fallo.has_value(), c.aviso.has_value());
        if (c.aviso) {
            const bool enMensaje =
                *c.aviso == AvisoMensajeVacio() || *c.aviso == AvisoFirmaGrande();
            EXPECT_EQ(fallo->aviso, *c.aviso);
            EXPECT_EQ(fallo->foco, enMensaje ? ControlFoco::Msg : ControlFoco::Lon);
            EXPECT_EQ(fallo->seleccionarTodo, *c.aviso == AvisoSoloNumeros());
        } else {
            EXPECT_EQ(std::to_string(msgMax), c.lon);
        }
    }
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
