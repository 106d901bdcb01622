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

TEST(ContarSms, CodificacionUnidadesYPartes) {
    using enum Codificacion;
    const std::string a152 = Veces("a", 152);
    const std::tuple<std::string, TablaGsm, Codificacion, long long, long long> casos[] = {
        {"", TablaGsm::Basica, Gsm7, 0, 0},
        {Veces("a", 160), TablaGsm::Basica, Gsm7, 160, 1},
        {Veces("a", 161), TablaGsm::Basica, Gsm7, 161, 2},
        {Veces("a", 306), TablaGsm::Basica, Gsm7, 306, 2},
        {Veces("a", 307), TablaGsm::Basica, Gsm7, 307, 3},
        // The euro would straddle parts 1 and 2: it opens part 2 and pushes one a into a third.
        {a152 + "€" + a152, TablaGsm::Basica, Gsm7, 306, 3},
        {Veces("€", 80), TablaGsm::Basica, Gsm7, 160, 1},
        {"hola\r\n\f", TablaGsm::Basica, Gsm7, 8, 1},
        {Veces("á", 70), TablaGsm::Basica, Ucs2, 70, 1},
        {Veces("á", 71), TablaGsm::Basica, Ucs2, 71, 2},
        {Veces("á", 134), TablaGsm::Basica, Ucs2, 134, 2},
        {Veces("á", 135), TablaGsm::Basica, Ucs2, 135, 3},
        {"a\tb", TablaGsm::Basica, Ucs2, 3, 1},
        // The Spanish table: 155 septets alone, parts of 149 (74 two-septet letters).
        {Veces("á", 77), TablaGsm::Espanola, Gsm7, 154, 1},
        {Veces("á", 78), TablaGsm::Espanola, Gsm7, 156, 2},
        {Veces("a", 156), TablaGsm::Espanola, Gsm7, 156, 2},
        {Veces("a", 298), TablaGsm::Espanola, Gsm7, 298, 2},
        {Veces("a", 299), TablaGsm::Espanola, Gsm7, 299, 3},
        {Veces("a", 255 * 153), TablaGsm::Basica, Gsm7, 255 * 153, 255},
        {Veces("a", 255 * 153 + 1), TablaGsm::Basica, Gsm7, 255 * 153 + 1, 256},
    };
    for (const auto& [texto, tabla, codificacion, unidades, sms] : casos) {
        const CuentaSms c = ContarSms(texto, tabla);
        EXPECT_EQ(c.codificacion, codificacion) << texto;
        EXPECT_EQ(c.unidades, unidades) << texto;
        EXPECT_EQ(c.sms, sms) << texto;
        EXPECT_EQ(c.demasiados, sms > 255) << texto;
    }
    const CuentaSms c = ContarSms("xá y “z”á", TablaGsm::Basica);
    EXPECT_EQ(c.fuerzanUcs2, (std::vector<std::size_t>{1, 5, 7, 8}));
    EXPECT_EQ(c.distintos, "á“”");
    EXPECT_TRUE(ContarSms("xá ç", TablaGsm::Espanola).fuerzanUcs2.empty());
}

struct Trozo {
    std::string texto;
    Codificacion codificacion;
    long long unidades, limite;
    bool operator==(const Trozo&) const = default;
    friend std::ostream& operator<<(std::ostream& o, const Trozo& t) {
        return o << "'" << t.texto << "' "
                 << (t.codificacion == Codificacion::Ucs2 ? "UCS-2 " : "GSM ") << t.unidades << "/"
                 << t.limite;
    }
};

std::optional<std::vector<Trozo>> CortarSms(const std::string& texto, ParametrosCorte p) {
    p.TrozosSms = true;
    const auto r = ContarTrozos(texto, p);
    if (!r) {
        return std::nullopt;
    }
    const ListaTrozos lista(texto, GenerarTrozos(texto, p, *r), p);
    std::vector<Trozo> trozos;
    for (std::size_t i = 0; i < lista.Cuantos(); ++i) {
        const MedidaTrozo m = lista.Medida(i);
        trozos.push_back({lista.Trozo(i), m.codificacion, m.unidades, m.limite});
    }
    return trozos;
}

TEST(CortadorSms, CadaTrozoUnSmsEnSuCodificacion) {
    using enum Codificacion;
    ParametrosCorte p;
    // 145 characters with one á: one piece of bytes, three SMS; here the á starts the piece
    // that goes as UCS-2.
    const std::string hola = Veces("hola ", 20), estas = "estás" + Veces(" hola", 8);
    EXPECT_EQ(ContarSms(hola + estas, TablaGsm::Basica).sms, 3);
    EXPECT_EQ(CortarSms(hola + estas, p),
              (std::vector<Trozo>{{hola, Gsm7, 100, 160}, {estas, Ucs2, 45, 70}}));
    // 160 characters with one euro: 161 septets.
    const std::string euro = Veces("hola ", 31) + "10€ x";
    EXPECT_EQ(CortarSms(euro, p),
              (std::vector<Trozo>{{euro.substr(0, 159), Gsm7, 160, 160}, {"x", Gsm7, 1, 160}}));
    // The indicator is always reserved, but a text that fits whole has none; the Spanish
    // table holds á and 155 septets; a signature with an À makes every piece UCS-2.
    p.IndicadorTrozos = true;
    p.MsgMax = 20;
    EXPECT_EQ(CortarSms("hola que tal", p), (std::vector<Trozo>{{"hola que tal", Gsm7, 12, 20}}));
    EXPECT_EQ(
        CortarSms("hola que tal estás tú", p),
        (std::vector<Trozo>{{"1/2 hola que tal ", Gsm7, 17, 20}, {"2/2 estás tú", Ucs2, 12, 20}}));
    p.Tabla = TablaGsm::Espanola;
    p.MsgMax = 160;
    EXPECT_EQ(CortarSms("canción", p), (std::vector<Trozo>{{"canción", Gsm7, 8, 155}}));
    p.Firmados = true;
    p.FirmarEnPosicion = 2;
    p.Firma = "Àlex";
    EXPECT_EQ(CortarSms("hola", p), (std::vector<Trozo>{{"hola Àlex", Ucs2, 9, 70}}));
    // No room left for a UCS-2 piece next to a signature of 70 characters.
    p.Firma = Veces("x", 70);
    EXPECT_EQ(CortarSms("hola", p)->size(), 1u);
    EXPECT_EQ(CortarSms("hola “x”", p), std::nullopt);
}

}  // namespace
}  // namespace rebanex
