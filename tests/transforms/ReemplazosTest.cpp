#include "transforms/Reemplazos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comun/AvisadorAnotado.h"
#include "comun/CarpetaTemporal.h"
#include "transforms/Reemplazar.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::Troceado {
namespace {

class AplicarReemplazosTest : public ::testing::Test {
  protected:
    std::string Aplicar(std::string texto, const std::string& reglas) {
        carpeta_.Escribir("Reglas.txt", reglas);
        AplicarReemplazos(texto, ruta_, avisador_);
        return texto;
    }

    pruebas::CarpetaTemporal carpeta_;
    const std::string ruta_ = carpeta_.Fichero("Reglas.txt");
    pruebas::AvisadorAnotado avisador_;
};

TEST_F(AplicarReemplazosTest, ReglasDelFicheroPorDefecto) {
    carpeta_.Escribir("Reglas.txt", TextoReemplazosPorDefecto());
    const std::pair<std::string, std::string> casos[] = {
        {"Porque que QUE", "XP q Q"},
        {"dedos adosados dosmil DOS", "de2 a2a2 2mil DOS"},
        {"queso porquería ¿que? que;", "queso porquería ¿q? que;"},
        {"mas+menos mas-menos", "mas+menos +--"},
        {"por favor", "x favor"},
        {"Ej. dedo saca", "Ej. dedo saca"},  // the words of its comments are no rules
    };
    for (const auto& [texto, esperado] : casos) {
        std::string t = texto;
        AplicarReemplazos(t, ruta_, avisador_);
        EXPECT_EQ(t, esperado);
    }
    EXPECT_TRUE(avisador_.avisos.empty());
}

TEST_F(AplicarReemplazosTest, ClasesDeLineaEnOrdenSobreLoYaReemplazado) {
    EXPECT_EQ(Aplicar("dedo saca dosmil a que z",
                      ";que\tcomentario\r\n#de\td\r\n%ca\tk\r\n*dos\t2\r\na\tb\tc\r\nque\t\r\n"),
              "ddo sak 2mil b\tc  z");
    EXPECT_EQ(Aplicar("a b", "a\tb\r\nb\tc\r\n"), "c c");
    EXPECT_EQ(Aplicar("abc de", "#\tx\r\n*\tx\r\n%\tx\r\n"), "abc de");  // empty search texts
    EXPECT_EQ(Aplicar("que", ""), "que");
    EXPECT_TRUE(avisador_.avisos.empty());
}

// The rules of one file share the capitals of the text, kept in step as each rule shrinks or
// grows it; applying the rules one at a time on the text alone must give the same.
TEST_F(AplicarReemplazosTest, LasMayusculasSiguenAlTextoReglaTrasRegla) {
    const std::vector<std::pair<char, std::pair<std::string, std::string>>> reglas = {
        {' ', {"que", "q"}},    {'*', {"A", "\xC1\xC1"}}, {'#', {"\xE1", "e"}}, {'%', {"AS", ""}},
        {' ', {"Q", "cual"}},   {'*', {"ll", "y"}},       {'#', {"CUAL", "k"}}, {'%', {"e", "EEE"}},
        {' ', {"\xC1ye", "x"}}, {'*', {"  ", " "}},       {' ', {"k", "que"}},  {'%', {"Y", "ll"}}};
    const std::string texto = "Que casas, QUE llamas; \xE1ll\xE1 que  Q alla Cuales \xC1ye";
    std::string fichero, esperado = texto;
    for (const auto& [marca, regla] : reglas) {
        fichero += (marca == ' ' ? std::string() : std::string(1, marca)) + regla.first + "\t" +
                   regla.second + "\r\n";
        if (marca == '*') {
            Reemplazar(esperado, regla.first, regla.second);
        } else {
            ReemplazarPalabra(marca == '#'   ? Prefijo
                              : marca == '%' ? Sufijo
                                             : PalabraCompleta,
                              esperado, regla.first, regla.second);
        }
    }
    EXPECT_EQ(Aplicar(texto, fichero), esperado);
    EXPECT_NE(esperado, texto);
}

TEST_F(AplicarReemplazosTest, FinesDeLineaYLecturaEnCadaUso) {
    // CR LF and a lone CR end a line; a lone LF belongs to the line.
    EXPECT_EQ(Aplicar("que por mas", "que\tq\rpor\tx\r\nmas\t+"), "q x +");
    EXPECT_EQ(Aplicar("que mas", "que\tq\nmas\t+\r\n"), "q\nmas\t+ mas");
    EXPECT_EQ(Aplicar("que", "que\tk\r\n"), "k");  // the file is read afresh
}

TEST_F(AplicarReemplazosTest, LineasRarasPreguntanConSuNumero) {
    EXPECT_EQ(Aplicar("que", ";comentario\r\n\r\nsin tabulador\r\n\tx\r\nque\tq\r\n"), "q");
    ASSERT_EQ(avisador_.avisos.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(avisador_.avisos[i], AvisoLineaRara(i + 2, ruta_));
    }
    // No stops at once and keeps what was replaced.
    avisador_.avisos.clear();
    avisador_.respuesta = Respuesta::No;
    EXPECT_EQ(Aplicar("que por", "que\tq\r\nmal\r\npor\tx\r\nfatal\r\n"), "q por");
    EXPECT_EQ(avisador_.avisos, (std::vector<Aviso>{AvisoLineaRara(2, ruta_)}));
}

TEST_F(AplicarReemplazosTest, FicheroQueNoSePuedeAbrir) {
    for (const std::string& ruta : {carpeta_.Fichero("NoEsta.txt"), carpeta_.Ruta()}) {
        std::string texto = "que";
        AplicarReemplazos(texto, ruta, avisador_);
        EXPECT_EQ(texto, "que");
        EXPECT_EQ(avisador_.avisos.back(), AvisoErrorAbrirReemplazos(ruta));
    }
}

}  // namespace
}  // namespace rebanex::Troceado
