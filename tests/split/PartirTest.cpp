// The SMS count; the cutter on its own, for any text, and the box's counter; then the split
// command: its checks, transforms, cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "comun/CarpetaTemporal.h"
#include "sistema/SistemaSimulado.h"
#include "split/Contador.h"
#include "split/Partir.h"
#include "split/Sms.h"
#include "split/Trozos.h"
#include "transforms/Reemplazos.h"

namespace rebanex {
namespace {

using Trozos = std::vector<std::string>;

// The euro would straddle parts 1 and 2: it opens part 2 and pushes an a into a third. The
// Spanish table: 155 septets alone, parts of 149.
TEST(ContarSms, ComoLaRedLoFactura) {
    const auto b = TablaGsm::Basica, e = TablaGsm::Espanola;
    const std::tuple<std::string, TablaGsm, std::string> casos[] = {
        {std::string(160, 'a'), b, "GSM 160/1"},
        {std::string(161, 'a'), b, "GSM 161/2"},
        {std::string(152, 'a') + "€" + std::string(152, 'a'), b, "GSM 306/3"},
        {std::string(70, '\xE1'), b, "UCS-2 70/1"},
        {std::string(71, '\xE1'), b, "UCS-2 71/2"},
        {std::string(134, '\xE1'), b, "UCS-2 134/2"},
        {std::string(135, '\xE1'), b, "UCS-2 135/3"},
        {std::string(77, '\xE1'), e, "GSM 154/1"},
        {std::string(78, '\xE1'), e, "GSM 156/2"},
        {std::string(298, 'a'), e, "GSM 298/2"},
        {std::string(299, 'a'), e, "GSM 299/3"},
        {std::string(255 * 153, 'a'), b, "GSM 39015/255"},
        {std::string(255 * 153 + 1, 'a'), b, "GSM 39016/256"}};
    for (const auto& [texto, tabla, esperado] : casos) {
        const CuentaSms c = ContarSms(texto, tabla);
        EXPECT_EQ(TextoMedida({c.codificacion, c.unidades, c.sms}), esperado) << texto;
        EXPECT_EQ(c.demasiados, c.sms > 255) << texto;
    }
    const CuentaSms c = ContarSms("xá y “z”á", b);
    EXPECT_EQ(c.fuerzanUcs2, (std::vector<std::size_t>{1, 5, 7, 8}));
    EXPECT_EQ(c.distintos, "á“”");
}

// The pieces in the order shown, nullopt when refused; `caja` is the box's length if given.
std::optional<Trozos> Cortar(const std::string& texto, ParametrosCorte p, long long caja = -1) {
    p.LongitudMensaje = caja < 0 ? static_cast<long long>(texto.size()) : caja;
    const auto r = ContarTrozos(texto, p);
    if (!r || r->trozos > kMaxTrozos) {
        return std::nullopt;
    }
    return ListaTrozos(texto, GenerarTrozos(texto, p, *r), p).Textos();
}

// The cut's parameters by name, from the defaults: Con(12).Indicador().Sms().
struct Con : ParametrosCorte {
    explicit Con(int16_t msgMax = 160) { MsgMax = msgMax; }
    Con& Indicador() { return IndicadorTrozos = true, *this; }
    Con& Sms() { return TrozosSms = true, *this; }
    Con& Firmado(PosicionFirma posicion, const std::string& firma = "Ana") {
        return Firmados = true, FirmarEnPosicion = posicion, Firma = firma, *this;
    }
};

TEST(Cortador, TrozosComoSeMuestran) {
    EXPECT_EQ(Cortar("abcdefghij", Con(4)), (Trozos{"abc-", "def-", "ghij"}));
    EXPECT_EQ(Cortar("abc   ", Con(3)), (Trozos{"abc", ""}));  // spaces alone, one empty piece
    EXPECT_EQ(Cortar("", Con().Firmado(PosicionFirma::Delante)), (Trozos{"Ana "}));
    // A box shorter than the maximum reserves no room for the indicator (trocear's test shows a
    // full one), however long the working text grew.
    const std::string x(170, 'x');
    EXPECT_EQ(Cortar(x, Con().Indicador(), 150),
              (Trozos{"1/2 " + x.substr(11) + "-", "2/2 " + x.substr(159)}));
    // No room for the text next to the indicator and the signature, or too many pieces.
    EXPECT_EQ(Cortar(x, Con(12).Indicador().Firmado(PosicionFirma::Delante, "Firma6")),
              std::nullopt);
    EXPECT_EQ(Cortar(std::string(70000, 'x'), Con(2)), std::nullopt);
    // An estimate beyond int16 that turns out to be one piece is fine.
    EXPECT_EQ(Cortar(std::string(100000, ' '), Con(2)), (Trozos{""}));
}

// Each piece one SMS in its own encoding, whatever the box (the random test below cuts any
// text so): a signature of 70 leaves no room for a UCS-2 piece.
TEST(Cortador, EnModoSmsCadaTrozoUnSms) {
    const Con firmado =
        Con().Indicador().Firmado(PosicionFirma::AlFinal, std::string(70, 'x')).Sms();
    EXPECT_EQ(Cortar("hola", firmado).value_or(Trozos{}).size(), 1u);
    EXPECT_EQ(Cortar("hola “x”", firmado), std::nullopt);
}

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

// The pieces less indicator, signature and hyphen are the text, each the longest that fits: in
// either mode, taking the next word (after a hyphen, one more character) would overflow.
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

// The box's counter: pieces at LongMax and characters, with the user's thousands separator.
TEST(Contador, TextoDeLaCaja) {
    const std::tuple<long long, std::string, std::string> contador[] = {
        {0, "160", "0 / 0"}, {161, "160", "2 / 161"},   {25, "abc", "25"},
        {3, "1.5", "2 / 3"}, {150, "-10", "-15 / 150"}, {32768, "1", "32.768"}};
    for (const auto& [caracteres, lon, esperado] : contador) {
        EXPECT_EQ(TextoContador(caracteres, lon, "."), esperado) << caracteres << " " << lon;
    }
}

// The first check that fails, in order (the Prog tests show where each one puts the focus).
TEST(ComprobarPartir, PrimerFalloEnSuOrden) {
    // LongMax, message, indicator, signature in every piece ("": the long one, not in every piece)
    const std::tuple<std::string, std::string, bool, std::string, std::optional<Aviso>> casos[] = {
        {"abc", "", false, "", AvisoMensajeVacio()},
        {"32767", "   ", false, "", std::nullopt},
        {"0160", "hola", false, "", AvisoSoloNumeros()},
        {"32768", "hola", false, "", AvisoSoloNumeros()},
        {"0", "hola", true, "", AvisoTamanyoCero()},
        {"1", "hola", true, "", AvisoSinSitioGuion()},
        {"-32768", "hola", false, "", AvisoSinSitioGuion()},
        {"11", "hola", true, "", AvisoMinimoIndicadores()},
        {"12", "hola", true, "", std::nullopt},
        {"15", "hola", false, "1234567", std::nullopt},
        {"15", "hola", false, "12345678", AvisoFirmaGrande()}};
    for (const auto& [lon, mensaje, indicador, firma, aviso] : casos) {
        EntradaPartir e;
        e.mensaje = mensaje, e.firma = firma.empty() ? "una firma muy larga" : firma;
        e.opciones.MsgMax = lon, e.opciones.IndicadorTrozos = indicador;
        e.opciones.FirmarEnTrozos = !firma.empty();
        e.opciones.FirmarEnTrozosHabilitado = false;  // the tick alone counts here
        int16_t msgMax = -999;
        const auto fallo = ComprobarPartir(e, msgMax);
        EXPECT_EQ(fallo ? std::optional(fallo->aviso) : std::nullopt, aviso) << lon;
        EXPECT_TRUE(fallo || std::to_string(msgMax) == lon) << msgMax;
    }
}

// Transforms in order (accents, breaks, rules, GSM, squeezing) with their status texts.
TEST(Partir, TransformacionesEnSuOrden) {
    pruebas::CarpetaTemporal carpeta;
    EntradaPartir e;
    e.mensaje = "Canci\xF3n\r\nque BONITA";
    e.rutaReemplazos = carpeta.Escribir("r", "cancion\tcanc\r\nque\t\r\n");
    e.opciones.IndicadorTrozos = false, e.opciones.AutoReemplazar = true,
    e.opciones.Letras = CasoLetras::Minusculas;
    Trozos sucesos;
    const PasosPartir pasos{[&](const std::string& t) { sucesos.push_back(t); },
                            [&] { sucesos.push_back("<obtenerTamanyo>"); }};
    pruebas::AvisadorSimulado avisador;
    EXPECT_EQ(std::get<ListaTrozos>(Partir(e, avisador, pasos)).Textos(), Trozos{"canc bonita"});
    EXPECT_EQ(sucesos, (Trozos{"<obtenerTamanyo>", "Eliminando Acentos...",
                               "Cambiando Formato de Letras...", "Substituyendo Palabras...",
                               "Eliminando Multi-Espacios...", "Troceando..."}));
    e.rutaReemplazos = carpeta.Fichero("falta");
    EXPECT_EQ(std::get<ListaTrozos>(Partir(e, avisador, pasos)).Textos(),
              Trozos{"cancion que bonita"});
    EXPECT_EQ(avisador.avisos, std::vector{AvisoErrorAbrirReemplazos(e.rutaReemplazos)});

    // Adapting to GSM after case and rules, before squeezing, signature included.
    e.mensaje = "\xC0 \xA0 x", e.firma = "Ana\x85";
    e.rutaReemplazos = carpeta.Escribir("r", "x\t\x93x\x94\r\n");
    Configuracion& o = e.opciones;
    o.NoAcentos = o.ObtenerTamanyoMsg = false;
    o.FirmarAutomaticamente = o.FirmarEnTrozos = o.TrozosSMS = true;
    for (const bool adaptar : {false, true}) {
        o.AdaptarGSM = adaptar;
        sucesos.clear();
        const auto lista = std::get<ListaTrozos>(Partir(e, avisador, pasos));
        EXPECT_EQ(lista.Textos(),
                  Trozos{adaptar ? "Ana... \xE0 \"x\"" : "Ana\x85 \xE0 \xA0 \x93x\x94"});
        EXPECT_EQ(TextoMedida(lista.Medida(0)), adaptar ? "GSM 12/160" : "UCS-2 12/70");
        EXPECT_EQ(TextoUcs2(lista), adaptar ? "" : "UCS-2 por: \x85 \xA0 \x93 \x94 (1 trozo)");
    }
    EXPECT_EQ(sucesos,
              (Trozos{"Cambiando Formato de Letras...", "Substituyendo Palabras...",
                      "Adaptando a GSM...", "Eliminando Multi-Espacios...", "Troceando..."}));
}

}  // namespace
}  // namespace rebanex
