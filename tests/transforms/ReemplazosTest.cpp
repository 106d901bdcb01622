// The rules file: its kinds of line, in order, over what earlier rules replaced, and its boxes.
#include "transforms/Reemplazos.h"

#include <gtest/gtest.h>

#include "comun/AvisadorAnotado.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Referencia.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::Troceado {
namespace {

TEST(Reglas, ClasesDeLineaEnOrdenLineasRarasYFicheroQueNoSeAbre) {
    pruebas::AvisadorAnotado avisador;
    const auto Aplicar = [&](std::string texto, const std::string& reglas) {
        EXPECT_EQ(AplicarReemplazos(texto, reglas, "R.txt", avisador, SIZE_MAX),
                  FinReemplazos::Hecho);
        return texto;
    };
    // The default file, written when the user has none, byte for byte (CR LF, Windows-1252).
    pruebas::CompararConReferencia("Rebanex.txt", TextoReemplazosPorDefecto());
    EXPECT_EQ(Aplicar("Porque que QUE por dedos adosados dosmil DOS mas+menos mas-menos Ej.",
                      TextoReemplazosPorDefecto()),
              "XP q Q x de2 a2a2 2mil DOS mas+menos +-- Ej.");  // comments are no rules
    EXPECT_EQ(Aplicar("dedo saca dosmil a que z",
                      ";que\tcomentario\r\n#de\td\r\n%ca\tk\r\n*dos\t2\r\na\tb\tc\r\nque\t\r\n"),
              "ddo sak 2mil b\tc  z");
    EXPECT_EQ(Aplicar("a b", "a\tb\r\nb\tc\r\n"), "c c");
    EXPECT_EQ(Aplicar("abc de", "#\tx\r\n*\tx\r\n%\tx\r\n"), "abc de");  // empty search texts
    // CR LF and a lone CR end a line; a lone LF belongs to the line.
    EXPECT_EQ(Aplicar("que por mas", "que\tq\rpor\tx\r\nmas\t+"), "q x +");
    EXPECT_EQ(Aplicar("que mas", "que\tq\nmas\t+\r\n"), "q\nmas\t+ mas");
    // The capitals of the text stay in step with it as each rule shrinks or grows it.
    EXPECT_EQ(Aplicar("QQ que", "*QQ\t\r\nque\tq\r\n"), " q");
    EXPECT_EQ(Aplicar("ab queQQ", "*ab\tabcdef\r\n#que\tq\r\n"), "abcdef qQQ");
    EXPECT_TRUE(avisador.avisos.empty());
    // Faulty lines ask whether to go on; a file that does not open is reported.
    EXPECT_EQ(Aplicar("que", ";comentario\r\n\r\nsin tabulador\r\n\tx\r\nque\tq\r\n"), "q");
    EXPECT_EQ(avisador.avisos,
              (std::vector<Aviso>{AvisoLineaRara(2, "R.txt"), AvisoLineaRara(3, "R.txt"),
                                  AvisoLineaRara(4, "R.txt")}));
    avisador.avisos.clear();
    avisador.respuesta = Respuesta::No;  // keeps what was replaced
    EXPECT_EQ(Aplicar("que por", "que\tq\r\nmal\r\npor\tx\r\nfatal\r\n"), "q por");
    EXPECT_EQ(avisador.avisos, (std::vector<Aviso>{AvisoLineaRara(2, "R.txt")}));
    pruebas::CarpetaTemporal carpeta;
    std::string texto = "que";
    AplicarReemplazos(texto, carpeta.Escribir("R.txt", "que\tq\r\n"), avisador, SIZE_MAX);
    AplicarReemplazos(texto, carpeta.Ruta(), avisador, SIZE_MAX);
    EXPECT_EQ(texto, "q");
    EXPECT_EQ(avisador.avisos.back(), AvisoErrorAbrirReemplazos(carpeta.Ruta()));
}

// Rules that lengthen the text stop as soon as it would pass the limit, inside a rule as
// between rules, long before it could fill the memory; what fits is done whole.
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
        pruebas::AvisadorAnotado avisador;
        std::string texto = antes;
        const FinReemplazos fin = AplicarReemplazos(texto, reglas, "R.txt", avisador, limite);
        EXPECT_EQ(fin, despues ? FinReemplazos::Hecho : FinReemplazos::Limite) << limite;
        EXPECT_EQ(texto, despues.value_or(texto)) << limite;
        EXPECT_LE(texto.size(), std::max(limite, antes.size()));
    }
}

}  // namespace
}  // namespace rebanex::Troceado
