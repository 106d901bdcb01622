// The options menu: toggles, the two choice groups, signing every piece, the summary, and
// the three commands that write the settings file.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "settings/TablaOpciones.h"

namespace rebanex::prueba {
namespace {

using ProgOpciones = ProgPrueba;

// Every option of the table through its menu items: the tick or the choice, and its letter
// in its column of the summary.
TEST_F(ProgOpciones, CadaOpcionDeLaTablaSeCambiaYSaleEnElResumen) {
    Arrancar();
    const std::string antes = Texto(Control::Opciones);
    for (const DefOpcion& o : kOpciones) {
        if (!o.menu || o.tipo != TipoOpcion::SiNo) {
            continue;
        }
        SCOPED_TRACE(o.clave);
        prog.Menu_Click(Menu::mnu_opciones_firma_posicion1);  // signing every piece enabled
        const auto columna = static_cast<std::size_t>(3 * o.columna);
        const bool marcado = vista[*o.menu].marcado;
        prog.Menu_Click(*o.menu);
        EXPECT_EQ(vista[*o.menu].marcado, !marcado);
        EXPECT_EQ(prog.LeerOpciones().*o.siNo, !marcado);
        EXPECT_EQ(Texto(Control::Opciones)[columna], marcado ? ' ' : o.letras[0][0]);
        prog.Menu_Click(*o.menu);
        EXPECT_EQ(Texto(Control::Opciones), antes);
    }
    EXPECT_TRUE(perfil.escrituras.empty());  // options are saved only on request
}

struct Eleccion {
    Menu primero;  // item 1 of the group
    std::size_t columna;
    std::string letras;  // for items 1, 2, 3
};

TEST_F(ProgOpciones, CadaGrupoTieneUnaSolaMarca) {
    Arrancar();
    for (const Eleccion& e : {Eleccion{Menu::mnu_opciones_txtChar1, 15, "nmM"},
                              Eleccion{Menu::mnu_opciones_firma_posicion1, 18, "dfc"}}) {
        for (int elegido : {2, 3, 3, 1}) {  // choosing the ticked item again changes nothing
            SCOPED_TRACE(std::string(1, e.letras[0]) + std::to_string(elegido));
            OlvidarRegistro();
            prog.Menu_Click(ItemDeGrupo(e.primero, elegido));
            for (int k = 1; k <= 3; ++k) {
                EXPECT_EQ(vista[ItemDeGrupo(e.primero, k)].marcado, k == elegido);
            }
            EXPECT_EQ(Texto(Control::Opciones)[e.columna], e.letras[elegido - 1]);
            EXPECT_EQ(vista.Registro("Texto Opciones=").size(), 1u);  // rebuilt every time
        }
    }
}

TEST_F(ProgOpciones, FirmarTrozosDependeDeLaUltimaOrden) {
    Arrancar();
    const Menu trozos = Menu::mnu_opciones_firma_trozos;
    prog.Menu_Click(trozos);
    ASSERT_TRUE(vista[trozos].marcado);
    EXPECT_EQ(Texto(Control::Opciones)[24], 'T');

    prog.Menu_Click(Menu::mnu_opciones_firma_posicion3);
    EXPECT_FALSE(vista[trozos].habilitado);
    EXPECT_TRUE(vista[trozos].marcado);  // the tick stays, but does not count
    EXPECT_EQ(Texto(Control::Opciones)[24], ' ');

    prog.Menu_Click(Menu::mnu_opciones_firma_auto);  // the last command decides
    EXPECT_TRUE(vista[trozos].habilitado);
    EXPECT_EQ(Texto(Control::Opciones)[21], 'F');
    EXPECT_EQ(Texto(Control::Opciones)[24], 'T');

    prog.Menu_Click(Menu::mnu_opciones_firma_auto);
    EXPECT_FALSE(vista[trozos].habilitado);
    EXPECT_EQ(Texto(Control::Opciones)[21], ' ');

    prog.Menu_Click(Menu::mnu_opciones_firma_posicion1);
    EXPECT_TRUE(vista[trozos].habilitado);
}

TEST_F(ProgOpciones, RecordarPosicionSeEscribeAlMomento) {
    Arrancar();
    const std::string antes = Texto(Control::Opciones);
    prog.Menu_Click(Menu::mnu_opciones_ventana);
    EXPECT_FALSE(vista[Menu::mnu_opciones_ventana].marcado);
    memoria.SoloLectura(kIni);  // a failed write goes unnoticed
    prog.Menu_Click(Menu::mnu_opciones_ventana);
    EXPECT_TRUE(vista[Menu::mnu_opciones_ventana].marcado);

    EXPECT_EQ(perfil.escrituras,
              (std::vector<std::string>{"Rebanex/PosicionVentana=0", "Rebanex/PosicionVentana=1"}));
    EXPECT_NE(memoria.Texto(kIni).find("PosicionVentana=0"), std::string::npos);
    EXPECT_TRUE(vista.avisos.empty());
    EXPECT_EQ(Texto(Control::Opciones), antes);  // no letter of its own, but rebuilt
    EXPECT_EQ(vista.Registro("Texto Opciones=").size(), 2u);
}

TEST_F(ProgOpciones, GuardarEscribeCadaOpcionEnOrden) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_inverso);
    prog.Menu_Click(Menu::mnu_opciones_acentos);
    prog.Menu_Click(Menu::mnu_opciones_txtChar2);
    prog.Menu_Click(Menu::mnu_opciones_firma_trozos);
    prog.Menu_Click(Menu::mnu_opciones_firma_posicion3);  // disabled, but its tick is saved
    prog.Menu_Click(Menu::mnu_opciones_auto);
    prog.Menu_Click(Menu::mnu_opciones_ventana);
    vista.Escribir(Control::Lon, "12a");  // saved as typed
    OlvidarRegistro();

    prog.Menu_Click(Menu::mnu_opciones_guardar);

    EXPECT_EQ(perfil.escrituras,
              (std::vector<std::string>{
                  "Rebanex/Inverso=1", "Rebanex/NoAcentos=0", "Rebanex/NoMultiEspacios=1",
                  "Rebanex/IndicadorTrozos=1", "Rebanex/CopiarTrozoAlMensatel=1",
                  "Rebanex/ObtenerTamañoMsg=1", "Rebanex/MsgMax=12a", "Rebanex/Letras=2",
                  "Rebanex/FirmarAutomaticamente=0", "Rebanex/FirmarEnTrozos=1",
                  "Rebanex/FirmarEnPosicion=3", "Rebanex/AutoReemplazar=1"}));
    EXPECT_EQ(vista.Diario(), "Texto Estado=OK! Configuración Guardada!!; Repintar Estado");
}

TEST_F(ProgOpciones, GuardarPosicionEscribeLosBordesDeLaVentana) {
    Arrancar();
    vista.ventana = Rectangulo{1440, -15, 4875, 3495};
    prog.Menu_Click(Menu::mnu_opciones_guardarventana);
    EXPECT_EQ(perfil.escrituras, (std::vector<std::string>{"Rebanex/PosicionVentanaX=1440",
                                                           "Rebanex/PosicionVentanaY=-15"}));
    // The status, but no summary: saving the position is no option.
    EXPECT_EQ(vista.Diario(), "Texto Estado=OK! Posicion Guardada!!!; Repintar Estado");
    EXPECT_TRUE(vista[Menu::mnu_opciones_ventana].marcado);  // not ticked by saving
}

TEST_F(ProgOpciones, GuardarEnFicheroDeSoloLecturaAvisaCadaVez) {
    Arrancar();
    memoria.SoloLectura(kIni);
    vista[Control::Estado].texto = "antes";
    OlvidarRegistro();
    const std::string sinPermiso =
        "\r\rEl fichero 'Rebanex.ini' tendrá el atributo de Solo Lectura\r"
        "o estará en un dispositivo sin capacidad/permisos de escritura\r\r";

    for (int vez = 0; vez < 2; ++vez) {
        prog.Menu_Click(Menu::mnu_opciones_guardar);
        prog.Menu_Click(Menu::mnu_opciones_guardarventana);
    }

    const Aviso configuracion{
        "Cagon toooo!! Error al intentar Guardar la Configuración !!" + sinPermiso,
        "Rebanex (by Quelvo)", Icono::Exclamacion, Botones::Aceptar};
    const Aviso posicion{"Cagon toooo!! Error al intentar Guardar la Posicion!!" + sinPermiso,
                         "Rebanex (by Quelvo)", Icono::Exclamacion, Botones::Aceptar};
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{configuracion, posicion, configuracion, posicion}));
    EXPECT_EQ(vista.Registro("Texto "), std::vector<std::string>{});  // status left as it was
    EXPECT_EQ(Texto(Control::Estado), "antes");
}

}  // namespace
}  // namespace rebanex::prueba
