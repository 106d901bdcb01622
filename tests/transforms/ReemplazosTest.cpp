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
    const auto repetida = [](const std::string& regla, int veces) {
        std::string reglas;
        for (int i = 0; i < veces; ++i) {
            reglas += regla + "\r\n";
        }
        return reglas;
    };
    const std::string mil(1000, 'a');
    const struct {
        std::string texto, reglas;
        std::size_t limite;
        FinReemplazos fin;
        std::string despues;  // when done
    } casos[] = {
        {mil, repetida("*a\taa", 40), 32767 * 12, FinReemplazos::Limite, ""},
        {"a b a", repetida("a\ta a", 40), 4096, FinReemplazos::Limite, ""},
        {"b", "%b\tbb\r\n#bb\tbbbb\r\n" + repetida("*b\tbb", 20), 4096, FinReemplazos::Limite, ""},
        {"aaaa", "*a\txxxxxxxxxx", 39, FinReemplazos::Limite, ""},  // within the one rule
        {"aaaa", "*a\txxxxxxxxxx", 40, FinReemplazos::Hecho, std::string(40, 'x')},
        {mil, "*aa\ta\r\n*a\t", 10, FinReemplazos::Hecho, ""},  // shrinking is always fine
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.reglas.substr(0, 20) + " " + std::to_string(c.limite));
        pruebas::AvisadorAnotado avisador;
        std::string texto = c.texto;
        EXPECT_EQ(AplicarReemplazos(texto, c.reglas, "R.txt", avisador, c.limite), c.fin);
        if (c.fin == FinReemplazos::Hecho) {
            EXPECT_EQ(texto, c.despues);
        }
        EXPECT_LE(texto.size(), std::max(c.limite, c.texto.size()));
        EXPECT_TRUE(avisador.avisos.empty());
    }
}

}  // namespace
}  // namespace rebanex::Troceado
