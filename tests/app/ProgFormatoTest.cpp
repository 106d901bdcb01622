// The format menu and the signature button: each works on the whole message box at once.
#include <filesystem>
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "transforms/Reemplazos.h"

namespace rebanex::prueba {
namespace {

using ProgFormato = ProgPrueba;

struct Formato {
    Menu item;
    std::string estado, antes, despues;
};

// The commands look at no option and no selection: with every transform option off they
// still change the whole text.
TEST_F(ProgFormato, CadaOrdenCambiaTodoElMensajeConSuEstado) {
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1",
                           EscribirReglas("; reglas\r\nque\tq\r\nporque\txq\r\n"));
    Arrancar();
    SinTransformaciones();
    for (const Formato& f : {
             Formato{Menu::mnu_formato_acentos, "Eliminando Acentos...", "canción\r\nÁRBOL  él",
                     "cancion\r\nARBOL  el"},
             Formato{Menu::mnu_formato_letras1, "Cambiando Formato de Letras...", "ÁRBOL Ñu\r\nOK",
                     "árbol ñu\r\nok"},
             Formato{Menu::mnu_formato_letras2, "Cambiando Formato de Letras...", "árbol ñu",
                     "ÁRBOL ÑU"},
             Formato{Menu::mnu_formato_espacio, "Eliminando Multi-Espacios...", "a   b  c\r\n  d",
                     "a b c\r\n d"},
             // Line breaks are no word boundaries here: a "que" next to one stays.
             Formato{Menu::mnu_formato_auto, "Substituyendo Palabras...", "porque que tal\r\nque",
                     "xq q tal\r\nque"},
         }) {
        SCOPED_TRACE(f.estado);
        vista.Escribir(Control::Msg, f.antes);
        vista.PonerCursor(Control::Msg, 2);
        OlvidarRegistro();

        prog.Menu_Click(f.item);

        EXPECT_EQ(vista.Diario(), "Texto Estado=" + f.estado +
                                      "; Repintar Estado; Texto Estado=; Repintar Estado; "
                                      "Texto Msg=" +
                                      f.despues + "; Texto Stat=1 / " +
                                      std::to_string(f.despues.size()));
    }
    EXPECT_TRUE(vista.avisos.empty());
}

// The text goes back even when the rules could not all be applied.
TEST_F(ProgFormato, AutoReemplazarSinFicheroOParadoEnUnaLineaRara) {
    const std::string ruta = EscribirReglas("");
    std::filesystem::remove(ruta);
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1", ruta);
    Arrancar();
    vista.Escribir(Control::Msg, "que tal");
    OlvidarRegistro();

    prog.Menu_Click(Menu::mnu_formato_auto);

    EXPECT_EQ(vista.avisos, std::vector<Aviso>{Troceado::AvisoErrorAbrirReemplazos(ruta)});
    // The box comes while the status shows.
    EXPECT_EQ(vista.Diario(),
              "Texto Estado=Substituyendo Palabras...; Repintar Estado; Aviso Cachis la mar...!!!; "
              "Texto Estado=; Repintar Estado; Texto Msg=que tal; Texto Stat=1 / 7");

    EscribirReglas("que\tq\r\nlinea rara\r\ntal\tt\r\n");  // read afresh on every use
    vista.respuestas.push_back(Respuesta::No);
    prog.Menu_Click(Menu::mnu_formato_auto);
    ASSERT_EQ(vista.avisos.size(), 2u);
    EXPECT_EQ(vista.avisos[1].titulo, "Upss!!! Línea RaRa!!");
    EXPECT_EQ(Texto(Control::Msg), "q tal");  // what was replaced so far stays
}

struct Firmado {
    Menu posicion;
    std::string mensaje;
    long long cursor;  // or where a selection starts
    std::string resultado;
};

TEST_F(ProgFormato, LaFirmaVaDondeDiceSuPosicion) {
    ArrancarConFirma("Ana");
    for (const Firmado& f : {
             Firmado{Menu::mnu_opciones_firma_posicion1, "hola", 2, "Ana hola"},
             Firmado{Menu::mnu_opciones_firma_posicion2, "hola ", 0, "hola  Ana"},
             Firmado{Menu::mnu_opciones_firma_posicion3, "hola", 2, "hoAnala"},
             Firmado{Menu::mnu_opciones_firma_posicion3, "hola", 0, "Anahola"},
         }) {
        SCOPED_TRACE(f.resultado);
        prog.Menu_Click(f.posicion);
        vista.Escribir(Control::Msg, f.mensaje);
        vista.PonerCursor(Control::Msg, f.cursor);
        vista.foco = Control::btnFirma;

        prog.btnFirma_Click();

        EXPECT_EQ(Texto(Control::Msg), f.resultado);
        EXPECT_EQ(vista.foco, Control::Msg);
    }
    // The menu command is the button, and each press signs once more.
    prog.Menu_Click(Menu::mnu_opciones_firma_posicion2);
    vista.Escribir(Control::Msg, "hola");
    prog.Menu_Click(Menu::mnu_formato_firma);
    prog.btnFirma_Click();
    EXPECT_EQ(Texto(Control::Msg), "hola Ana Ana");
    EXPECT_EQ(Texto(Control::Stat), "1 / 12");
}

TEST_F(ProgFormato, SinFirmaNoHaceNada) {
    Arrancar();
    vista.Escribir(Control::Msg, "hola");
    vista.foco = Control::Partir;
    OlvidarRegistro();
    prog.btnFirma_Click();
    prog.Menu_Click(Menu::mnu_formato_firma);
    EXPECT_TRUE(vista.registro.empty());
    EXPECT_EQ(vista.foco, Control::Partir);
}

}  // namespace
}  // namespace rebanex::prueba
