// The cutter on its own: where pieces break, the indicators and signatures it adds, the count
// behind it and the live counter of the box.
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

TEST(Cortador, DondeSeCortaYLoQueSeAnade) {
    EXPECT_EQ(Cortar("hola mundo", Con(6)), (Trozos{"hola ", "mundo"}));
    EXPECT_EQ(Cortar("abcdefghij", Con(4)), (Trozos{"abc-", "def-", "ghij"}));
    // Leading spaces of the text and of every piece are skipped; trailing ones stay.
    EXPECT_EQ(Cortar("   uno   dos", Con(4)), (Trozos{"uno ", "dos"}));
    EXPECT_EQ(Cortar("abc   ", Con(3)), (Trozos{"abc", ""}));
    EXPECT_EQ(Cortar("", Con(160, false, false, 1)), (Trozos{"Ana "}));
    EXPECT_EQ(Cortar("hola mundo", Con(160, true, true), 200), (Trozos{"hola mundo"}));
    // A full message box reserves room for the indicator: 160 characters make two pieces.
    const std::string x(170, 'x');
    EXPECT_EQ(Cortar(x.substr(10), Con(160, true)),
              (Trozos{"1/2 " + x.substr(15) + "-", "2/2 xxxxx"}));
    // A shorter box reserves nothing, however long the working text grew.
    EXPECT_EQ(Cortar(x, Con(160, true), 150),
              (Trozos{"1/2 " + x.substr(11) + "-", "2/2 " + x.substr(159)}));
    // Reversed: the end shows first, with the indicator of its cut.
    EXPECT_EQ(Cortar("aaaaaaa bbbbbbb ccccccc", Con(12, true, true)),
              (Trozos{"3/3 ccccccc", "2/3 bbbbbbb ", "1/3 aaaaaaa "}));
    EXPECT_EQ(Cortar("hola mundo cruel", Con(10, false, false, 1)),
              (Trozos{"Ana hola ", "Ana mundo ", "Ana cruel"}));
    // 16 - 4 (indicator) - 4 (signature) = 8
    EXPECT_EQ(Cortar("abcdefghijklmnopqrst", Con(16, true, false, 2)),
              (Trozos{"1/3 abcdefg- Ana", "2/3 hijklmn- Ana", "3/3 opqrst Ana"}));
    // No room for the text next to the indicator and the signature, or too many pieces.
    EXPECT_EQ(Cortar(x, Con(12, true, false, 1, "Firma6")), std::nullopt);
    EXPECT_EQ(Cortar(std::string(70000, 'x'), Con(2)), std::nullopt);
    // An estimate beyond int16 that turns out to be one piece is fine.
    EXPECT_EQ(Cortar(std::string(100000, ' '), Con(2)), (Trozos{""}));
}

TEST(Cortador, NueveEstimadosQueSonDiezYElContadorDeLaCaja) {
    // Ten 13-letter words four spaces apart, estimated as 9 pieces at 20: with one digit
    // reserved the first pieces would take a third space and reach 21.
    std::string diez;
    Trozos trozos;
    for (int i = 0; i < 10; ++i) {
        const std::string palabra(13, static_cast<char>('a' + i));
        diez += (i ? "    " : "") + palabra;
        trozos.push_back(std::to_string(i + 1) + "/10 " + palabra + (i < 9 ? "  " : ""));
    }
    EXPECT_EQ(Cortar(diez, Con(20, true)), trozos);
    const std::tuple<long long, std::string, std::string> contador[] = {
        {0, "160", "0 / 0"}, {161, "160", "2 / 161"},   {25, "abc", "25"},
        {3, "1.5", "2 / 3"}, {150, "-10", "-15 / 150"}, {32768, "1", "32.768"}};
    for (const auto& [caracteres, lon, esperado] : contador) {
        EXPECT_EQ(TextoContador(caracteres, lon, "."), esperado) << caracteres << " " << lon;
    }
}

}  // namespace
}  // namespace rebanex
