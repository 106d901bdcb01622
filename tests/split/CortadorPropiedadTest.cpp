// The cutter never loses or reorders text, whatever the message, maximum and options.
//
// Precisely: take the pieces in cutting order (the reverse of the shown order with Inverso)
// and strip what the cutter adds: the indicator "k/N " (only with more than one piece), the
// signature with its space in front or at the end (when every piece is signed) and the hyphen
// of a piece broken inside a word. Each piece starts after the spaces where the previous one
// ended (the first after the leading spaces); those are the only characters dropped. So the
// prepared text is exactly: for each piece, zero or more spaces and then its text; nothing more.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "comun/AvisadorAnotado.h"
#include "split/Partir.h"

namespace rebanex {
namespace {

TEST(CortadorPropiedad, LosTrozosDevuelvenElTextoPreparado) {
    std::mt19937 azar(20021203);
    const auto dado = [&](int desde, int hasta) {
        return std::uniform_int_distribution<int>(desde, hasta)(azar);
    };
    // No '-' in the text, so that a closing hyphen can only come from the cutter.
    const std::string trozos[] = {"a", "b",  "\xF1", "\xE1", "E",
                                  " ", "  ", "\r\n", "\t",   "xyzxyzxyz"};
    int aceptados = 0;
    for (int caso = 0; caso < 400; ++caso) {
        EntradaPartir entrada;
        for (int i = dado(0, 120); i > 0; --i) {
            entrada.mensaje += trozos[dado(0, std::size(trozos) - 1)];
        }
        entrada.cursor = dado(0, 40);
        entrada.firma = dado(0, 1) ? "Ana" : "";
        Configuracion& o = entrada.opciones;
        o.MsgMax = std::to_string(dado(2, 60));
        o.Inverso = dado(0, 1);
        o.NoAcentos = dado(0, 1);
        o.NoMultiEspacios = dado(0, 1);
        o.IndicadorTrozos = dado(0, 1);
        o.ObtenerTamanyoMsg = false;
        o.Letras = dado(1, 3);
        o.FirmarAutomaticamente = dado(0, 1);
        o.FirmarEnTrozos = dado(0, 1);
        o.FirmarEnPosicion = dado(1, 3);
        o.FirmarEnTrozosHabilitado = o.FirmarEnPosicion != 3;
        SCOPED_TRACE("'" + entrada.mensaje + "' max " + o.MsgMax);

        pruebas::AvisadorAnotado avisador;
        const std::string preparado = PrepararTexto(entrada.mensaje, entrada, avisador, {});
        const ResultadoPartir r = Partir(entrada, avisador, {});
        const auto* lista = std::get_if<ListaTrozos>(&r);
        if (lista == nullptr) {
            continue;  // a refused split gives no pieces
        }
        ++aceptados;
        std::vector<std::string> textos = lista->Textos();
        if (o.Inverso) {
            std::reverse(textos.begin(), textos.end());
        }
        const bool firmados = TrozosFirmados(o, entrada.firma);
        const std::size_t maximo = std::stoul(o.MsgMax);
        std::size_t pos = 0;
        for (std::size_t k = 0; k < textos.size(); ++k) {
            std::string t = textos[k];
            // Longer than the maximum only when the box was shorter and reserved
            // nothing.
            if (!o.IndicadorTrozos || entrada.mensaje.size() >= maximo) {
                EXPECT_LE(t.size(), maximo) << t;
            }
            if (o.IndicadorTrozos && textos.size() > 1) {
                const std::string indicador =
                    std::to_string(k + 1) + "/" + std::to_string(textos.size()) + " ";
                ASSERT_TRUE(t.starts_with(indicador)) << t;
                t.erase(0, indicador.size());
            }
            if (firmados && o.FirmarEnPosicion == 1) {
                ASSERT_TRUE(t.starts_with("Ana ")) << t;
                t.erase(0, 4);
            } else if (firmados) {
                ASSERT_TRUE(t.ends_with(" Ana")) << t;
                t.resize(t.size() - 4);
            }
            if (t.ends_with('-')) {
                EXPECT_LT(k + 1, textos.size()) << "the last piece has no hyphen";
                t.pop_back();
            }
            while (pos < preparado.size() && preparado[pos] == ' ') {
                ++pos;
            }
            ASSERT_EQ(preparado.substr(pos, t.size()), t) << "piece " << k + 1;
            pos += t.size();
        }
        EXPECT_EQ(pos, preparado.size()) << "text left after the last piece";
    }
    EXPECT_GT(aceptados, 300);
}

}  // namespace
}  // namespace rebanex
