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
    } casos[] = {
        {"", "abc", false, "", AvisoMensajeVacio()},  // the empty message is checked first
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
        {"hola", "15", false, "12345678", AvisoFirmaGrande()},
    };
    for (const auto& c : casos) {
        EntradaPartir entrada;
        entrada.mensaje = c.mensaje;
        entrada.opciones.MsgMax = c.lon;
        entrada.opciones.IndicadorTrozos = c.indicador;
        entrada.opciones.FirmarEnTrozos = !c.firmaEnTrozos.empty();
        entrada.opciones.FirmarEnTrozosHabilitado = false;  // the tick alone counts here
        entrada.firma = c.firmaEnTrozos.empty() ? "una firma muy larga" : c.firmaEnTrozos;
        int16_t msgMax = -999;
        const std::optional<FalloPartir> fallo = ComprobarPartir(entrada, msgMax);
        SCOPED_TRACE("'" + c.mensaje + "' '" + c.lon + "'");
        ASSERT_EQ(fallo.has_value(), c.aviso.has_value());
        if (!c.aviso) {
            EXPECT_EQ(std::to_string(msgMax), c.lon);
            continue;
        }
        EXPECT_EQ(fallo->aviso, *c.aviso);
        const bool enMensaje = *c.aviso == AvisoMensajeVacio() || *c.aviso == AvisoFirmaGrande();
        EXPECT_EQ(fallo->foco, enMensaje ? ControlFoco::Msg : ControlFoco::Lon);
        EXPECT_EQ(fallo->seleccionarTodo, *c.aviso == AvisoSoloNumeros());
    }
}

class PartirTest : public ::testing::Test {
  protected:
    PartirTest() {
        Configuracion& o = entrada.opciones;  // each test switches on what it is about
        o.NoAcentos = o.NoMultiEspacios = o.IndicadorTrozos = o.ObtenerTamanyoMsg = false;
        pasos.mostrarEstado = [this](const std::string& t) { sucesos.push_back(t); };
        pasos.obtenerTamanyo = [this] { sucesos.push_back("<obtenerTamanyo>"); };
    }
    ResultadoPartir Resultado() { return Partir(entrada, avisador, pasos); }
    Textos PartirBien() {
        const ResultadoPartir r = Resultado();
        const auto* lista = std::get_if<ListaTrozos>(&r);
        EXPECT_NE(lista, nullptr) << std::get<FalloPartir>(r).aviso.texto;
        return lista ? lista->Textos() : Textos{};
    }
    void Firmar(int posicion, bool enTrozos, bool habilitado) {
        Configuracion& o = entrada.opciones;
        o.FirmarAutomaticamente = true;
        o.FirmarEnTrozos = enTrozos;
        o.FirmarEnTrozosHabilitado = habilitado;
        o.FirmarEnPosicion = posicion;
        entrada.firma = "Ana";
    }

    EntradaPartir entrada;
    PasosPartir pasos;
    pruebas::AvisadorAnotado avisador;
    pruebas::CarpetaTemporal carpeta;
    Textos sucesos;
};

TEST_F(PartirTest, TransformacionesYTextosDeEstadoEnSuOrden) {
    // Accents and line breaks go before the rules (canción, a word after CR LF), the rules
    // before the squeezing (an empty replacement leaves two spaces).
    entrada.rutaReemplazos = carpeta.Escribir("r.txt", "cancion\tcanc\r\nque\t\r\n");
    Configuracion& o = entrada.opciones;
    o.NoAcentos = o.NoMultiEspacios = o.AutoReemplazar = o.ObtenerTamanyoMsg = true;
    o.Letras = 2;
    entrada.mensaje = "Canción\r\nque BONITA";
    EXPECT_EQ(PartirBien(), (Textos{"canc bonita"}));
    EXPECT_EQ(sucesos, (Textos{"<obtenerTamanyo>", "Eliminando Acentos...",
                               "Cambiando Formato de Letras...", "Substituyendo Palabras...",
                               "Eliminando Multi-Espacios...", "Troceando..."}));
    EXPECT_TRUE(avisador.avisos.empty());
    // A missing rules file is reported and the split goes on.
    entrada.rutaReemplazos = carpeta.Fichero("falta.txt");
    EXPECT_EQ(PartirBien(), (Textos{"cancion que bonita"}));
    EXPECT_EQ(avisador.avisos,
              (std::vector<Aviso>{Troceado::AvisoErrorAbrirReemplazos(entrada.rutaReemplazos)}));
}

TEST_F(PartirTest, ElTamanyoDeMensatelCuentaDesdeElSiguienteTroceo) {
    entrada.mensaje = "hola mundo";
    entrada.opciones.MsgMax = "6";
    entrada.opciones.ObtenerTamanyoMsg = true;
    pasos.obtenerTamanyo = [this] { entrada.opciones.MsgMax = "160"; };  // Mensatel's new size
    EXPECT_EQ(PartirBien(), (Textos{"hola ", "mundo"}));
}

TEST_F(PartirTest, LaFirma) {
    // At the caret "in every piece" is disabled, so the text gets the signature where the
    // caret was (after "dos": the line break and a space went before it).
    entrada.mensaje = "uno\r\ndos  tres";
    entrada.cursor = 8;
    entrada.opciones.NoMultiEspacios = true;
    Firmar(3, true, false);
    EXPECT_EQ(PartirBien(), (Textos{"uno dos Anatres"}));
    entrada.mensaje = "hola mundo";
    entrada.opciones.MsgMax = "6";
    Firmar(2, true, false);  // ticked but disabled: the whole text is signed
    EXPECT_EQ(PartirBien(), (Textos{"hola ", "mundo ", "Ana"}));
    entrada.opciones.MsgMax = "10";
    Firmar(2, true, true);  // enabled: every piece is, and the text is not
    EXPECT_EQ(PartirBien(), (Textos{"hola  Ana", "mundo Ana"}));
}

TEST_F(PartirTest, RechazosHalladosAlCortar) {
    // Indicator and signature leave one character per piece.
    entrada.mensaje = "un mensaje de prueba";
    entrada.opciones.MsgMax = "12";
    entrada.opciones.IndicadorTrozos = true;
    Firmar(1, true, true);
    entrada.firma = "Firma6";
    const ResultadoPartir r = Resultado();
    ASSERT_TRUE(std::holds_alternative<FalloPartir>(r));
    EXPECT_EQ(std::get<FalloPartir>(r).aviso, AvisoSinSitioTexto());
    EXPECT_EQ(std::get<FalloPartir>(r).foco, ControlFoco::Lon);
    EXPECT_EQ(sucesos, (Textos{"Troceando...", ""}));
    // One character and a hyphen per piece: more pieces than the count holds.
    entrada = EntradaPartir{};
    entrada.opciones.ObtenerTamanyoMsg = entrada.opciones.IndicadorTrozos = false;
    entrada.mensaje = std::string(70000, 'x');
    entrada.opciones.MsgMax = "2";
    const ResultadoPartir muchos = Resultado();
    ASSERT_TRUE(std::holds_alternative<FalloPartir>(muchos));
    EXPECT_EQ(std::get<FalloPartir>(muchos).aviso, AvisoDemasiadosTrozos());
    EXPECT_EQ(std::get<FalloPartir>(muchos).foco, ControlFoco::Msg);
}

}  // namespace
}  // namespace rebanex
