#include "transforms/Reemplazos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "transforms/Caracteres.h"
#include "transforms/CarpetaTemporal.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::Troceado {
namespace {

using ::testing::InSequence;
using ::testing::Return;

class AvisadorSimulado : public Avisador {
  public:
    MOCK_METHOD(Respuesta, Avisar, (const Aviso&), (override));
};

class AplicarReemplazosTest : public ::testing::Test {
  protected:
    void Escribir(const std::string& bytes) { pruebas::EscribirBytes(ruta_, bytes); }

    std::string Aplicar(std::string texto) {
        AplicarReemplazos(texto, ruta_, avisador_);
        return texto;
    }

    pruebas::CarpetaTemporal carpeta_;
    const std::string ruta_ = carpeta_.Fichero("Reglas.txt");
    ::testing::StrictMock<AvisadorSimulado> avisador_;
};

TEST_F(AplicarReemplazosTest, ReglasDelFicheroPorDefecto) {
    ASSERT_TRUE(EscribirReemplazosPorDefecto(ruta_));
    EXPECT_EQ(Aplicar("Porque que QUE"), "XP q Q");
    EXPECT_EQ(Aplicar("dedos adosados dosmil DOS"), "de2 a2a2 2mil DOS");
    EXPECT_EQ(Aplicar("queso porquería ¿que? que;"), "queso porquería ¿q? que;");
    EXPECT_EQ(Aplicar("mas+menos mas-menos"), "mas+menos +--");
    EXPECT_EQ(Aplicar("por favor"), "x favor");
}

TEST_F(AplicarReemplazosTest, LosSaltosDeLineaNoSeparanPalabras) {
    Escribir("que\tq");
    const std::string mensaje = "hola\r\nque tal";
    EXPECT_EQ(Aplicar(mensaje), mensaje);
    std::string trabajo = mensaje;
    QuitarSaltos(trabajo);
    EXPECT_EQ(Aplicar(trabajo), "hola q tal");
}

TEST_F(AplicarReemplazosTest, ClasesDeLinea) {
    Escribir(
        ";que\tcomentario\r\n"
        "#de\td\r\n"
        "%ca\tk\r\n"
        "*dos\t2\r\n"
        "a\tb\tc\r\n"
        "que\t\r\n");
    EXPECT_EQ(Aplicar("dedo saca dosmil a que z"), "ddo sak 2mil b\tc  z");
}

TEST_F(AplicarReemplazosTest, ReglasEnOrdenSobreLoYaReemplazado) {
    Escribir("a\tb\r\nb\tc\r\n");
    EXPECT_EQ(Aplicar("a b"), "c c");
}

TEST_F(AplicarReemplazosTest, FinesDeLinea) {
    // CR LF and a lone CR end a line; a lone LF belongs to the line.
    Escribir("que\tq\rpor\tx\r\nmas\t+");
    EXPECT_EQ(Aplicar("que por mas"), "q x +");
    Escribir("que\tq\nmas\t+\r\n");
    EXPECT_EQ(Aplicar("que mas"), "q\nmas\t+ mas");
}

TEST_F(AplicarReemplazosTest, BusquedasVaciasTerminanSinCambios) {
    Escribir("#\tx\r\n*\tx\r\n%\tx\r\n");
    EXPECT_EQ(Aplicar("abc de"), "abc de");
}

TEST_F(AplicarReemplazosTest, SeLeeDeNuevoEnCadaUso) {
    Escribir("que\tq\r\n");
    EXPECT_EQ(Aplicar("que"), "q");
    Escribir("que\tk\r\n");
    EXPECT_EQ(Aplicar("que"), "k");
}

TEST_F(AplicarReemplazosTest, LineasRarasPreguntanConSuNumero) {
    Escribir(";comentario\r\n\r\nsin tabulador\r\n\tx\r\nque\tq\r\n");
    {
        InSequence orden;
        for (long long linea : {2, 3, 4}) {
            EXPECT_CALL(avisador_, Avisar(AvisoLineaRara(linea, ruta_)))
                .WillOnce(Return(Respuesta::Si));
        }
    }
    EXPECT_EQ(Aplicar("que"), "q");
}

TEST_F(AplicarReemplazosTest, NoDetieneYConservaLoHecho) {
    Escribir("que\tq\r\nmal\r\npor\tx\r\nfatal\r\n");
    EXPECT_CALL(avisador_, Avisar(AvisoLineaRara(2, ruta_))).WillOnce(Return(Respuesta::No));
    EXPECT_EQ(Aplicar("que por"), "q por");
}

TEST_F(AplicarReemplazosTest, FicheroQueNoSePuedeAbrir) {
    const std::string falta = carpeta_.Fichero("NoEsta.txt");
    EXPECT_CALL(avisador_, Avisar(AvisoErrorAbrirReemplazos(falta)))
        .WillOnce(Return(Respuesta::Aceptar));
    std::string texto = "que";
    AplicarReemplazos(texto, falta, avisador_);
    EXPECT_EQ(texto, "que");

    EXPECT_CALL(avisador_, Avisar(AvisoErrorAbrirReemplazos(carpeta_.Ruta())))
        .WillOnce(Return(Respuesta::Aceptar));
    AplicarReemplazos(texto, carpeta_.Ruta(), avisador_);  // a folder
    EXPECT_EQ(texto, "que");
}

TEST_F(AplicarReemplazosTest, FicheroVacioNoHaceNada) {
    Escribir("");
    EXPECT_EQ(Aplicar("que"), "que");
}

TEST(AvisosReemplazos, TextosExactos) {
    const Aviso abrir = AvisoErrorAbrirReemplazos("C:\\Mensatel\\Rebanex.txt");
    EXPECT_EQ(abrir.texto,
              "Error al intentar abrir el fichero 'C:\\Mensatel\\Rebanex.txt'\r\r\r"
              "Si no tienes ningún fichero de Reemplazos utiliza el menú\r"
              "'Opciones/Abrir Fichero de Reemplazos' para generar uno.");
    EXPECT_EQ(abrir.titulo, "Cachis la mar...!!!");
    EXPECT_EQ(abrir.icono, Icono::Exclamacion);
    EXPECT_EQ(abrir.botones, Botones::Aceptar);

    const Aviso rara = AvisoLineaRara(12, "C:\\R.txt");
    EXPECT_EQ(rara.texto, "Error en la línea nº 12 en el fichero C:\\R.txt\r\r¿Sigo Reemplazando?");
    EXPECT_EQ(rara.titulo, "Upss!!! Línea RaRa!!");
    EXPECT_EQ(rara.icono, Icono::Exclamacion);
    EXPECT_EQ(rara.botones, Botones::SiNo);
    // Windows-1252 bytes, not UTF-8.
    EXPECT_EQ(rara.titulo.size(), 20u);
}

}  // namespace
}  // namespace rebanex::Troceado
