#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "split/Partir.h"
#include "transforms/Reemplazos.h"

namespace rebanex {
namespace {

using Trozos = std::vector<std::string>;

class AvisadorAnotado : public Avisador {
  public:
    Respuesta Avisar(const Aviso& aviso) override {
        avisos.push_back(aviso);
        return Respuesta::Si;
    }
    std::vector<Aviso> avisos;
};

// A rules file in the system's temporary folder, removed afterwards.
class FicheroReglas {
  public:
    explicit FicheroReglas(const std::string& contenido) {
        std::random_device azar;
        ruta_ =
            std::filesystem::temp_directory_path() /
            ("rebanex-partir-" + std::to_string(azar()) + "-" + std::to_string(azar()) + ".txt");
        std::ofstream(ruta_, std::ios::binary) << contenido;
    }
    ~FicheroReglas() {
        std::error_code ignorado;
        std::filesystem::remove(ruta_, ignorado);
    }
    FicheroReglas(const FicheroReglas&) = delete;
    FicheroReglas& operator=(const FicheroReglas&) = delete;
    std::string Ruta() const { return ruta_.string(); }

  private:
    std::filesystem::path ruta_;
};

class PartirTest : public ::testing::Test {
  protected:
    PartirTest() {
        // Every transform off: each test switches on what it is about.
        Configuracion& o = entrada.opciones;
        o.NoAcentos = false;
        o.NoMultiEspacios = false;
        o.IndicadorTrozos = false;
        o.ObtenerTamanyoMsg = false;
        pasos.mostrarEstado = [this](const std::string& t) { sucesos.push_back(t); };
        pasos.obtenerTamanyo = [this] { sucesos.push_back("<obtenerTamanyo>"); };
    }

    Trozos PartirBien() {
        const auto fallo = Partir(entrada, avisador, pasos, lista);
        EXPECT_FALSE(fallo.has_value()) << fallo->aviso.texto;
        EXPECT_EQ(lista.TrozoActual, 0);
        EXPECT_EQ(lista.Trozos.size(), static_cast<std::size_t>(lista.NumTrozos) + 1);
        if (lista.Trozos.empty()) {
            return {};
        }
        EXPECT_EQ(lista.Trozos[0], "");
        return Trozos(lista.Trozos.begin() + 1, lista.Trozos.end());
    }

    void FirmarEnCadaTrozo(int posicion) {
        Configuracion& o = entrada.opciones;
        o.FirmarAutomaticamente = true;
        o.FirmarEnTrozos = true;
        o.FirmarEnTrozosHabilitado = true;
        o.FirmarEnPosicion = posicion;
    }

    EntradaPartir entrada;
    PasosPartir pasos;
    AvisadorAnotado avisador;
    ListaTrozos lista;
    std::vector<std::string> sucesos;
};

TEST_F(PartirTest, CortaSinTocarElMensaje) {
    entrada.mensaje = "hola mundo";
    entrada.opciones.MsgMax = "6";
    EXPECT_EQ(PartirBien(), (Trozos{"hola ", "mundo"}));
    EXPECT_EQ(lista.NumTrozos, 2);
    EXPECT_EQ(entrada.mensaje, "hola mundo");
}

TEST_F(PartirTest, SoloEspaciosDanUnTrozoVacio) {
    entrada.mensaje = "     ";
    EXPECT_EQ(PartirBien(), (Trozos{""}));
}

TEST_F(PartirTest, SaltosDeLineaYTabuladoresCuentanComoUnEspacio) {
    entrada.mensaje = "hola\r\nmundo\tcruel";
    entrada.opciones.MsgMax = "6";
    EXPECT_EQ(PartirBien(), (Trozos{"hola ", "mundo ", "cruel"}));
}

TEST_F(PartirTest, MensajeDe160ConIndicadoresSonDosTrozos) {
    entrada.mensaje = std::string(80, 'a') + " " + std::string(79, 'b');
    entrada.opciones.IndicadorTrozos = true;
    EXPECT_EQ(PartirBien(),
              (Trozos{"1/2 " + std::string(80, 'a') + " ", "2/2 " + std::string(79, 'b')}));
}

TEST_F(PartirTest, InversoMuestraPrimeroElFinal) {
    entrada.mensaje = "aaaaaaa bbbbbbb ccccccc";
    entrada.opciones.MsgMax = "12";
    entrada.opciones.IndicadorTrozos = true;
    entrada.opciones.Inverso = true;
    EXPECT_EQ(PartirBien(), (Trozos{"3/3 ccccccc", "2/3 bbbbbbb ", "1/3 aaaaaaa "}));
}

TEST_F(PartirTest, FirmaDelanteYDetrasDeCadaTrozo) {
    entrada.mensaje = "hola mundo cruel";
    entrada.opciones.MsgMax = "10";
    entrada.firma = "Ana";
    FirmarEnCadaTrozo(1);
    EXPECT_EQ(PartirBien(), (Trozos{"Ana hola ", "Ana mundo ", "Ana cruel"}));
    FirmarEnCadaTrozo(2);
    EXPECT_EQ(PartirBien(), (Trozos{"hola  Ana", "mundo  Ana", "cruel Ana"}));
}

TEST_F(PartirTest, FirmaEnElCursorCuentaEnElMensajeSinTransformar) {
    // The caret sits right after "dos"; the line break and a space go away before it.
    entrada.mensaje = "uno\r\ndos  tres";
    entrada.cursor = 8;
    entrada.firma = "FIRMA";
    entrada.opciones.NoMultiEspacios = true;
    entrada.opciones.FirmarAutomaticamente = true;
    entrada.opciones.FirmarEnPosicion = 3;
    EXPECT_EQ(PartirBien(), (Trozos{"uno dos FIRMAtres"}));
}

TEST_F(PartirTest, FirmarEnTrozosDeshabilitadoFirmaElTextoEntero) {
    entrada.mensaje = "hola mundo";
    entrada.opciones.MsgMax = "6";
    entrada.firma = "Ana";
    FirmarEnCadaTrozo(2);
    entrada.opciones.FirmarEnTrozosHabilitado = false;
    EXPECT_EQ(PartirBien(), (Trozos{"hola ", "mundo ", "Ana"}));
}

TEST_F(PartirTest, SinFirmaAutomaticaNoSeFirmaElTexto) {
    entrada.mensaje = "hola";
    entrada.firma = "Ana";
    entrada.opciones.FirmarEnPosicion = 2;
    EXPECT_EQ(PartirBien(), (Trozos{"hola"}));
}

TEST_F(PartirTest, ObtenerTamanyoVaTrasLasComprobacionesYNoCambiaElCorte) {
    entrada.mensaje = "hola mundo";
    entrada.opciones.MsgMax = "6";
    entrada.opciones.ObtenerTamanyoMsg = true;
    entrada.opciones.NoAcentos = true;
    // Mensatel writes a new size into Lon: it counts from the next split on.
    pasos.obtenerTamanyo = [this] {
        sucesos.push_back("<obtenerTamanyo>");
        entrada.opciones.MsgMax = "160";
    };
    EXPECT_EQ(PartirBien(), (Trozos{"hola ", "mundo"}));
    EXPECT_EQ(sucesos, (std::vector<std::string>{"<obtenerTamanyo>", "Eliminando Acentos...",
                                                 "Troceando...", ""}));
}

TEST_F(PartirTest, ObtenerTamanyoNoSeLlamaSiUnaComprobacionFalla) {
    entrada.mensaje = "hola";
    entrada.opciones.MsgMax = "0";
    entrada.opciones.ObtenerTamanyoMsg = true;
    EXPECT_TRUE(Partir(entrada, avisador, pasos, lista).has_value());
    EXPECT_TRUE(sucesos.empty());
}

TEST_F(PartirTest, ObtenerTamanyoApagadoNoSeLlama) {
    entrada.mensaje = "hola";
    PartirBien();
    EXPECT_EQ(sucesos, (std::vector<std::string>{"Troceando...", ""}));
}

TEST_F(PartirTest, TextosDeEstadoEnOrden) {
    const FicheroReglas reglas("que\tq\r\n");
    Configuracion& o = entrada.opciones;
    o.NoAcentos = o.NoMultiEspacios = o.AutoReemplazar = o.ObtenerTamanyoMsg = true;
    o.Letras = 3;
    entrada.rutaReemplazos = reglas.Ruta();
    entrada.mensaje = "hola";
    PartirBien();
    EXPECT_EQ(sucesos, (std::vector<std::string>{
                           "<obtenerTamanyo>", "Eliminando Acentos...",
                           "Cambiando Formato de Letras...", "Substituyendo Palabras...",
                           "Eliminando Multi-Espacios...", "Troceando...", ""}));
}

TEST_F(PartirTest, TransformacionesEnSuOrden) {
    // Accents go before the rules (canción), line breaks before the rules (a word after
    // CR LF), the rules before the squeezing (an empty replacement leaves two spaces).
    const FicheroReglas reglas("cancion\tcanc\r\nque\t\r\n");
    Configuracion& o = entrada.opciones;
    o.NoAcentos = o.NoMultiEspacios = o.AutoReemplazar = true;
    o.Letras = 2;
    entrada.rutaReemplazos = reglas.Ruta();
    entrada.mensaje = "Canción\r\nque BONITA";
    EXPECT_EQ(PartirBien(), (Trozos{"canc bonita"}));
    EXPECT_TRUE(avisador.avisos.empty());
}

TEST_F(PartirTest, SinFicheroDeReglasAvisaYCortaIgual) {
    const std::string ruta =
        (std::filesystem::temp_directory_path() / "rebanex-no-existe-9f3a.txt").string();
    entrada.opciones.AutoReemplazar = true;
    entrada.rutaReemplazos = ruta;
    entrada.mensaje = "que tal";
    EXPECT_EQ(PartirBien(), (Trozos{"que tal"}));
    ASSERT_EQ(avisador.avisos.size(), 1u);
    EXPECT_EQ(avisador.avisos[0], Troceado::AvisoErrorAbrirReemplazos(ruta));
}

TEST_F(PartirTest, PrepararTextoDevuelveLaCopiaTransformada) {
    entrada.mensaje = "Árbol\tverde";
    entrada.opciones.NoAcentos = true;
    entrada.opciones.Letras = 3;
    EXPECT_EQ(PrepararTexto(entrada, avisador, pasos), "ARBOL VERDE");
    EXPECT_EQ(entrada.mensaje, "Árbol\tverde");
}

TEST_F(PartirTest, SinSitioParaElTextoSeRechazaSinTocarLaLista) {
    lista.Trozos = {"", "anterior"};
    lista.NumTrozos = 1;
    lista.TrozoActual = 1;
    entrada.mensaje = "un mensaje de prueba";
    entrada.opciones.MsgMax = "12";
    entrada.opciones.IndicadorTrozos = true;
    entrada.firma = "Firma6";
    FirmarEnCadaTrozo(1);

    const auto fallo = Partir(entrada, avisador, pasos, lista);
    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->aviso,
              (Aviso{"Con el indicador de nº de Trozo y la firma en cada trozo no me queda "
                     "sitio para el texto\r\rAnda estírate un poco con el tamaño máximo :P",
                     "Epp, cuidadín!!!", Icono::Exclamacion, Botones::Aceptar}));
    EXPECT_EQ(fallo->foco, ControlFoco::Lon);
    EXPECT_EQ(lista.Trozos, (Trozos{"", "anterior"}));
    EXPECT_EQ(lista.NumTrozos, 1);
    EXPECT_EQ(lista.TrozoActual, 1);
    EXPECT_EQ(sucesos, (std::vector<std::string>{"Troceando...", ""}));
}

TEST_F(PartirTest, ComprobacionFallidaNoTocaNada) {
    lista.Trozos = {"", "anterior"};
    lista.NumTrozos = 1;
    entrada.mensaje = "";
    const auto fallo = Partir(entrada, avisador, pasos, lista);
    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->aviso.titulo, "Eres mudo ?");
    EXPECT_EQ(lista.Trozos, (Trozos{"", "anterior"}));
    EXPECT_TRUE(sucesos.empty());
}

TEST_F(PartirTest, DemasiadosTrozosSeRechazan) {
    entrada.mensaje = std::string(70000, 'x');  // one character and a hyphen per piece
    entrada.opciones.MsgMax = "2";
    const auto fallo = Partir(entrada, avisador, pasos, lista);
    ASSERT_TRUE(fallo.has_value());
    EXPECT_EQ(fallo->aviso.titulo, "Epp, cuidadín!!!");
    EXPECT_EQ(fallo->aviso.icono, Icono::Exclamacion);
    EXPECT_NE(fallo->aviso.texto.find("32767"), std::string::npos);
    EXPECT_EQ(fallo->foco, ControlFoco::Msg);
    EXPECT_TRUE(lista.Trozos.empty());
}

TEST_F(PartirTest, CuatroMegasA160SonUnosVeintisieteMilTrozos) {
    std::string mensaje;
    mensaje.reserve(4u << 20);
    const std::string palabras = "Tenéis razón ";
    while (mensaje.size() + palabras.size() <= (4u << 20)) {
        mensaje += palabras;
    }
    entrada.mensaje = mensaje;
    entrada.opciones = Configuracion{};  // the defaults: indicators, accents, spaces
    entrada.opciones.ObtenerTamanyoMsg = false;
    const Trozos trozos = PartirBien();
    EXPECT_GT(trozos.size(), 27000u);
    EXPECT_LT(trozos.size(), 29000u);
    EXPECT_EQ(lista.DigitosTotal, 5);
    EXPECT_EQ(trozos.front().substr(0, 8), "1/" + std::to_string(trozos.size()) + " ");
    for (const auto& trozo : trozos) {
        ASSERT_LE(trozo.size(), 160u);
    }
}

}  // namespace
}  // namespace rebanex
