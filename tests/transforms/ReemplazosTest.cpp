// The rules file: its kinds of line, in order, over what earlier rules replaced, and its boxes.
#include "transforms/Reemplazos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comun/AvisadorAnotado.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Referencia.h"
#include "transforms/Reemplazar.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::Troceado {
namespace {

class Reglas : public ::testing::Test {
  protected:
    std::string Aplicar(std::string texto, const std::string& reglas) {
        AplicarReemplazos(texto, reglas, "R.txt", avisador);
        return texto;
    }
    pruebas::AvisadorAnotado avisador;
};

TEST_F(Reglas, ElFicheroPorDefectoComoEnLaReferenciaYLoQueHace) {
    // Written when the user has none, byte for byte (CR LF, Windows-1252).
    pruebas::CompararConReferencia("Rebanex.txt", TextoReemplazosPorDefecto());
    const std::pair<std::string, std::string> casos[] = {
        {"Porque que QUE por", "XP q Q x"},
        {"dedos adosados dosmil DOS", "de2 a2a2 2mil DOS"},
        {"mas+menos mas-menos", "mas+menos +--"},
        {"Ej. dedo saca", "Ej. dedo saca"},  // the words of its comments are no rules
    };
    for (const auto& [texto, esperado] : casos) {
        EXPECT_EQ(Aplicar(texto, TextoReemplazosPorDefecto()), esperado);
    }
    EXPECT_TRUE(avisador.avisos.empty());
}

TEST_F(Reglas, ClasesYFinesDeLinea) {
    EXPECT_EQ(Aplicar("dedo saca dosmil a que z",
                      ";que\tcomentario\r\n#de\td\r\n%ca\tk\r\n*dos\t2\r\na\tb\tc\r\nque\t\r\n"),
              "ddo sak 2mil b\tc  z");
    EXPECT_EQ(Aplicar("a b", "a\tb\r\nb\tc\r\n"), "c c");
    EXPECT_EQ(Aplicar("abc de", "#\tx\r\n*\tx\r\n%\tx\r\n"), "abc de");  // empty search texts
    // CR LF and a lone CR end a line; a lone LF belongs to the line.
    EXPECT_EQ(Aplicar("que por mas", "que\tq\rpor\tx\r\nmas\t+"), "q x +");
    EXPECT_EQ(Aplicar("que mas", "que\tq\nmas\t+\r\n"), "q\nmas\t+ mas");
    EXPECT_TRUE(avisador.avisos.empty());
}

// The rules of one file share the capitals of the text, kept in step as each rule shrinks or
// grows it: applying them one at a time on the text alone must give the same.
TEST_F(Reglas, LasMayusculasSiguenAlTextoReglaTrasRegla) {
    const std::pair<char, std::pair<std::string, std::string>> reglas[] = {
        {' ', {"que", "q"}},    {'*', {"A", "\xC1\xC1"}}, {'#', {"\xE1", "e"}}, {'%', {"AS", ""}},
        {' ', {"Q", "cual"}},   {'*', {"ll", "y"}},       {'#', {"CUAL", "k"}}, {'%', {"e", "EEE"}},
        {' ', {"\xC1ye", "x"}}, {'*', {"  ", " "}},       {' ', {"k", "que"}},  {'%', {"Y", "ll"}}};
    const std::string texto = "Que casas, QUE llamas; \xE1ll\xE1 que  Q alla Cuales \xC1ye";
    std::string fichero, esperado = texto;
    for (const auto& [marca, regla] : reglas) {
        fichero += (marca == ' ' ? "" : std::string(1, marca)) + regla.first + "\t" + regla.second +
                   "\r\n";
        if (marca == '*') {
            Reemplazar(esperado, regla.first, regla.second);
        } else {
            const int32_t tipo = marca == '#' ? Prefijo : marca == '%' ? Sufijo : PalabraCompleta;
            ReemplazarPalabra(tipo, esperado, regla.first, regla.second);
        }
    }
    EXPECT_EQ(Aplicar(texto, fichero), esperado);
    EXPECT_NE(esperado, texto);
}

TEST_F(Reglas, LineasRarasPreguntanConSuNumeroYNoPara) {
    EXPECT_EQ(Aplicar("que", ";comentario\r\n\r\nsin tabulador\r\n\tx\r\nque\tq\r\n"), "q");
    EXPECT_EQ(avisador.avisos,
              (std::vector<Aviso>{AvisoLineaRara(2, "R.txt"), AvisoLineaRara(3, "R.txt"),
                                  AvisoLineaRara(4, "R.txt")}));
    avisador.avisos.clear();
    avisador.respuesta = Respuesta::No;  // keeps what was replaced
    EXPECT_EQ(Aplicar("que por", "que\tq\r\nmal\r\npor\tx\r\nfatal\r\n"), "q por");
    EXPECT_EQ(avisador.avisos, (std::vector<Aviso>{AvisoLineaRara(2, "R.txt")}));
}

TEST_F(Reglas, ElFicheroSeLeeEnCadaUsoOSeAvisa) {
    pruebas::CarpetaTemporal carpeta;
    for (const char* regla : {"que\tq\r\n", "que\tk\r\n"}) {
        std::string texto = "que";
        AplicarReemplazos(texto, carpeta.Escribir("R.txt", regla), avisador);
        EXPECT_EQ(texto, std::string(1, regla[4]));
    }
    for (const std::string& ruta : {carpeta.Fichero("NoEsta.txt"), carpeta.Ruta()}) {
        std::string texto = "que";
        AplicarReemplazos(texto, ruta, avisador);
        EXPECT_EQ(texto, "que");
        EXPECT_EQ(avisador.avisos.back(), AvisoErrorAbrirReemplazos(ruta));
    }
}

}  // namespace
}  // namespace rebanex::Troceado
