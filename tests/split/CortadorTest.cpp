// The cutter on its own: where pieces break, the indicators and signatures it adds, and the
// counts behind it (the live counter of the box included).
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "split/Contador.h"
#include "split/Trozos.h"

namespace rebanex {
namespace {

using Trozos = std::vector<std::string>;

// The pieces in the order shown, nullopt when the count refuses the text. The message box
// holds the text itself unless `caja` says how long it was.
std::optional<Trozos> Cortar(const std::string& texto, ParametrosCorte p, long long caja = -1) {
    p.LongitudMensaje = caja < 0 ? static_cast<long long>(texto.size()) : caja;
    const auto r = ContarTrozos(texto, p);
    if (!r || r->trozos > kMaxTrozos) {
        return std::nullopt;
    }
    return ListaTrozos(texto, GenerarTrozos(texto, p, *r), p).Textos();
}

ParametrosCorte Con(int16_t msgMax, bool indicador = false, bool inverso = false, int firmarEn = 0,
                    std::string firma = "Ana") {
    return {msgMax, indicador, 0, inverso, firmarEn != 0, firmarEn, firma};
}

TEST(Cortador, Tabla) {
    const std::string x160(160, 'x'), x170(170, 'x');
    // Ten 13-letter words four spaces apart, estimated as 9 pieces at 20: with one digit
    // reserved the first pieces would take a third space and reach 21.
    std::string diez;
    Trozos diezTrozos;
    for (int i = 0; i < 10; ++i) {
        const std::string palabra(13, static_cast<char>('a' + i));
        diez += (i ? "    " : "") + palabra;
        diezTrozos.push_back(std::to_string(i + 1) + "/10 " + palabra + (i < 9 ? "  " : ""));
    }
    const struct {
        std::string texto;
        ParametrosCorte p;
        long long caja;
        std::optional<Trozos> esperado;
    } casos[] = {
        {"hola mundo", Con(6), -1, Trozos{"hola ", "mundo"}},
        {"abcdefghij", Con(4), -1, Trozos{"abc-", "def-", "ghij"}},
        // Leading spaces of the text and of every piece are skipped; trailing ones stay.
        {"   uno   dos", Con(4), -1, Trozos{"uno ", "dos"}},
        {"abc   ", Con(3), -1, Trozos{"abc", ""}},
        {"", Con(160, false, false, 1), -1, Trozos{"Ana "}},
        // Indicators only with more than one piece.
        {"hola mundo", Con(160, true, true), 200, Trozos{"hola mundo"}},
        // A full message box reserves room for the indicator: 160 characters make two pieces.
        {x160, Con(160, true), -1, Trozos{"1/2 " + x160.substr(5) + "-", "2/2 xxxxx"}},
        // A shorter box reserves nothing, however long the working text grew.
        {x170, Con(160, true), 150,
         Trozos{"1/2 " + x160.substr(1) + "-", "2/2 " + x170.substr(159)}},
        // Reversed: the end shows first, with the indicator of its cut.
        {"aaaaaaa bbbbbbb ccccccc", Con(12, true, true), -1,
         Trozos{"3/3 ccccccc", "2/3 bbbbbbb ", "1/3 aaaaaaa "}},
        {"hola mundo cruel", Con(10, false, false, 1), -1,
         Trozos{"Ana hola ", "Ana mundo ", "Ana cruel"}},
        // 16 - 4 (indicator) - 4 (signature) = 8
        {"abcdefghijklmnopqrst", Con(16, true, false, 2), -1,
         Trozos{"1/3 abcdefg- Ana", "2/3 hijklmn- Ana", "3/3 opqrst Ana"}},
        {diez, Con(20, true), -1, diezTrozos},
        // No room for the text next to the indicator and the signature.
        {std::string(40, 'x'), Con(12, true, false, 1, "Firma6"), -1, std::nullopt},
        {std::string(40, 'x'), Con(12, true, false, 1, "Firm5"), -1, std::nullopt},
        // An estimate beyond int16 that turns out to be one piece is fine.
        {std::string(100000, ' '), Con(2), -1, Trozos{""}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto.substr(0, 30));
        EXPECT_EQ(Cortar(c.texto, c.p, c.caja), c.esperado);
    }
    // One piece per character: the count stops just past the limit.
    ParametrosCorte q = Con(2);
    q.LongitudMensaje = 70000;
    EXPECT_EQ(ContarTrozos(std::string(70000, 'x'), q)->trozos, kMaxTrozos + 1);
}

TEST(Cortador, RedondeosYContadorDeLaCaja) {
    const std::pair<float, int16_t> casos[] = {
        {2.01f, 3},
        {2.0f, 2},
        {-1.5f, 0},
        {32767.5f, INT16_MAX},
        {-40000.0f, INT16_MIN},
        // a double quotient just above 2 is exactly 2 once stored in single precision
        {static_cast<float>(100000001.0 / 50000000.0), 2}};
    for (auto [x, esperado] : casos) {
        EXPECT_EQ(RedondearArriba(x), esperado) << x;
    }
    EXPECT_EQ(RedondearArribaAcotado(32767.5f), std::nullopt);
    EXPECT_EQ(RedondearArribaAcotado(std::numeric_limits<float>::quiet_NaN()), std::nullopt);
    const std::tuple<long long, std::string, std::string> contador[] = {
        {0, "160", "0 / 0"}, {161, "160", "2 / 161"},   {25, "abc", "25"},
        {3, "1.5", "2 / 3"}, {150, "-10", "-15 / 150"}, {32768, "1", "32.768"}};
    for (const auto& [caracteres, lon, esperado] : contador) {
        EXPECT_EQ(TextoContador(caracteres, lon, "."), esperado) << caracteres << " " << lon;
    }
}

}  // namespace
}  // namespace rebanex
