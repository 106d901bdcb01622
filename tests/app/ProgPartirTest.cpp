// The split button: what it shows on success and in which order, the refusals, the status
// line, Mensatel's size, the options it takes from the window.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "split/Partir.h"

namespace rebanex::prueba {
namespace {

using ProgPartir = ProgPrueba;

TEST_F(ProgPartir, ConLasOpcionesPorDefectoMuestraElPrimerTrozo) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola mundo que tal estas");
    vista.Escribir(Control::Lon, "20");
    OlvidarRegistro();

    prog.Partir_Click();

    // From the cut on: piece 1 and its counter, the status cleared, then the views swap.
    EXPECT_EQ(vista.Diario("Texto Estado=Troceando..."),
              "Texto Estado=Troceando...; Repintar Estado; "
              "Texto Trozo=1/2 hola mundo que ; Habilitado Copiar=1; Texto LonTrozo=19; "
              "Texto Contador=1/2; Repintar Contador; "
              "Habilitado der=1; Habilitado topeDer=1; Habilitado izq=0; Habilitado topeIzq=0; "
              "Texto Contador=1/2; Texto Estado=; Repintar Estado; "
              "Visible frmMsg=0; Habilitado frmMsg=0; Visible frmTrozo=1; Habilitado frmTrozo=1");
    EXPECT_EQ(Texto(Control::Msg), "hola mundo que tal estas");  // only the copy is cut
    ASSERT_EQ(prog.Trozos().size(), 2u);
    EXPECT_EQ(prog.Trozos()[1], "2/2 tal estas");
    EXPECT_EQ(anfitrion.lecturas, 1);  // ObtenerTamañoMsg is on by default
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgPartir, ElEstadoCuentaCadaPaso) {
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1", EscribirReglas("que\tq\r\n"));
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_txtChar2);
    prog.Menu_Click(Menu::mnu_opciones_auto);
    OlvidarRegistro();
    Trocear("Hola que   TAL", "160");
    EXPECT_EQ(
        vista.Registro("Texto Estado="),
        (std::vector<std::string>{
            "Texto Estado=Eliminando Acentos...", "Texto Estado=Cambiando Formato de Letras...",
            "Texto Estado=Substituyendo Palabras...", "Texto Estado=Eliminando Multi-Espacios...",
            "Texto Estado=Troceando...", "Texto Estado="}));
    EXPECT_EQ(vista.Registro("Repintar Estado").size(), 6u);
    EXPECT_EQ(Texto(Control::Trozo), "hola q tal");

    prog.Editar_Click();
    SinTransformaciones();
    prog.Menu_Click(Menu::mnu_opciones_txtChar1);
    prog.Menu_Click(Menu::mnu_opciones_auto);
    OlvidarRegistro();
    Trocear("hola", "160");
    EXPECT_EQ(vista.Registro("Texto Estado="),
              (std::vector<std::string>{"Texto Estado=Troceando...", "Texto Estado="}));
    EXPECT_EQ(anfitrion.lecturas, 1);  // only the first split asked Mensatel
}

TEST_F(ProgPartir, ElTamanyoDeMensatelValeParaLaSiguiente) {
    Arrancar();
    anfitrion.tamanyo = "145";
    Trocear("hola mundo que tal estas", "20");
    EXPECT_EQ(Texto(Control::Trozo), "1/2 hola mundo que ");
    EXPECT_EQ(Texto(Control::Lon), "145");

    anfitrion.tamanyo = std::nullopt;  // Mensatel not there: Lon stays
    prog.etLongMax_Click();
    EXPECT_EQ(Texto(Control::Lon), "145");
    EXPECT_EQ(anfitrion.lecturas, 2);
}

TEST_F(ProgPartir, LaFirmaSigueALasMarcasYAlCursorDelMensaje) {
    ArrancarConFirma("Ana");
    SinTransformaciones();
    prog.Menu_Click(Menu::mnu_opciones_firma_auto);  // enables the next item
    prog.Menu_Click(Menu::mnu_opciones_firma_trozos);
    Trocear("uno dos tres", "10");
    EXPECT_EQ(prog.Trozos(), (std::vector<std::string>{"Ana uno ", "Ana dos ", "Ana tres"}));

    // At the caret every piece cannot be signed: the text gets it where the caret was.
    prog.Editar_Click();
    prog.Menu_Click(Menu::mnu_opciones_firma_posicion3);
    vista.Escribir(Control::Msg, "hola");
    vista.PonerCursor(Control::Msg, 2);
    prog.Partir_Click();
    EXPECT_EQ(Texto(Control::Trozo), "hoAnala");
    EXPECT_EQ(Texto(Control::Msg), "hola");
}

// One refused split: the box, where the focus goes, and that nothing else changed.
struct Rechazo {
    std::string mensaje;
    std::string lon;
    bool indicador;
    std::string firmaEnTrozos;  // non-empty: ticked, with this signature
    Aviso aviso;
    Control foco;
    bool seleccionarLon;
};

void PrintTo(const Rechazo& r, std::ostream* os) {
    *os << "Msg \"" << r.mensaje << "\", Lon \"" << r.lon << "\"";
}

class ProgPartirRechazo : public ProgPrueba, public ::testing::WithParamInterface<Rechazo> {};

TEST_P(ProgPartirRechazo, AvisaEnfocaYNoCambiaNadaMas) {
    const Rechazo& r = GetParam();
    ArrancarConFirma(r.firmaEnTrozos);
    Trocear("anterior", "160");
    prog.Editar_Click();
    const std::vector<std::string> antes = prog.Trozos();
    Marcar(Menu::mnu_opciones_indicador, r.indicador);
    Marcar(Menu::mnu_opciones_firma_trozos, !r.firmaEnTrozos.empty());
    vista.Escribir(Control::Msg, r.mensaje);
    vista.Escribir(Control::Lon, r.lon);
    vista.foco = Control::Partir;
    vista[Control::Estado].texto = "antes";
    OlvidarRegistro();
    const int lecturas = anfitrion.lecturas;

    prog.Partir_Click();

    EXPECT_EQ(vista.avisos, std::vector<Aviso>{r.aviso});
    // No status, no view switch, no text change.
    EXPECT_EQ(vista.Diario(),
              "Aviso " + r.aviso.titulo + "; Foco " + std::string(NombreControl(r.foco)) +
                  (r.seleccionarLon ? "; Seleccion Lon 0," + std::to_string(r.lon.size()) : ""));
    EXPECT_EQ(anfitrion.lecturas, lecturas);  // Mensatel is not asked before the checks pass
    EXPECT_EQ(prog.Trozos(), antes);
}

// The exact wording is pinned by the split core's own tests; here it must reach the user.
const Aviso kVacio = AvisoMensajeVacio();
const Aviso kSoloNumeros = AvisoSoloNumeros();
const Aviso kCero = AvisoTamanyoCero();
const Aviso kGuion = AvisoSinSitioGuion();
const Aviso kIndicadores = AvisoMinimoIndicadores();
const Aviso kFirma = AvisoFirmaGrande();

INSTANTIATE_TEST_SUITE_P(
    Prog, ProgPartirRechazo,
    ::testing::Values(Rechazo{"", "160", true, "", kVacio, Control::Msg, false},
                      Rechazo{"hola", "16a", true, "", kSoloNumeros, Control::Lon, true},
                      Rechazo{"hola", "40000", true, "", kSoloNumeros, Control::Lon, true},
                      Rechazo{"hola", "0", false, "", kCero, Control::Lon, false},
                      Rechazo{"hola", "1", false, "", kGuion, Control::Lon, false},
                      Rechazo{"hola", "11", true, "", kIndicadores, Control::Lon, false},
                      Rechazo{"hola", "15", true, "12345678", kFirma, Control::Msg, false}));

// Refused after the checks, once the cutter finds no room for text: the message view stays,
// with the status cleared and the previous pieces kept.
TEST_F(ProgPartir, SinSitioParaElTextoNoCambiaDeVista) {
    ArrancarConFirma("Firma6");
    Trocear("anterior", "160");
    prog.Editar_Click();
    prog.Menu_Click(Menu::mnu_opciones_firma_auto);
    prog.Menu_Click(Menu::mnu_opciones_firma_trozos);
    OlvidarRegistro();

    Trocear("un mensaje de prueba", "12");

    ASSERT_EQ(vista.avisos.size(), 1u);
    EXPECT_EQ(vista.avisos[0].titulo, "Epp, cuidadín!!!");
    EXPECT_EQ(vista.foco, Control::Lon);
    EXPECT_EQ(Texto(Control::Estado), "");
    EXPECT_TRUE(vista[Control::frmMsg].visible);
    EXPECT_TRUE(vista.Registro("Visible ").empty());
    EXPECT_EQ(prog.Trozos(), (std::vector<std::string>{"anterior"}));
}

}  // namespace
}  // namespace rebanex::prueba
