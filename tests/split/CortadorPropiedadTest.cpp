// The cutter never loses or reorders text: the pieces in cutting order, less the indicator, the
// signature and a closing hyphen, and after the spaces skipped at their start, are the text.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "comun/AvisadorAnotado.h"
#include "split/Partir.h"

namespace rebanex {
namespace {

TEST(CortadorPropiedad, LosTrozosDevuelvenElTextoPreparado) {
    std::mt19937 azar(20021203);
    const auto dado = [&](int hasta) { return std::uniform_int_distribution<int>(0, hasta)(azar); };
    // No '-' in the text, so that a closing hyphen can only come from the cutter.
    const std::string trozos[] = {"a", "b",  "\xF1", "\xE1", "E",
                                  " ", "  ", "\r\n", "\t",   "xyzxyzxyz"};
    int aceptados = 0;
    for (int caso = 0; caso < 400; ++caso) {
        EntradaPartir e;
        for (int i = dado(120); i > 0; --i) {
            e.mensaje += trozos[dado(std::size(trozos) - 1)];
        }
        e.cursor = dado(40);
        e.firma = dado(1) ? "Ana" : "";
        Configuracion& o = e.opciones;
        o.MsgMax = std::to_string(2 + dado(58));
        o.Inverso = dado(1), o.NoAcentos = dado(1), o.NoMultiEspacios = dado(1);
        o.IndicadorTrozos = dado(1), o.FirmarAutomaticamente = dado(1), o.FirmarEnTrozos = dado(1);
        o.ObtenerTamanyoMsg = false, o.Letras = 1 + dado(2), o.FirmarEnPosicion = 1 + dado(2);
        o.FirmarEnTrozosHabilitado = o.FirmarEnPosicion != 3;
        SCOPED_TRACE("'" + e.mensaje + "' max " + o.MsgMax);

        pruebas::AvisadorAnotado avisador;
        const std::string preparado = *PrepararTexto(e.mensaje, e, avisador, {}, SIZE_MAX);
        const ResultadoPartir r = Partir(e, avisador, {});
        if (!std::holds_alternative<ListaTrozos>(r)) {
            continue;  // a refused split gives no pieces
        }
        ++aceptados;
        std::vector<std::string> textos = std::get<ListaTrozos>(r).Textos();
        if (o.Inverso) {
            std::reverse(textos.begin(), textos.end());
        }
        const bool firmados = TrozosFirmados(o, e.firma);
        const std::size_t maximo = std::stoul(o.MsgMax), n = textos.size();
        std::size_t pos = 0;
        for (std::size_t k = 0; k < n; ++k) {
            std::string t = textos[k];
            // Longer only when the box was shorter than the maximum and reserved nothing.
            if (!o.IndicadorTrozos || e.mensaje.size() >= maximo) {
                EXPECT_LE(t.size(), maximo) << t;
            }
            const std::string indicador = std::to_string(k + 1) + "/" + std::to_string(n) + " ";
            if (o.IndicadorTrozos && n > 1) {
                ASSERT_TRUE(t.starts_with(indicador)) << t;
                t.erase(0, indicador.size());
            }
            if (firmados) {
                const bool delante = o.FirmarEnPosicion == 1;
                ASSERT_TRUE(delante ? t.starts_with("Ana ") : t.ends_with(" Ana")) << t;
                t.erase(delante ? 0 : t.size() - 4, 4);
            }
            if (t.ends_with('-')) {
                EXPECT_LT(k + 1, n) << "the last piece has no hyphen";
                t.pop_back();
            }
            pos = std::min(preparado.find_first_not_of(' ', pos), preparado.size());
            ASSERT_EQ(preparado.substr(pos, t.size()), t) << "piece " << k + 1;
            pos += t.size();
        }
        EXPECT_EQ(pos, preparado.size()) << "text left after the last piece";
    }
    EXPECT_GT(aceptados, 300);
}

}  // namespace
}  // namespace rebanex
