// Counting a text as the network bills it, and pieces that are one SMS each.
#include "split/Sms.h"

#include <gtest/gtest.h>

#include "split/Trozos.h"

namespace rebanex {
namespace {

std::string Veces(const std::string& s, std::size_t n) {
    std::string r;
    for (; n > 0; --n) {
        r += s;
    }
    return r;
}

std::string Medida(Codificacion codificacion, long long unidades, long long de) {
    return (codificacion == Codificacion::Ucs2 ? "UCS-2 " : "GSM ") + std::to_string(unidades) +
           "/" + std::to_string(de);
}

TEST(ContarSms, ComoLaRedLoFactura) {
    const auto b = TablaGsm::Basica, e = TablaGsm::Espanola;
    const std::tuple<std::string, TablaGsm, std::string> casos[] = {
        {"", b, "GSM 0/0"},
        {Veces("a", 160), b, "GSM 160/1"},
        {Veces("a", 161), b, "GSM 161/2"},
        {Veces("a", 306), b, "GSM 306/2"},
        {Veces("a", 307), b, "GSM 307/3"},
        // The euro would straddle parts 1 and 2: it opens part 2 and pushes an a into a third.
        {Veces("a", 152) + "€" + Veces("a", 152), b, "GSM 306/3"},
        {Veces("€", 80), b, "GSM 160/1"},
        {"hola\r\n\f", b, "GSM 8/1"},
        {Veces("á", 70), b, "UCS-2 70/1"},
        {Veces("á", 71), b, "UCS-2 71/2"},
        {Veces("á", 134), b, "UCS-2 134/2"},
        {Veces("á", 135), b, "UCS-2 135/3"},
        {"a\tb", b, "UCS-2 3/1"},
        // The Spanish table: 155 septets alone, parts of 149.
        {Veces("á", 77), e, "GSM 154/1"},
        {Veces("á", 78), e, "GSM 156/2"},
        {Veces("a", 298), e, "GSM 298/2"},
        {Veces("a", 299), e, "GSM 299/3"},
        {Veces("a", 255 * 153), b, "GSM 39015/255"},
        {Veces("a", 255 * 153 + 1), b, "GSM 39016/256"}};
    for (const auto& [texto, tabla, esperado] : casos) {
        const CuentaSms c = ContarSms(texto, tabla);
        EXPECT_EQ(Medida(c.codificacion, c.unidades, c.sms), esperado) << texto;
        EXPECT_EQ(c.demasiados, c.sms > 255) << texto;
    }
    const CuentaSms c = ContarSms("xá y “z”á", b);
    EXPECT_EQ(c.fuerzanUcs2, (std::vector<std::size_t>{1, 5, 7, 8}));
    EXPECT_EQ(c.distintos, "á“”");
    EXPECT_TRUE(ContarSms("xá ç", e).fuerzanUcs2.empty());
}

// The pieces in SMS mode as the piece view will show them; none when the split is refused.
std::vector<std::string> CortarSms(const std::string& texto, ParametrosCorte p) {
    p.TrozosSms = true;
    std::vector<std::string> trozos;
    if (const auto r = ContarTrozos(texto, p)) {
        const ListaTrozos lista(texto, GenerarTrozos(texto, p, *r), p);
        for (std::size_t i = 0; i < lista.Cuantos(); ++i) {
            const MedidaTrozo m = lista.Medida(i);
            trozos.push_back(lista.Trozo(i) + " " + Medida(m.codificacion, m.unidades, m.limite));
        }
    }
    return trozos;
}

using Trozos = std::vector<std::string>;

TEST(CortadorSms, CadaTrozoUnSmsEnSuCodificacion) {
    ParametrosCorte p;
    // 145 characters with one á, three SMS as one piece: the á starts the UCS-2 piece.
    const std::string hola = Veces("hola ", 20), estas = "estás" + Veces(" hola", 8);
    EXPECT_EQ(ContarSms(hola + estas, TablaGsm::Basica).sms, 3);
    EXPECT_EQ(CortarSms(hola + estas, p), (Trozos{hola + " GSM 100/160", estas + " UCS-2 45/70"}));
    // 160 characters with one euro: 161 septets.
    const std::string euro = Veces("hola ", 31) + "10€ x";
    EXPECT_EQ(CortarSms(euro, p), (Trozos{euro.substr(0, 159) + " GSM 160/160", "x GSM 1/160"}));
    // The indicator is always reserved, but a text that fits whole has none.
    p.IndicadorTrozos = true;
    p.MsgMax = 20;
    EXPECT_EQ(CortarSms("hola que tal, Pablo", p), Trozos{"hola que tal, Pablo GSM 19/20"});
    EXPECT_EQ(CortarSms("hola que tal estás tú", p),
              (Trozos{"1/2 hola que tal  GSM 17/20", "2/2 estás tú UCS-2 12/20"}));
    p.Firmados = true;
    p.FirmarEnPosicion = PosicionFirma::AlFinal;
    // A signature of 70 leaves no room for a UCS-2 piece.
    p.MsgMax = 160;
    p.Firma = Veces("x", 70);
    EXPECT_EQ(CortarSms("hola", p).size(), 1u);
    EXPECT_EQ(CortarSms("hola “x”", p), Trozos{});
}

}  // namespace
}  // namespace rebanex
