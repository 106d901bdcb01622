// The format menu and the signature button: each works on the whole message box at once.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "transforms/Reemplazos.h"

namespace rebanex::prueba {
namespace {

using ProgFormato = ProgPrueba;

struct Formato {
    Menu item;
    std::string estado;
    std::string antes;
    std::string despues;
};

TEST_F(ProgFormato, CadaOrdenCambiaTodoElMensajeConSuEstado) {
    Arrancar();
    for (const Formato& f : {
             Formato{Menu::mnu_formato_acentos, "Eliminando Acentos...", "canción\r\nÁRBOL  él",
                     "cancion\r\nARBOL  el"},
             Formato{Menu::mnu_formato_letras1, "Cambiando Formato de Letras...", "ÁRBOL Ñu\r\nOK",
                     "árbol ñu\r\nok"},
             Formato{Menu::mnu_formato_letras2, "Cambiando Formato de Letras...", "árbol ñu",
                     "ÁRBOL ÑU"},
             Formato{Menu::mnu_formato_espacio, "Eliminando Multi-Espacios...", "a   b  c\r\n  d",
                     "a b c\r\n d"},
         }) {
        SCOPED_TRACE(f.estado);
        vista.Escribir(Control::Msg, f.antes);
        OlvidarRegistro();

        prog.Menu_Click(f.item);

        EXPECT_EQ(Texto(Control::Msg), f.despues);
        const std::vector<std::string> esperado = {
            "Texto Estado=" + f.estado,
            "Repintar Estado",
            "Texto Estado=",
            "Repintar Estado",
            "Texto Msg=" + f.despues,
            "Texto Stat=1 / " + std::to_string(f.despues.size())};
        EXPECT_EQ(vista.registro, esperado);
    }
    EXPECT_FALSE(vista[Control::frmTrozo].visible);
}

TEST_F(ProgFormato, NoMiranLasOpciones) {
    Arrancar();
    Marcar(Menu::mnu_opciones_acentos, false);
    vista.Escribir(Control::Msg, "así");
    prog.Menu_Click(Menu::mnu_formato_acentos);
    EXPECT_EQ(Texto(Control::Msg), "asi");
}

TEST_F(ProgFormato, AutoReemplazarUsaElFicheroDeReglas) {
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1",
                           EscribirReglas("; reglas\r\nque\tq\r\nporque\txq\r\n"));
    Arrancar();
    vista.Escribir(Control::Msg, "porque que tal\r\nque\r\nque");
    OlvidarRegistro();

    prog.Menu_Click(Menu::mnu_formato_auto);

    // Line breaks are no word boundaries here: a "que" next to one stays.
    EXPECT_EQ(Texto(Control::Msg), "xq q tal\r\nque\r\nque");
    EXPECT_EQ(
        vista.Registro("Texto Estado="),
        (std::vector<std::string>{"Texto Estado=Substituyendo Palabras...", "Texto Estado="}));
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgFormato, AutoReemplazarSinFicheroAvisaYDejaElTexto) {
    const std::string ruta = EscribirReglas("") + ".no-existe";
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1", ruta);
    Arrancar();
    vista.Escribir(Control::Msg, "que tal");
    OlvidarRegistro();

    prog.Menu_Click(Menu::mnu_formato_auto);

    ASSERT_EQ(vista.avisos.size(), 1u);
    EXPECT_EQ(vista.avisos[0], Troceado::AvisoErrorAbrirReemplazos(ruta));
    EXPECT_EQ(Texto(Control::Msg), "que tal");
    // The box comes while the status shows; the text is written back all the same.
    EXPECT_EQ(vista.registro.front(), "Texto Estado=Substituyendo Palabras...");
    EXPECT_EQ(vista.registro.back(), "Texto Stat=1 / 7");
}

TEST_F(ProgFormato, AutoReemplazarSeParaEnUnaLineaRaraSiSeDiceQueNo) {
    memoria.EscribirCadena(kIni, "FicherosReemplazos", "1",
                           EscribirReglas("que\tq\r\nlinea rara\r\ntal\tt\r\n"));
    Arrancar();
    vista.Escribir(Control::Msg, "que tal");
    vista.respuestas.push_back(Respuesta::No);

    prog.Menu_Click(Menu::mnu_formato_auto);

    ASSERT_EQ(vista.avisos.size(), 1u);
    EXPECT_EQ(vista.avisos[0].botones, Botones::SiNo);
    EXPECT_EQ(Texto(Control::Msg), "q tal");  // what was replaced so far stays
}

struct Firmado {
    Menu posicion;
    std::string mensaje;
    long long inicio;
    long long largo;
    std::string resultado;
};

TEST_F(ProgFormato, LaFirmaVaDondeDiceSuPosicion) {
    ArrancarConFirma("Ana");
    for (const Firmado& f : {
             Firmado{Menu::mnu_opciones_firma_posicion1, "hola", 2, 0, "Ana hola"},
             Firmado{Menu::mnu_opciones_firma_posicion1, "", 0, 0, "Ana "},
             Firmado{Menu::mnu_opciones_firma_posicion2, "hola", 2, 0, "hola Ana"},
             Firmado{Menu::mnu_opciones_firma_posicion2, "hola ", 0, 0, "hola  Ana"},
             Firmado{Menu::mnu_opciones_firma_posicion3, "hola", 2, 0, "hoAnala"},
             Firmado{Menu::mnu_opciones_firma_posicion3, "hola", 0, 0, "Anahola"},
             Firmado{Menu::mnu_opciones_firma_posicion3, "hola", 1, 2, "hAnaola"},
         }) {
        SCOPED_TRACE(f.resultado);
        prog.Menu_Click(f.posicion);
        vista.Escribir(Control::Msg, f.mensaje);
        vista.PonerCursor(Control::Msg, f.inicio, f.largo);
        vista.foco = Control::btnFirma;

        prog.btnFirma_Click();

        EXPECT_EQ(Texto(Control::Msg), f.resultado);
        EXPECT_EQ(vista.foco, Control::Msg);
    }
}

TEST_F(ProgFormato, LaOrdenDelMenuEsElBotonYFirmaCadaVez) {
    ArrancarConFirma("Ana");
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
    EXPECT_EQ(Texto(Control::Msg), "hola");
}

}  // namespace
}  // namespace rebanex::prueba
