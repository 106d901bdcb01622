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

class PartirTest : public ::testing::Test {
  protected:
    PartirTest() {
        o.NoAcentos = o.NoMultiEspacios = o.IndicadorTrozos = o.ObtenerTamanyoMsg = false;
        pasos.mostrarEstado = [this](const std::string& t) { sucesos.push_back(t); };
        pasos.obtenerTamanyo = [this] { sucesos.push_back("<obtenerTamanyo>"); };
    }
    // The pieces, or the box and the control of a refusal.
    std::variant<Textos, std::pair<Aviso, ControlFoco>> Partido(const std::string& mensaje) {
        e.mensaje = mensaje;
        const ResultadoPartir r = Partir(e, avisador, pasos);
        if (const auto* fallo = std::get_if<FalloPartir>(&r)) {
            return std::pair(fallo->aviso, fallo->foco);
        }
        return std::get<ListaTrozos>(r).Textos();
    }
    void Firmar(int posicion, bool enTrozos, bool habilitado, const char* firma = "Ana") {
        o.FirmarAutomaticamente = true;
        o.FirmarEnTrozos = enTrozos;
        o.FirmarEnTrozosHabilitado = habilitado;
        o.FirmarEnPosicion = posicion;
        e.firma = firma;
    }
    EntradaPartir e;
    Configuracion& o = e.opciones;  // each test switches on what it is about
    PasosPartir pasos;
    pruebas::AvisadorAnotado avisador;
    Textos sucesos;
};

using Partes = std::variant<Textos, std::pair<Aviso, ControlFoco>>;

TEST_F(PartirTest, TransformacionesYTextosDeEstadoEnSuOrden) {
    // Accents and line breaks go before the rules (canción, a word after CR LF), the rules
    // before the squeezing (an empty replacement leaves two spaces).
    pruebas::CarpetaTemporal carpeta;
    e.rutaReemplazos = carpeta.Escribir("r.txt", "cancion\tcanc\r\nque\t\r\n");
    o.NoAcentos = o.NoMultiEspacios = o.AutoReemplazar = o.ObtenerTamanyoMsg = true;
    o.Letras = 2;
    EXPECT_EQ(Partido("Canción\r\nque BONITA"), Partes(Textos{"canc bonita"}));
    EXPECT_EQ(sucesos, (Textos{"<obtenerTamanyo>", "Eliminando Acentos...",
                               "Cambiando Formato de Letras...", "Substituyendo Palabras...",
                               "Eliminando Multi-Espacios...", "Troceando..."}));
    EXPECT_TRUE(avisador.avisos.empty());
    // A missing rules file is reported and the split goes on.
    e.rutaReemplazos = carpeta.Fichero("falta.txt");
    EXPECT_EQ(Partido("que"), Partes(Textos{"que"}));
    EXPECT_EQ(avisador.avisos, std::vector{Troceado::AvisoErrorAbrirReemplazos(e.rutaReemplazos)});
}

TEST_F(PartirTest, FirmaYTamanyoDeMensatel) {
    // At the caret "in every piece" is disabled: the text is signed where the caret was
    // (after "dos": the line break and a space went before it).
    e.cursor = 8;
    o.NoMultiEspacios = true;
    Firmar(3, true, false);
    EXPECT_EQ(Partido("uno\r\ndos  tres"), Partes(Textos{"uno dos Anatres"}));
    o.MsgMax = "6";
    Firmar(2, true, false);  // ticked but disabled: the whole text is signed
    EXPECT_EQ(Partido("hola mundo"), Partes(Textos{"hola ", "mundo ", "Ana"}));
    o.MsgMax = "10";
    Firmar(2, true, true);  // enabled: every piece is, and the text is not
    EXPECT_EQ(Partido("hola mundo"), Partes(Textos{"hola  Ana", "mundo Ana"}));
    // The size Mensatel writes into Lon counts from this split on.
    o.FirmarAutomaticamente = o.FirmarEnTrozos = false;
    o.ObtenerTamanyoMsg = true;
    pasos.obtenerTamanyo = [this] { o.MsgMax = "6"; };
    EXPECT_EQ(Partido("hola mundo"), Partes(Textos{"hola mundo"}));
    EXPECT_EQ(Partido("hola mundo"), Partes(Textos{"hola ", "mundo"}));
}

TEST_F(PartirTest, RechazosHalladosAlCortar) {
    // Indicator and signature leave one character per piece.
    o.MsgMax = "12";
    o.IndicadorTrozos = true;
    Firmar(1, true, true, "Firma6");
    EXPECT_EQ(Partido("un mensaje de prueba"),
              Partes(std::pair(AvisoSinSitioTexto(), ControlFoco::Lon)));
    EXPECT_EQ(sucesos, (Textos{"Troceando...", ""}));
    // One character and a hyphen per piece: more pieces than the count holds.
    o = Configuracion{};
    o.ObtenerTamanyoMsg = o.IndicadorTrozos = false;
    o.MsgMax = "2";
    EXPECT_EQ(Partido(std::string(70000, 'x')),
              Partes(std::pair(AvisoDemasiadosTrozos(), ControlFoco::Msg)));
}

}  // namespace
}  // namespace rebanex
