#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "split/Trozos.h"

namespace rebanex {
namespace {

using Trozos = std::vector<std::string>;

// Counts and cuts as the split command does and returns the pieces in the order shown;
// nullopt when the count refuses the text. The message box holds the text itself unless said.
std::optional<Trozos> Cortar(const std::string& texto, int16_t msgMax, ParametrosCorte p = {},
                             std::optional<long long> longitudMensaje = std::nullopt,
                             Recuento* recuento = nullptr) {
    p.MsgMax = msgMax;
    p.LongitudMensaje = longitudMensaje.value_or(static_cast<long long>(texto.size()));
    const auto r = ContarTrozos(texto, p);
    if (!r || r->trozos > kMaxTrozos) {
        return std::nullopt;
    }
    if (recuento != nullptr) {
        *recuento = *r;
    }
    const std::vector<Corte> cortes = GenerarTrozos(texto, p, *r);
    EXPECT_EQ(cortes.size(), static_cast<std::size_t>(r->trozos));
    return ListaTrozos(texto, cortes, p).Textos();
}

ParametrosCorte Con(bool indicador, bool inverso = false, int firmarEn = 0) {
    ParametrosCorte p;
    p.IndicadorTrozos = indicador;
    p.Inverso = inverso;
    p.Firmados = firmarEn != 0;
    p.FirmarEnPosicion = firmarEn;
    p.Firma = "Ana";
    return p;
}

TEST(Cortador, PalabrasEspaciosYGuiones) {
    const ParametrosCorte nada = Con(false);
    EXPECT_EQ(Cortar("hola mundo", 6, nada), (Trozos{"hola ", "mundo"}));
    EXPECT_EQ(Cortar("abcdefghij", 4, nada), (Trozos{"abc-", "def-", "ghij"}));
    EXPECT_EQ(Cortar("abc def", 3, nada), (Trozos{"abc", "def"}));
    // Leading spaces of the text and of every piece are skipped; trailing ones stay.
    EXPECT_EQ(Cortar("   hola mundo", 6, nada), (Trozos{"hola ", "mundo"}));
    EXPECT_EQ(Cortar("uno   dos", 4, nada), (Trozos{"uno ", "dos"}));
    EXPECT_EQ(Cortar("hola  ", 10, nada), (Trozos{"hola  "}));
    EXPECT_EQ(Cortar("abc   ", 3, nada), (Trozos{"abc", ""}));
    EXPECT_EQ(Cortar("", 160, nada), (Trozos{""}));
    EXPECT_EQ(Cortar("", 160, Con(false, false, 1)), (Trozos{"Ana "}));
}

TEST(Cortador, IndicadoresSoloConVariosTrozos) {
    EXPECT_EQ(Cortar("hola mundo", 160, Con(true), 200), (Trozos{"hola mundo"}));
    EXPECT_EQ(Cortar("hola mundo", 160, Con(true, true), 200), (Trozos{"hola mundo"}));
    // A full message box reserves room for the indicator: 160 characters make two pieces.
    EXPECT_EQ(Cortar(std::string(160, 'x'), 160, Con(true)),
              (Trozos{"1/2 " + std::string(155, 'x') + "-", "2/2 xxxxx"}));
    // A shorter box reserves nothing, however long the working text grew.
    EXPECT_EQ(Cortar(std::string(170, 'x'), 160, Con(true), 150),
              (Trozos{"1/2 " + std::string(159, 'x') + "-", "2/2 " + std::string(11, 'x')}));
    // Reverse order: the end of the message shows first, with the indicator of its cut.
    EXPECT_EQ(Cortar("aaaaaaa bbbbbbb ccccccc", 12, Con(true, true)),
              (Trozos{"3/3 ccccccc", "2/3 bbbbbbb ", "1/3 aaaaaaa "}));
    EXPECT_EQ(Cortar("abcdefghij", 4, Con(false, true)), (Trozos{"ghij", "def-", "abc-"}));
}

TEST(Cortador, NueveEstimadosQueSonDiezRecuentanConDosDigitos) {
    // Ten 13-letter words four spaces apart: 166 characters, an estimate of 9 at 20.
    std::string texto;
    for (int i = 0; i < 10; ++i) {
        texto += (i ? "    " : "") + std::string(13, static_cast<char>('a' + i));
    }
    Recuento recuento;
    const auto trozos = Cortar(texto, 20, Con(true), std::nullopt, &recuento);
    ASSERT_TRUE(trozos);
    EXPECT_EQ(recuento.digitosTotal, 2);
    // With one digit reserved the first pieces would take a third space and reach 21.
    EXPECT_EQ(trozos->at(0), "1/10 aaaaaaaaaaaaa  ");
    EXPECT_EQ(trozos->at(9), "10/10 jjjjjjjjjjjjj");
}

TEST(Cortador, FirmaEnCadaTrozo) {
    EXPECT_EQ(Cortar("hola mundo cruel", 10, Con(false, false, 1)),
              (Trozos{"Ana hola ", "Ana mundo ", "Ana cruel"}));
    // room 16 - 4 (indicator) - 4 (signature) = 8
    EXPECT_EQ(Cortar("abcdefghijklmnopqrst", 16, Con(true, false, 2)),
              (Trozos{"1/3 abcdefg- Ana", "2/3 hijklmn- Ana", "3/3 opqrst Ana"}));
}

TEST(Cortador, SinSitioParaElTextoODemasiadosTrozosNoSeCuenta) {
    ParametrosCorte p = Con(true, false, 1);
    p.Firma = "Firma6";  // 12 - 4 - 7 leaves one character
    EXPECT_EQ(Cortar(std::string(40, 'x'), 12, p), std::nullopt);
    p.Firma = "Firm5";  // two characters while the piece number has one digit, then one
    EXPECT_EQ(Cortar(std::string(40, 'x'), 12, p), std::nullopt);
    // One piece per character: the count stops just past the limit.
    ParametrosCorte q = Con(false);
    q.MsgMax = 2;
    q.LongitudMensaje = 70000;
    EXPECT_EQ(ContarTrozos(std::string(70000, 'x'), q)->trozos, kMaxTrozos + 1);
    // An estimate beyond int16 that turns out to be one piece is fine.
    EXPECT_EQ(Cortar(std::string(100000, ' '), 2, Con(false)), (Trozos{""}));
}

TEST(RedondearArriba, ElEnteroSiguienteEnPrecisionSimple) {
    const std::pair<float, int16_t> casos[] = {
        {2.01f, 3},
        {2.0f, 2},
        {0.0f, 0},
        {0.001f, 1},
        {-1.5f, 0},
        {-2.0f, -2},
        {32766.5f, 32767},
        // a double quotient just above 2 is exactly 2 once stored in single precision
        {static_cast<float>(100000001.0 / 50000000.0), 2}};
    for (auto [x, esperado] : casos) {
        EXPECT_EQ(RedondearArriba(x), esperado) << x;
    }
    EXPECT_EQ(RedondearArribaAcotado(32767.5f), std::nullopt);
    EXPECT_EQ(RedondearArriba(32767.5f), INT16_MAX);  // saturates instead of overflowing
    EXPECT_EQ(RedondearArriba(-40000.0f), INT16_MIN);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(RedondearArribaAcotado(nan), std::nullopt);
    EXPECT_EQ(RedondearArriba(nan), 0);
}

}  // namespace
}  // namespace rebanex
