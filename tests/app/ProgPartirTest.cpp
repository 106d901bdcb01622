// The split button: what it shows on success, the six refusals, the status line, Mensatel's
// size.
#include <string>
#include <vector>

#include "ProgPrueba.h"

namespace rebanex::prueba {
namespace {

using ProgPartir = ProgPrueba;

// The status texts shown, in order, each checked to be painted at once. A repeated text is
// listed once: clearing an already clear line shows nothing new.
std::vector<std::string> EstadosMostrados(const FakeVista& vista) {
    std::vector<std::string> estados;
    const auto& r = vista.registro;
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (!r[i].starts_with("Texto Estado=")) {
            continue;
        }
        EXPECT_TRUE(i + 1 < r.size() && r[i + 1] == "Repintar Estado") << r[i];
        std::string texto = r[i].substr(std::string("Texto Estado=").size());
        if (estados.empty() || estados.back() != texto) {
            estados.push_back(std::move(texto));
        }
    }
    return estados;
}

TEST_F(ProgPartir, ConLasOpcionesPorDefectoMuestraElPrimerTrozo) {
    Arrancar();
    Trocear("hola mundo que tal estas", "20");

    EXPECT_EQ(Texto(Control::Trozo), "1/2 hola mundo que ");
    EXPECT_EQ(Texto(Control::LonTrozo), "19");
    EXPECT_EQ(Texto(Control::Contador), "1/2");
    EXPECT_FALSE(Habilitado(Control::topeIzq));
    EXPECT_FALSE(Habilitado(Control::izq));
    EXPECT_TRUE(Habilitado(Control::der));
    EXPECT_TRUE(Habilitado(Control::topeDer));
    EXPECT_TRUE(Habilitado(Control::Copiar));
    EXPECT_FALSE(vista[Control::frmMsg].visible);
    EXPECT_FALSE(vista[Control::frmMsg].habilitado);
    EXPECT_TRUE(vista[Control::frmTrozo].visible);
    EXPECT_TRUE(vista[Control::frmTrozo].habilitado);
    EXPECT_EQ(Texto(Control::Msg), "hola mundo que tal estas");  // only the copy is cut
    EXPECT_EQ(Texto(Control::Estado), "");
    ASSERT_EQ(prog.Lista().NumTrozos, 2);
    EXPECT_EQ(prog.Lista().TrozoActual, 1);
    EXPECT_EQ(prog.Lista().Trozos[2], "2/2 tal estas");
    EXPECT_EQ(anfitrion.lecturas, 1);  // ObtenerTamañoMsg is on by default
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgPartir, ElEstadoCuentaCadaPasoYSeRepintaAlMomento) {
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1", EscribirReglas("que\tq\r\n"));
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_txtChar2);
    prog.Menu_Click(Menu::mnu_opciones_auto);
    OlvidarRegistro();

    Trocear("Hola que   TAL", "160");

    EXPECT_EQ(EstadosMostrados(vista),
              (std::vector<std::string>{"Eliminando Acentos...", "Cambiando Formato de Letras...",
                                        "Substituyendo Palabras...", "Eliminando Multi-Espacios...",
                                        "Troceando...", ""}));
    EXPECT_EQ(Texto(Control::Trozo), "hola q tal");
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgPartir, SinOpcionesSoloMuestraTroceando) {
    Arrancar();
    SinTransformaciones();
    OlvidarRegistro();
    Trocear("hola", "160");
    EXPECT_EQ(EstadosMostrados(vista), (std::vector<std::string>{"Troceando...", ""}));
    EXPECT_EQ(anfitrion.lecturas, 0);
}

TEST_F(ProgPartir, ElTamanyoDeMensatelValeParaLaSiguiente) {
    Arrancar();
    anfitrion.tamanyo = "145";
    Trocear("hola mundo que tal estas", "20");
    EXPECT_EQ(Texto(Control::Trozo), "1/2 hola mundo que ");
    EXPECT_EQ(Texto(Control::Lon), "145");
}

TEST_F(ProgPartir, UnMensajeDeEspaciosDaUnTrozoVacio) {
    Arrancar();
    Trocear("   ", "160");
    EXPECT_EQ(Texto(Control::Trozo), "");
    EXPECT_EQ(Texto(Control::LonTrozo), "0");
    EXPECT_EQ(Texto(Control::Contador), "1/1");
    EXPECT_FALSE(Habilitado(Control::Copiar));
    for (Control c : {Control::topeIzq, Control::izq, Control::der, Control::topeDer}) {
        EXPECT_FALSE(Habilitado(c)) << Nombre(c);
    }
}

TEST_F(ProgPartir, LaFirmaAutomaticaVaEnElCursorDelMensaje) {
    ArrancarConFirma("Ana");
    SinTransformaciones();
    prog.Menu_Click(Menu::mnu_opciones_firma_auto);
    prog.Menu_Click(Menu::mnu_opciones_firma_posicion3);
    vista.Escribir(Control::Msg, "hola");
    vista.PonerCursor(Control::Msg, 2);
    prog.Partir_Click();
    EXPECT_EQ(Texto(Control::Trozo), "hoAnala");
    EXPECT_EQ(Texto(Control::Msg), "hola");
}

TEST_F(ProgPartir, LaFirmaEnTrozosVaEnCadaUno) {
    ArrancarConFirma("Ana");
    SinTransformaciones();
    prog.Menu_Click(Menu::mnu_opciones_firma_auto);  // enables the next item
    prog.Menu_Click(Menu::mnu_opciones_firma_trozos);
    Trocear("uno dos tres", "10");
    ASSERT_EQ(prog.Lista().NumTrozos, 3);
    EXPECT_EQ(prog.Lista().Trozos[1], "Ana uno ");
    EXPECT_EQ(prog.Lista().Trozos[2], "Ana dos ");
    EXPECT_EQ(prog.Lista().Trozos[3], "Ana tres");
}

TEST_F(ProgPartir, LosLimitesJustosSeAceptan) {
    ArrancarConFirma("1234567");
    Trocear("hola", "12");  // indicators on: 12 is the least
    EXPECT_TRUE(vista.avisos.empty());
    prog.Editar_Click();
    prog.Menu_Click(Menu::mnu_opciones_firma_auto);
    prog.Menu_Click(Menu::mnu_opciones_firma_trozos);
    Trocear("hola", "15");  // 7 is 15 / 2 without the remainder
    EXPECT_TRUE(vista.avisos.empty());
    EXPECT_EQ(Texto(Control::Trozo), "1234567 hola");
}

TEST_F(ProgPartir, EtLongMaxTomaElTamanyoDeMensatel) {
    Arrancar();
    prog.etLongMax_Click();  // Mensatel not there: Lon stays
    EXPECT_EQ(Texto(Control::Lon), "160");
    anfitrion.tamanyo = "145";
    prog.etLongMax_Click();
    EXPECT_EQ(Texto(Control::Lon), "145");
    EXPECT_EQ(anfitrion.lecturas, 2);
}

// One refused split: the box, where the focus goes, and that nothing else changed.
struct Rechazo {
    std::string mensaje;
    std::string lon;
    bool indicador;
    bool firmaEnTrozos;
    std::string firma;
    std::string texto;
    std::string titulo;
    Control foco;
    bool seleccionarLon;
};

void PrintTo(const Rechazo& r, std::ostream* os) {
    *os << "Msg \"" << r.mensaje << "\", Lon \"" << r.lon << "\"";
}

class ProgPartirRechazo : public ProgPrueba, public ::testing::WithParamInterface<Rechazo> {};

TEST_P(ProgPartirRechazo, AvisaEnfocaYNoCambiaNadaMas) {
    const Rechazo& r = GetParam();
    ArrancarConFirma(r.firma);
    Trocear("anterior", "160");
    prog.Editar_Click();
    const ListaTrozos antes = prog.Lista();
    Marcar(Menu::mnu_opciones_indicador, r.indicador);
    Marcar(Menu::mnu_opciones_firma_trozos, r.firmaEnTrozos);
    vista.Escribir(Control::Msg, r.mensaje);
    vista.Escribir(Control::Lon, r.lon);
    vista.foco = Control::Partir;
    OlvidarRegistro();
    const int lecturas = anfitrion.lecturas;

    prog.Partir_Click();

    Aviso esperado;
    esperado.texto = r.texto;
    esperado.titulo = r.titulo;
    esperado.icono = Icono::Exclamacion;
    esperado.botones = Botones::Aceptar;
    ASSERT_EQ(vista.avisos.size(), 1u);
    EXPECT_EQ(vista.avisos[0], esperado);
    std::vector<std::string> registro = {"Aviso " + r.titulo,
                                         "Foco " + std::string(Nombre(r.foco))};
    if (r.seleccionarLon) {
        registro.push_back("Seleccion Lon 0," + std::to_string(r.lon.size()));
    }
    EXPECT_EQ(vista.registro, registro);  // no status, no view switch, no text change
    EXPECT_EQ(vista.foco, r.foco);
    EXPECT_EQ(Texto(Control::Msg), r.mensaje);
    EXPECT_EQ(Texto(Control::Lon), r.lon);
    EXPECT_EQ(anfitrion.lecturas, lecturas);  // Mensatel is not asked before the checks pass
    EXPECT_EQ(prog.Lista().Trozos, antes.Trozos);
    EXPECT_EQ(prog.Lista().NumTrozos, antes.NumTrozos);
    EXPECT_EQ(Texto(Control::Trozo), "anterior");
}

const char kSoloNumeros[] = "Ein?? Que tal si ponemos solo números en el campo tamaño máximo";
const char kTituloSoloNumeros[] = "Sólo Números";
const char kSinSitio[] =
    "Joeeee, no me dejas sitio ni pa meter el guioncito de separador de palabras xDD\r\r"
    "Anda estírate un poco con el tamaño máximo :P";
const char kIndicadores[] =
    "Si quieres añadir indicadores de nº de Trozo, la longitud máxima debe de ser mayor "
    "de 12\r\rSi no ande meto los indicadores xDDD";

INSTANTIATE_TEST_SUITE_P(
    Prog, ProgPartirRechazo,
    ::testing::Values(
        Rechazo{"", "160", true, false, "", "Escribe algo no seas timidin", "Eres mudo ?",
                Control::Msg, false},
        Rechazo{"hola", "0160", true, false, "", kSoloNumeros, kTituloSoloNumeros, Control::Lon,
                true},
        Rechazo{"hola", "", true, false, "", kSoloNumeros, kTituloSoloNumeros, Control::Lon, true},
        Rechazo{"hola", " 160", true, false, "", kSoloNumeros, kTituloSoloNumeros, Control::Lon,
                true},
        Rechazo{"hola", "160.0", true, false, "", kSoloNumeros, kTituloSoloNumeros, Control::Lon,
                true},
        Rechazo{"hola", "-0", false, false, "", kSoloNumeros, kTituloSoloNumeros, Control::Lon,
                true},
        Rechazo{"hola", "16a", true, false, "", kSoloNumeros, kTituloSoloNumeros, Control::Lon,
                true},
        Rechazo{"hola", "40000", true, false, "", kSoloNumeros, kTituloSoloNumeros, Control::Lon,
                true},
        Rechazo{"hola", "0", false, false, "", "Por que no te multiplicas tu por 0  ;)",
                "Mensaje tamaño 0 !!!!!!!", Control::Lon, false},
        Rechazo{"hola", "1", false, false, "", kSinSitio, "Epp.... Cuidadín!!", Control::Lon,
                false},
        Rechazo{"hola", "-5", false, false, "", kSinSitio, "Epp.... Cuidadín!!", Control::Lon,
                false},
        Rechazo{"hola", "11", true, false, "", kIndicadores, "Epp, cuidadín!!!", Control::Lon,
                false},
        Rechazo{"hola", "15", true, true, "12345678", "La firma no puede ser tan grande!",
                "Epp, cuidadín!!!", Control::Msg, false}));

}  // namespace
}  // namespace rebanex::prueba
