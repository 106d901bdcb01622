#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "split/Trozos.h"

namespace rebanex {
namespace {

using Trozos = std::vector<std::string>;

class CortadorTest : public ::testing::Test {
  protected:
    CortadorTest() { p.IndicadorTrozos = false; }

    // Counts and builds like the split command; returns pieces 1..NumTrozos. The message
    // box is taken to hold the text itself unless a test says otherwise.
    Trozos Cortar(const std::string& texto, int16_t msgMax) {
        p.MsgMax = msgMax;
        p.LongitudMensaje = longitudMensaje.value_or(static_cast<long long>(texto.size()));
        Cortador cortador(texto, p, lista);
        const auto n = cortador.ContarTrozos();
        EXPECT_TRUE(n.has_value());
        if (!n) {
            return {};
        }
        EXPECT_EQ(lista.TrozoActual, *n);
        lista.NumTrozos = *n;
        cortador.GenerarTrozos();
        EXPECT_EQ(lista.TrozoActual, lista.NumTrozos);
        EXPECT_EQ(lista.Trozos.size(), static_cast<std::size_t>(*n) + 1);
        EXPECT_EQ(lista.Trozos[0], "");
        return Trozos(lista.Trozos.begin() + 1, lista.Trozos.end());
    }

    ParametrosCorte p;
    std::optional<long long> longitudMensaje;
    ListaTrozos lista;
};

TEST_F(CortadorTest, LaPalabraPartidaVaEnteraAlSiguienteYElEspacioSeQueda) {
    EXPECT_EQ(Cortar("hola mundo", 6), (Trozos{"hola ", "mundo"}));
}

TEST_F(CortadorTest, UnaPalabraLargaCedeUnCaracterAlGuion) {
    EXPECT_EQ(Cortar("abcdefghij", 4), (Trozos{"abc-", "def-", "ghij"}));
}

TEST_F(CortadorTest, CorteJustoAntesDeUnEspacioNoLoArrastra) {
    EXPECT_EQ(Cortar("abc def", 3), (Trozos{"abc", "def"}));
}

TEST_F(CortadorTest, EspaciosDelanteSeSaltanYDetrasSeQuedan) {
    EXPECT_EQ(Cortar("   hola mundo", 6), (Trozos{"hola ", "mundo"}));
    EXPECT_EQ(Cortar("hola  ", 10), (Trozos{"hola  "}));
    EXPECT_EQ(Cortar("uno   dos", 4), (Trozos{"uno ", "dos"}));
}

TEST_F(CortadorTest, SoloEspaciosTrasElCorteDanUnUltimoTrozoVacio) {
    EXPECT_EQ(Cortar("abc   ", 3), (Trozos{"abc", ""}));
}

TEST_F(CortadorTest, TextoVacioEsUnTrozoVacioDeUnDigito) {
    EXPECT_EQ(Cortar("", 160), (Trozos{""}));
    EXPECT_EQ(lista.DigitosTotal, 1);
}

TEST_F(CortadorTest, TextoVacioConFirmaEnCadaTrozoLlevaLaFirma) {
    p.Firmados = true;
    p.Firma = "Ana";
    EXPECT_EQ(Cortar("", 160), (Trozos{"Ana "}));
}

TEST_F(CortadorTest, UnSoloTrozoNoLlevaIndicador) {
    p.IndicadorTrozos = true;
    longitudMensaje = 200;
    EXPECT_EQ(Cortar("hola mundo", 160), (Trozos{"hola mundo"}));
    p.Inverso = true;
    EXPECT_EQ(Cortar("hola mundo", 160), (Trozos{"hola mundo"}));
}

TEST_F(CortadorTest, MensajeDelTamanyoMaximoReservaSitioParaElIndicador) {
    p.IndicadorTrozos = true;
    const std::string texto(160, 'x');
    const Trozos trozos = Cortar(texto, 160);
    ASSERT_EQ(trozos.size(), 2u);
    EXPECT_EQ(trozos[0], "1/2 " + std::string(155, 'x') + "-");
    EXPECT_EQ(trozos[1], "2/2 " + std::string(5, 'x'));
}

TEST_F(CortadorTest, SinReservaCuandoElMensajeOriginalEsMasCorto) {
    // The working text grew past the maximum, the message box did not.
    p.IndicadorTrozos = true;
    longitudMensaje = 150;
    const Trozos trozos = Cortar(std::string(170, 'x'), 160);
    ASSERT_EQ(trozos.size(), 2u);
    EXPECT_EQ(trozos[0], "1/2 " + std::string(159, 'x') + "-");
    EXPECT_EQ(trozos[1], "2/2 " + std::string(11, 'x'));
}

TEST_F(CortadorTest, NueveEstimadosQueSonDiezRecuentanConDosDigitos) {
    // Ten 13-letter words four spaces apart: 166 characters, an estimate of 9 at 20.
    std::string texto;
    for (int i = 0; i < 10; ++i) {
        texto += (i ? "    " : "") + std::string(13, static_cast<char>('a' + i));
    }
    p.IndicadorTrozos = true;
    const Trozos trozos = Cortar(texto, 20);
    ASSERT_EQ(trozos.size(), 10u);
    EXPECT_EQ(lista.DigitosTotal, 2);
    // With one digit reserved the first pieces would take a third space and reach 21.
    EXPECT_EQ(trozos[0], "1/10 aaaaaaaaaaaaa  ");
    EXPECT_EQ(trozos[8], "9/10 iiiiiiiiiiiii  ");
    EXPECT_EQ(trozos[9], "10/10 jjjjjjjjjjjjj");
    for (const auto& trozo : trozos) {
        EXPECT_LE(trozo.size(), 20u) << trozo;
    }
}

TEST_F(CortadorTest, InversoPoneElFinalPrimeroConSuIndicadorDeCorte) {
    p.IndicadorTrozos = true;
    p.Inverso = true;
    EXPECT_EQ(Cortar("aaaaaaa bbbbbbb ccccccc", 12),
              (Trozos{"3/3 ccccccc", "2/3 bbbbbbb ", "1/3 aaaaaaa "}));
}

TEST_F(CortadorTest, FirmaDelanteEnCadaTrozo) {
    p.Firmados = true;
    p.Firma = "Ana";
    p.FirmarEnPosicion = 1;
    EXPECT_EQ(Cortar("hola mundo cruel", 10), (Trozos{"Ana hola ", "Ana mundo ", "Ana cruel"}));
}

TEST_F(CortadorTest, FirmaDetrasEnCadaTrozoConIndicadorYGuion) {
    p.Firmados = true;
    p.Firma = "Ana";
    p.FirmarEnPosicion = 2;
    p.IndicadorTrozos = true;
    // room 16 - 4 (indicator) - 4 (signature) = 8
    EXPECT_EQ(Cortar("abcdefghijklmnopqrst", 16),
              (Trozos{"1/3 abcdefg- Ana", "2/3 hijklmn- Ana", "3/3 opqrst Ana"}));
}

TEST_F(CortadorTest, CalcularCorteDaLimitesYAvanzaPos) {
    p.MsgMax = 6;
    const std::string texto = "hola mundo";
    lista.TrozoActual = 1;
    Cortador cortador(texto, p, lista);
    long long inicio = 1, pos = 0, fin = 0;
    bool sinGuion = false;
    EXPECT_TRUE(cortador.CalcularCorte(inicio, pos, fin, sinGuion));
    EXPECT_EQ(inicio, 1);
    EXPECT_EQ(fin, 5);
    EXPECT_EQ(pos, 5);
    EXPECT_TRUE(sinGuion);
    EXPECT_FALSE(cortador.CalcularCorte(inicio, pos, fin, sinGuion));
    EXPECT_EQ(inicio, 6);
    EXPECT_EQ(fin, 10);
}

TEST_F(CortadorTest, SinSitioParaTextoNoSeCuenta) {
    p.IndicadorTrozos = true;
    p.Firmados = true;
    p.Firma = "Firma6";
    p.MsgMax = 12;
    p.LongitudMensaje = 40;
    const std::string texto(40, 'x');
    Cortador cortador(texto, p, lista);
    EXPECT_EQ(cortador.ContarTrozos(), std::nullopt);
}

TEST_F(CortadorTest, SitioQueSeAcabaAlLlegarADiezTrozosNoSeCuenta) {
    // Room 2 while the piece number has one digit (one character and a hyphen each),
    // 1 from piece 10 on; the estimate of 4 reserves one digit for the total.
    p.IndicadorTrozos = true;
    p.Firmados = true;
    p.Firma = "Firm5";
    p.MsgMax = 12;
    const std::string texto(40, 'x');
    p.LongitudMensaje = 40;
    Cortador cortador(texto, p, lista);
    EXPECT_EQ(cortador.ContarTrozos(), std::nullopt);
}

TEST_F(CortadorTest, DemasiadosTrozosSeCortaElRecuento) {
    p.MsgMax = 2;
    const std::string texto(70000, 'x');  // one piece per character
    Cortador cortador(texto, p, lista);
    EXPECT_EQ(cortador.ContarTrozos(), kMaxTrozos + 1);
}

TEST_F(CortadorTest, EstimacionFueraDeInt16ConPocosTrozosFunciona) {
    // 100000 spaces at 2 estimate 50000 pieces; they are one empty piece.
    EXPECT_EQ(Cortar(std::string(100000, ' '), 2), (Trozos{""}));
    EXPECT_EQ(lista.DigitosTotal, 1);
}

TEST_F(CortadorTest, GenerarConOtroNumeroDeTrozosNoSeSaleDeLaLista) {
    p.MsgMax = 4;
    const std::string texto = "abcdefghij";
    Cortador cortador(texto, p, lista);
    lista.NumTrozos = 2;  // the text needs 3
    cortador.GenerarTrozos();
    EXPECT_EQ(lista.Trozos, (Trozos{"", "abc-", "def-"}));
}

}  // namespace
}  // namespace rebanex
