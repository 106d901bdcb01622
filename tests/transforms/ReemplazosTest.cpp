// The rules file: its kinds of line and its boxes, the engine against the rule-by-rule one (which
// checks chains of rules, empty search texts, line ends and the answers to the boxes).
#include "transforms/Reemplazos.h"

#include <gtest/gtest.h>

#include <random>

#include "comun/Referencia.h"
#include "sistema/SistemaSimulado.h"
#include "transforms/FiltroReglas.h"
#include "transforms/ReemplazosPorDefecto.h"
#include "transforms/ReglasUnaAUna.h"

namespace rebanex {
namespace {

std::string Aplicar(std::string texto, const std::string& reglas, Avisador& avisador) {
    EXPECT_EQ(AplicarReemplazos(texto, reglas, "R.txt", avisador, SIZE_MAX),
              FinReemplazos::Terminado);
    return texto;
}

TEST(Reglas, ClasesDeLineaEnOrdenYLineasRaras) {
    pruebas::AvisadorSimulado avisador;
    // The default file, written when the user has none, byte for byte (CR LF, Windows-1252).
    pruebas::CompararConReferencia("Rebanex.txt", TextoReemplazosPorDefecto());
    EXPECT_EQ(Aplicar("Porque que QUE por dedos adosados dosmil DOS mas+menos mas-menos Ej.",
                      TextoReemplazosPorDefecto(), avisador),
              "XP q Q x de2 a2a2 2mil DOS mas+menos +-- Ej.");  // comments are no rules
    EXPECT_EQ(Aplicar("dedo saca dosmil a que z",
                      ";que\tcomentario\r\n#de\td\r\n%ca\tk\r\n*dos\t2\r\na\tb\tc\r\nque\t\r\n",
                      avisador),
              "ddo sak 2mil b\tc  z");
    // A lone LF belongs to the line (CR and CR LF end it).
    EXPECT_EQ(Aplicar("que mas", "que\tq\nmas\t+\r\n", avisador), "q\nmas\t+ mas");
    EXPECT_TRUE(avisador.avisos.empty());
    // Faulty lines ask whether to go on.
    EXPECT_EQ(Aplicar("que", ";comentario\r\n\r\nsin tabulador\r\n\tx\r\nque\tq\r\n", avisador),
              "q");
    EXPECT_EQ(avisador.avisos,
              (std::vector<Aviso>{AvisoLineaRara(2, "R.txt"), AvisoLineaRara(3, "R.txt"),
                                  AvisoLineaRara(4, "R.txt")}));
}

// Lengthening rules stop at the limit, inside a rule or between rules; what fits is done whole.
TEST(Reglas, LasQueAlarganParanEnElLimite) {
    std::string doblan, palabras;
    for (int i = 0; i < 40; ++i) {
        doblan += "*a\taa\r\n", palabras += "%a\ta a\r\n#a\ta a\r\n";
    }
    const std::string mil(1000, 'a'), diez = "*a\txxxxxxxxxx";
    const std::tuple<std::string, std::string, std::size_t, std::optional<std::string>> casos[] = {
        {mil, doblan, 32767 * 12, std::nullopt},
        {"a b a", palabras, 4096, std::nullopt},
        {"aaaa", diez, 39, std::nullopt},  // within the one rule
        {"aaaa", diez, 40, std::string(40, 'x')},
        {mil, "*aa\ta\r\nb\tc", 10, std::string(500, 'a')}};  // shrinking is always fine
    for (const auto& [antes, reglas, limite, despues] : casos) {
        pruebas::AvisadorSimulado avisador;
        std::string texto = antes;
        const FinReemplazos fin = AplicarReemplazos(texto, reglas, "R.txt", avisador, limite);
        EXPECT_EQ(fin, despues ? FinReemplazos::Terminado : FinReemplazos::Limite) << limite;
        EXPECT_EQ(texto, despues.value_or(texto)) << limite;
        EXPECT_LE(texto.size(), std::max(limite, antes.size()));
    }
    // A limit that stops a rule leaves the text as the rules before it left it.
    pruebas::AvisadorSimulado avisador;
    for (const auto& [limite, fin, esperado] :
         {std::tuple{16u, FinReemplazos::Terminado, "aaaaaaaaaaaaaaaa"},
          {15u, FinReemplazos::Limite, "aaaaaaaa"},
          {3u, FinReemplazos::Limite, "aa"}}) {
        std::string texto = "aa";
        EXPECT_EQ(AplicarReemplazos(texto, "*a\taa\r*b\tc\r*a\taa\r*a\taa", "", avisador, limite),
                  fin);
        EXPECT_EQ(texto, esperado) << limite;
    }
}

// Random colliding rules, few and many: the same text as the rules applied one by one.
TEST(Reglas, LasMismasQueUnaAUna) {
    std::mt19937 azar(16);
    const auto dado = [&](int hasta) { return std::uniform_int_distribution<int>(0, hasta)(azar); };
    for (int caso = 0; caso < 3000; ++caso) {
        const bool raros = caso % 8 == 0;  // any characters: more than the filter tells apart
        const auto cadena = [&](int maximo) {
            std::string s(dado(maximo), ' ');
            for (char& c : s) {
                c = raros ? static_cast<char>(' ' + dado(223)) : "aAbB -áÁ"[dado(7)];
            }
            return s;
        };
        std::string reglas, texto;  // the text holds some search texts, long ones too
        for (int n = caso % 2 ? dado(12) : 16 + dado(24); n > 0; --n) {
            static constexpr const char* kMarcas[] = {"", "", "#", "%", "*", ";"};
            const std::string buscar = cadena(dado(7) ? 3 : 11);
            reglas += kMarcas[dado(5)] + buscar + (dado(15) ? "\t" : "") + cadena(5) +
                      (dado(3) ? "\r\n" : "\r");
            texto += cadena(2) + (dado(2) ? buscar : "");
        }
        while (caso % 16 == 3 && texto.size() < 1100) {  // long enough to be cut in stretches
            texto += " " + texto;
        }
        pruebas::AvisadorSimulado avisador, antes;
        avisador.respuesta = antes.respuesta = dado(4) ? Respuesta::Si : Respuesta::No;
        std::string esperado = texto, real = texto;
        pruebas::AplicarReglasUnaAUna(esperado, reglas, antes);
        const std::size_t limite = dado(1) ? kSinLimite : texto.size() + dado(60);
        if (AplicarReemplazos(real, reglas, "", avisador, limite) == FinReemplazos::Terminado) {
            ASSERT_EQ(real, esperado) << "'" << texto << "' with\n" << reglas;
            ASSERT_EQ(avisador.avisos, antes.avisos);
        }
    }
}

// The filter finds a search text anywhere, across its stretches and word boundaries.
TEST(Reglas, ElFiltroVeCadaReglaQuePuedeCambiarAlgo) {
    using enum Regla::Clase;
    const std::vector<Regla> reglas = {
        {Exacta, "abcdefgh", ""}, {Prefijo, "AB", ""}, {Sufijo, "gh", ""}, {Palabra, "gh", ""}};
    const FiltroReglas filtro(reglas);
    for (const std::size_t largo : {8, 1100, 1101, 1102, 1103}) {
        for (std::size_t en = 0; en + 8 <= largo; ++en) {
            std::string texto(largo, '.');
            texto.replace(en, 8, "abcdefgh");
            std::vector<char> posibles(reglas.size(), 0);
            filtro.Marcar(texto, true, true, posibles);
            ASSERT_EQ(posibles, std::vector<char>({1, 1, 1, 0})) << largo << " " << en;
        }
    }
}

}  // namespace
}  // namespace rebanex
