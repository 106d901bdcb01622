// The pieces less indicator, signature and hyphen are the text; in SMS mode each the longest SMS.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "comun/AvisadorSimulado.h"
#include "split/Partir.h"

namespace rebanex {
namespace {

struct Dado {
    std::mt19937 azar;
    int operator()(int hasta) { return std::uniform_int_distribution<int>(0, hasta)(azar); }
    // Up to `cuantos` of the first `clases` kinds of trozos.
    std::string Texto(const std::string* trozos, int clases, int cuantos) {
        std::string texto;
        for (int i = (*this)(cuantos); i > 0; --i) {
            texto += trozos[(*this)(clases - 1)];
        }
        return texto;
    }
};

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

TEST(CortadorPropiedad, LosTrozosDevuelvenElTextoPreparado) {
    Dado dado{std::mt19937(20021203)};
    // No '-' in the text, so that a closing hyphen can only come from the cutter.
    const std::string trozos[] = {"a", "b",  "\xF1", "\xE1", "E",
                                  " ", "  ", "\r\n", "\t",   "xyzxyzxyz"};
    int aceptados = 0;
    for (int caso = 0; caso < 400; ++caso) {
        EntradaPartir e;
        e.mensaje = dado.Texto(trozos, std::size(trozos), 120);
        e.cursor = dado(40);
        e.firma = dado(1) ? "Ana" : "";
        Configuracion& o = e.opciones;
        o.MsgMax = std::to_string(2 + dado(58));
        o.Inverso = dado(1), o.NoAcentos = dado(1), o.NoMultiEspacios = dado(1);
        o.IndicadorTrozos = dado(1), o.FirmarAutomaticamente = dado(1), o.FirmarEnTrozos = dado(1);
        o.ObtenerTamanyoMsg = false, o.Letras = static_cast<CasoLetras>(dado(2));
        o.FirmarEnPosicion = static_cast<PosicionFirma>(dado(2));
        o.FirmarEnTrozosHabilitado = o.FirmarEnPosicion != PosicionFirma::EnCursor;
        SCOPED_TRACE("'" + e.mensaje + "' max " + o.MsgMax);

        pruebas::AvisadorSimulado avisador;
        const std::string preparado = *PrepararTexto(e.mensaje, e, avisador, {}, SIZE_MAX);
        const ResultadoPartir r = Partir(e, avisador, {});
        if (!std::holds_alternative<ListaTrozos>(r)) {
            continue;  // a refused split gives no pieces
        }
        ++aceptados;
        const std::vector<std::string> textos = std::get<ListaTrozos>(r).Textos();
        // Longer only when the box was shorter than the maximum and reserved nothing.
        const std::size_t maximo = std::stoul(o.MsgMax);
        for (const std::string& t : textos) {
            EXPECT_TRUE(t.size() <= maximo || (o.IndicadorTrozos && e.mensaje.size() < maximo))
                << t;
        }
        ParametrosCorte p;
        p.IndicadorTrozos = o.IndicadorTrozos, p.Inverso = o.Inverso, p.Firma = e.firma;
        p.Firmados = TrozosFirmados(o, e.firma), p.FirmarEnPosicion = o.FirmarEnPosicion;
        Desmontar(textos, preparado, p);
    }
    EXPECT_GT(aceptados, 300);
}

TEST(CortadorPropiedad, EnModoSmsCadaTrozoEsElSmsMasLargoQueCabe) {
    Dado dado{std::mt19937(20150615)};
    // GSM-7, escape pairs, long words; then what forces UCS-2 (á ç, which the Spanish table
    // has, and “), in none, some or many of the texts.
    const std::string trozos[] = {"a", "\xF1", "\xE9",      "\x80", "[",    " ",
                                  " ", "  ",   "xyzxyzxyz", "\xE1", "\xE7", "\x93"};
    const std::string firmas[] = {"Ana", "\xC1lex", "\x80uro [x]"};
    int aceptados = 0;
    for (int caso = 0; caso < 500; ++caso) {
        const std::string texto = dado.Texto(trozos, 9 + dado(3), dado(1) ? 60 : 400);
        ParametrosCorte p;
        p.TrozosSms = true, p.LongitudMensaje = dado(1000);  // the box no longer matters
        p.MsgMax = static_cast<int16_t>(dado(1) ? 12 + dado(50) : 150 + dado(20));
        p.IndicadorTrozos = dado(1), p.Inverso = dado(1), p.Firmados = dado(2) == 0;
        p.FirmarEnPosicion = static_cast<PosicionFirma>(dado(1)), p.Firma = firmas[dado(2)];
        p.Tabla = dado(1) ? TablaGsm::Espanola : TablaGsm::Basica;
        SCOPED_TRACE("'" + texto + "' max " + std::to_string(p.MsgMax) + " " + p.Firma);
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
            const MedidaTrozo medida = lista.Medida(visto);
            EXPECT_LE(medida.unidades, medida.limite) << lista.Trozo(visto);
            // The same piece taking the next word (after a hyphen, one more character).
            std::vector<Corte> mas = cortes;
            Corte& c = mas[k];
            if (k + 1 < n) {
                c.fin = c.guion ? c.fin + 1
                                : std::min(texto.find(' ', texto.find_first_not_of(' ', c.fin)),
                                           texto.size());
                c.guion = c.guion && c.fin < texto.size() && texto[c.fin] != ' ';
                const MedidaTrozo m = ListaTrozos(texto, mas, p).Medida(visto);
                EXPECT_GT(m.unidades, m.limite) << ListaTrozos(texto, mas, p).Trozo(visto);
            }
        }
    }
    EXPECT_GT(aceptados, 400);
}

}  // namespace
}  // namespace rebanex
