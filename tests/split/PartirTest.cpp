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

class PartirTest : public ::testing::Test {
  protected:
    PartirTest() {
        // Every transform off: each test switches on what it is about.
        Configuracion& o = entrada.opciones;
        o.NoAcentos = o.NoMultiEspacios = o.IndicadorTrozos = o.ObtenerTamanyoMsg = false;
        pasos.mostrarEstado = [this](const std::string& t) { sucesos.push_back(t); };
        pasos.obtenerTamanyo = [this] { sucesos.push_back("<obtenerTamanyo>"); };
    }

    Textos PartirBien() {
        const ResultadoPartir r = Partir(entrada, avisador, pasos);
        const auto* fallo = std::get_if<FalloPartir>(&r);
        EXPECT_EQ(fallo, nullptr) << fallo->aviso.texto;
        return fallo ? Textos{} : std::get<ListaTrozos>(r).Textos();
    }

    std::optional<FalloPartir> Rechazo() {
        const ResultadoPartir r = Partir(entrada, avisador, pasos);
        const auto* fallo = std::get_if<FalloPartir>(&r);
        return fallo ? std::optional<FalloPartir>(*fallo) : std::nullopt;
    }

    // Auto-signature on; "in every piece" ticked or not, enabled unless at the caret.
    void FirmarAutomaticamente(int posicion, bool enTrozos) {
        Configuracion& o = entrada.opciones;
        o.FirmarAutomaticamente = true;
        o.FirmarEnTrozos = enTrozos;
        o.FirmarEnTrozosHabilitado = posicion != 3;
        o.FirmarEnPosicion = posicion;
        entrada.firma = "Ana";
    }

    EntradaPartir entrada;
    PasosPartir pasos;
    pruebas::AvisadorAnotado avisador;
    Textos sucesos;
};

TEST_F(PartirTest, TransformacionesYTextosDeEstadoEnSuOrden) {
    // Accents go before the rules (canción), line breaks before the rules (a word after
    // CR LF), the rules before the squeezing (an empty replacement leaves two spaces).
    pruebas::CarpetaTemporal carpeta;
    entrada.rutaReemplazos = carpeta.Escribir("r.txt", "cancion\tcanc\r\nque\t\r\n");
    Configuracion& o = entrada.opciones;
    o.NoAcentos = o.NoMultiEspacios = o.AutoReemplazar = o.ObtenerTamanyoMsg = true;
    o.Letras = 2;
    entrada.mensaje = "Canción\r\nque BONITA";
    EXPECT_EQ(PartirBien(), (Textos{"canc bonita"}));
    EXPECT_EQ(sucesos, (Textos{"<obtenerTamanyo>", "Eliminando Acentos...",
                               "Cambiando Formato de Letras...", "Substituyendo Palabras...",
                               "Eliminando Multi-Espacios...", "Troceando..."}));
    o.Letras = 3;
    EXPECT_EQ(PrepararTexto(entrada.mensaje, entrada, avisador, pasos), "CANC BONITA");
    EXPECT_TRUE(avisador.avisos.empty());
}

TEST_F(PartirTest, ElTamanyoDeMensatelCuentaDesdeElSiguienteTroceo) {
    entrada.mensaje = "hola mundo";
    entrada.opciones.MsgMax = "6";
    entrada.opciones.ObtenerTamanyoMsg = true;
    pasos.obtenerTamanyo = [this] {
        sucesos.push_back("<obtenerTamanyo>");
        entrada.opciones.MsgMax = "160";  // Mensatel writes a new size into Lon
    };
    EXPECT_EQ(PartirBien(), (Textos{"hola ", "mundo"}));
    // Not asked when a check fails.
    sucesos.clear();
    entrada.opciones.MsgMax = "0";
    EXPECT_TRUE(Rechazo().has_value());
    EXPECT_TRUE(sucesos.empty());
}

TEST_F(PartirTest, FirmaEnElTextoEntero) {
    // The caret sits right after "dos" in the box; the line break and a space go before it.
    entrada.mensaje = "uno\r\ndos  tres";
    entrada.cursor = 8;
    entrada.opciones.NoMultiEspacios = true;
    // At the caret "in every piece" is disabled, so the text gets the signature.
    FirmarAutomaticamente(3, true);
    EXPECT_EQ(PartirBien(), (Textos{"uno dos Anatres"}));
    // Ticked but disabled: the whole text is signed, the pieces are not.
    entrada.mensaje = "hola mundo";
    entrada.opciones.MsgMax = "6";
    FirmarAutomaticamente(2, true);
    entrada.opciones.FirmarEnTrozosHabilitado = false;
    EXPECT_EQ(PartirBien(), (Textos{"hola ", "mundo ", "Ana"}));
    // Enabled, every piece is signed and the text is not.
    entrada.opciones.MsgMax = "10";
    entrada.opciones.FirmarEnTrozosHabilitado = true;
    EXPECT_EQ(PartirBien(), (Textos{"hola  Ana", "mundo Ana"}));
    // Without auto-signature, nothing.
    entrada.opciones.FirmarAutomaticamente = entrada.opciones.FirmarEnTrozos = false;
    EXPECT_EQ(PartirBien(), (Textos{"hola mundo"}));
}

TEST_F(PartirTest, SinFicheroDeReglasAvisaYCortaIgual) {
    pruebas::CarpetaTemporal carpeta;
    entrada.opciones.AutoReemplazar = true;
    entrada.rutaReemplazos = carpeta.Fichero("no-existe.txt");
    entrada.mensaje = "que tal";
    EXPECT_EQ(PartirBien(), (Textos{"que tal"}));
    EXPECT_EQ(avisador.avisos,
              (std::vector<Aviso>{Troceado::AvisoErrorAbrirReemplazos(entrada.rutaReemplazos)}));
}

TEST_F(PartirTest, UnTroceoRechazadoDiceQueYDonde) {
    const auto rechazado = [this](const Aviso& aviso, ControlFoco foco) {
        const std::optional<FalloPartir> fallo = Rechazo();
        ASSERT_TRUE(fallo.has_value());
        EXPECT_EQ(fallo->aviso, aviso);
        EXPECT_EQ(fallo->foco, foco);
    };
    entrada.mensaje = "";
    rechazado(AvisoMensajeVacio(), ControlFoco::Msg);
    EXPECT_TRUE(sucesos.empty());

    // Indicator and signature leave one character per piece: found while cutting.
    entrada.mensaje = "un mensaje de prueba";
    entrada.opciones.MsgMax = "12";
    entrada.opciones.IndicadorTrozos = true;
    FirmarAutomaticamente(1, true);
    entrada.firma = "Firma6";
    rechazado(AvisoSinSitioTexto(), ControlFoco::Lon);
    EXPECT_EQ(sucesos, (Textos{"Troceando...", ""}));

    // One character and a hyphen per piece: more pieces than the count holds.
    entrada = EntradaPartir{};
    entrada.opciones.ObtenerTamanyoMsg = entrada.opciones.IndicadorTrozos = false;
    entrada.mensaje = std::string(70000, 'x');
    entrada.opciones.MsgMax = "2";
    rechazado(AvisoDemasiadosTrozos(), ControlFoco::Msg);
}

TEST_F(PartirTest, CuatroMegasA160ConLasOpcionesPorDefecto) {
    std::string mensaje;
    while (mensaje.size() + 13 <= (4u << 20)) {
        mensaje += "Tenéis razón ";
    }
    entrada.mensaje = mensaje;
    entrada.opciones = Configuracion{};  // indicators, accents, spaces
    entrada.opciones.ObtenerTamanyoMsg = false;
    const Textos trozos = PartirBien();
    ASSERT_GT(trozos.size(), 27000u);
    EXPECT_EQ(trozos.front().substr(0, 8), "1/" + std::to_string(trozos.size()) + " ");
    for (const auto& trozo : trozos) {
        ASSERT_LE(trozo.size(), 160u);
    }
}

}  // namespace
}  // namespace rebanex
