#include "transforms/ReemplazosPorDefecto.h"

#include <gtest/gtest.h>

#include <string>

#include "transforms/CarpetaTemporal.h"
#include "transforms/Reemplazos.h"

namespace rebanex::Troceado {
namespace {

const std::string kGuiones = ";" + std::string(91, '-');

TEST(ContenidoReemplazosPorDefecto, VeintisieteLineas) {
    const auto& l = ContenidoReemplazosPorDefecto();
    ASSERT_EQ(l.size(), 27u);
    for (int i : {1, 3, 7, 11, 19, 21}) {
        EXPECT_EQ(l[i - 1], kGuiones) << "line " << i;
    }
    for (int i = 1; i <= 21; ++i) {
        ASSERT_FALSE(l[i - 1].empty());
        EXPECT_EQ(l[i - 1][0], ';') << "line " << i;
    }
    EXPECT_EQ(l[1],
              ";Fichero de configuración de Reemplazamiento de palabras del Rebanex (by Quelvo)");
    EXPECT_EQ(l[3],
              ";Para añadir más palabras introduce primero la palabra a cambiar, UN TABULADOR, y "
              "la palabra");
    EXPECT_EQ(l[5], ";Las líneas que empiezan por ; son comentarios");
    EXPECT_EQ(
        l[11],
        ";Para utilizar reemplazo de prefijos, sufijos, poner de primer carácter de la línea:");
    EXPECT_EQ(l[13], ";  #  -> Prefijo          Ej. #de d   = dedo -> ddo");
    EXPECT_EQ(l[14], ";  %  -> Sufijo           Ej. %ca k   = saca -> sak");
    EXPECT_EQ(l[15], ";  *  -> Cualquier sitio  Ej. *dos 2  = dos -> 2, dedos -> de2, ");
    EXPECT_EQ(l[16], ";" + std::string(39, ' ') + "dosmil -> 2mil, adosados -> a2a2");
    EXPECT_EQ(l[17], ";  Si no indicamos ninguno de los simbolos se buscará como palabra completa");
    EXPECT_NE(l[19].find('<'), std::string::npos);
    EXPECT_LT(l[19].find('<'), l[19].find('>'));
    const char* reglas[] = {"*dos\t2", "porque\txp", "que\tq", "por\tx", "mas\t+", "menos\t-"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(l[21 + i], reglas[i]);
    }
}

TEST(EscribirReemplazosPorDefecto, LineasConCrLf) {
    pruebas::CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Fichero("Rebanex.txt");
    pruebas::EscribirBytes(ruta, std::string(20000, 'x'));  // an older, longer file is replaced
    ASSERT_TRUE(EscribirReemplazosPorDefecto(ruta));
    std::string esperado;
    for (const std::string& linea : ContenidoReemplazosPorDefecto()) {
        esperado += linea + "\r\n";
    }
    EXPECT_EQ(pruebas::LeerBytes(ruta), esperado);
}

TEST(EscribirReemplazosPorDefecto, SinCarpetaFalla) {
    pruebas::CarpetaTemporal carpeta;
    EXPECT_FALSE(EscribirReemplazosPorDefecto(carpeta.Fichero("no-existe") + "/Rebanex.txt"));
}

TEST(EscribirReemplazosPorDefecto, ElMotorLoLeeSinLineasRaras) {
    class SinAvisos : public Avisador {
      public:
        Respuesta Avisar(const Aviso& aviso) override {
            ADD_FAILURE() << aviso.texto;
            return Respuesta::No;
        }
    } avisador;
    pruebas::CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Fichero("Rebanex.txt");
    ASSERT_TRUE(EscribirReemplazosPorDefecto(ruta));
    std::string texto = "Ej. dedo saca";  // words of the comments are not rules
    AplicarReemplazos(texto, ruta, avisador);
    EXPECT_EQ(texto, "Ej. dedo saca");
}

TEST(AvisosFicheroReemplazos, TextosExactos) {
    const Aviso falta = AvisoReemplazosNoEncontrado("C:\\M\\Rebanex.txt");
    EXPECT_EQ(falta.texto,
              "No he encontrado el fichero de Reemplazos 'C:\\M\\Rebanex.txt', voy a "
              "Crearlo!!!");
    EXPECT_EQ(falta.titulo, "Upss no ta!!!");
    EXPECT_EQ(falta.icono, Icono::Exclamacion);
    EXPECT_EQ(falta.botones, Botones::Aceptar);

    const Aviso escribir = AvisoErrorEscribirReemplazos("C:\\M\\Rebanex.txt");
    EXPECT_EQ(escribir.texto, "Error al intentar escribir en C:\\M\\Rebanex.txt");
    EXPECT_EQ(escribir.titulo, "Ein!!! No puidorrrllll!!!");
    EXPECT_EQ(escribir.icono, Icono::Exclamacion);
    EXPECT_EQ(escribir.botones, Botones::Aceptar);
}

}  // namespace
}  // namespace rebanex::Troceado
