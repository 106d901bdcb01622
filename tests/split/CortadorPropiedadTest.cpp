// The pieces less indicator, signature and hyphen are the text, each the longest that fits.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "split/Trozos.h"

namespace rebanex {
namespace {

// The pieces (in the order shown) against the text, less what `p` adds to each.
void Desmontar(std::vector<std::string> textos, const std::string& texto,
               const ParametrosCorte& p) {
    if (p.Inverso) {
        std::reverse(textos.begin(), textos.end());
    }
    const std::size_t n = textos.size();
    std::size_t pos = 0;
    for (std::size_t k = 0; k < n; ++k) {
        std::string t = textos[k];
        const std::string numero = std::to_string(k + 1) + "/" + std::to_string(n) + " ";
        if (p.IndicadorTrozos && n > 1) {
            EXPECT_TRUE(t.starts_with(numero)) << t;
            t.erase(0, numero.size());
        }
        if (const std::string& f = p.Firma; p.Firmados) {
            const bool delante = p.FirmarEnPosicion == PosicionFirma::Delante;
            EXPECT_TRUE(delante ? t.starts_with(f + " ") : t.ends_with(" " + f)) << t;
            t.erase(delante ? 0 : t.size() - f.size() - 1, f.size() + 1);
        }
        if (t.ends_with('-')) {
            EXPECT_LT(k + 1, n) << "the last piece has no hyphen";
            t.pop_back();
        }
        pos = std::min(texto.find_first_not_of(' ', pos), texto.size());
        EXPECT_EQ(texto.substr(pos, t.size()), t) << "piece " << k + 1;
        pos += t.size();
    }
    EXPECT_EQ(pos, texto.size()) << "text left after the last piece";
}

// In either mode, taking the next word (after a hyphen, one more character) would overflow.
TEST(CortadorPropiedad, CadaTrozoEsElMasLargoQueCabe) {
    std::mt19937 azar(20150615);
    const auto dado = [&](int hasta) { return std::uniform_int_distribution<int>(0, hasta)(azar); };
    // GSM-7, escape pairs, long words; then what forces UCS-2 (á ç, which the Spanish table
    // has, and “), in none, some or many of the texts.
    const std::string trozos[] = {"a", "\xF1", "\xE9",      "\x80", "[",    " ",
                                  " ", "  ",   "xyzxyzxyz", "\xE1", "\xE7", "\x93"};
    const std::string firmas[] = {"Ana", "\xC1lex", "\x80uro [x]"};
    int aceptados = 0;
    for (int caso = 0; caso < 1000; ++caso) {
        std::string texto;  // up to 60 or 400 trozos of the first 9 to 12 kinds
        for (int i = dado(dado(1) ? 60 : 400), clases = 9 + dado(3); i > 0; --i) {
            texto += trozos[dado(clases - 1)];
        }
        ParametrosCorte p;
        // A full box reserves room for the indicator; in SMS mode the box never matters.
        p.TrozosSms = dado(1), p.LongitudMensaje = p.TrozosSms ? dado(1000) : 1 << 20;
        p.MsgMax = static_cast<int16_t>(dado(1) ? 2 + dado(60) : 150 + dado(20));
        p.IndicadorTrozos = dado(1), p.Inverso = dado(1), p.Firmados = dado(2) == 0;
        p.FirmarEnPosicion = static_cast<PosicionFirma>(dado(1)), p.Firma = firmas[dado(2)];
        p.Tabla = dado(1) ? TablaGsm::Espanola : TablaGsm::Basica;
        SCOPED_TRACE("'" + texto + "' max " + std::to_string(p.MsgMax) + " " + p.Firma +
                     (p.TrozosSms ? " SMS" : ""));
        std::vector<Corte> delRecuento;
        const std::optional<Recuento> r = ContarTrozos(texto, p, &delRecuento);
        if (!r) {
            continue;
        }
        ++aceptados;
        const std::vector<Corte> cortes = GenerarTrozos(texto, p, *r);
        // The count's own cuts, when it keeps them, are the same.
        ASSERT_TRUE(delRecuento.empty() || delRecuento.size() == cortes.size());
        for (std::size_t k = 0; k < delRecuento.size(); ++k) {
            ASSERT_EQ(std::tie(delRecuento[k].inicio, delRecuento[k].fin, delRecuento[k].guion),
                      std::tie(cortes[k].inicio, cortes[k].fin, cortes[k].guion));
        }
        const ListaTrozos lista(texto, cortes, p);
        Desmontar(lista.Textos(), texto, p);
        const std::size_t n = cortes.size();
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t visto = p.Inverso ? n - 1 - k : k;
            const auto cabe = [&](const ListaTrozos& l) {
                const MedidaTrozo m = l.Medida(visto);
                return p.TrozosSms ? m.unidades <= m.limite
                                   : std::cmp_less_equal(l.Trozo(visto).size(), p.MsgMax);
            };
            EXPECT_TRUE(cabe(lista)) << lista.Trozo(visto);
            std::vector<Corte> mas = cortes;
            Corte& c = mas[k];
            if (k + 1 < n) {
                c.fin = c.guion ? c.fin + 1
                                : std::min(texto.find(' ', texto.find_first_not_of(' ', c.fin)),
                                           texto.size());
                c.guion = c.guion && c.fin < texto.size() && texto[c.fin] != ' ';
                EXPECT_FALSE(cabe(ListaTrozos(texto, mas, p)))
                    << ListaTrozos(texto, mas, p).Trozo(visto);
            }
        }
    }
    EXPECT_GT(aceptados, 800);
}

}  // namespace
}  // namespace rebanex
