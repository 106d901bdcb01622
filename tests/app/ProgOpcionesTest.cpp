// The options menu: toggles, the two choice groups, signing every piece, the summary, and
// the three commands that write the settings file.
#include <string>
#include <vector>

#include "ProgPrueba.h"

namespace rebanex::prueba {
namespace {

using ProgOpciones = ProgPrueba;

struct Alternable {
    Menu item;
    std::size_t columna;  // of its letter in the short summary
    char letra;
};

TEST_F(ProgOpciones, CadaOpcionSeInvierteYSaleEnElResumen) {
    Arrancar();
    const std::string antes = Texto(Control::Opciones);
    for (const Alternable& a : {Alternable{Menu::mnu_opciones_inverso, 0, 'I'},
                                Alternable{Menu::mnu_opciones_acentos, 3, 'A'},
                                Alternable{Menu::mnu_opciones_espacios, 6, 'E'},
                                Alternable{Menu::mnu_opciones_pegar, 9, 'P'},
                                Alternable{Menu::mnu_opciones_getTamanyo, 12, 'O'},
                                Alternable{Menu::mnu_opciones_auto, 27, 'R'},
                                Alternable{Menu::mnu_opciones_indicador, 30, '#'}}) {
        SCOPED_TRACE(a.letra);
        const bool marcado = vista[a.item].marcado;
        prog.Menu_Click(a.item);
        EXPECT_EQ(vista[a.item].marcado, !marcado);
        EXPECT_EQ(Texto(Control::Opciones)[a.columna], marcado ? ' ' : a.letra);
        EXPECT_EQ(Texto(Control::Opciones).size(), 33u);
        prog.Menu_Click(a.item);
        EXPECT_EQ(Texto(Control::Opciones), antes);
    }
    EXPECT_TRUE(perfil.escrituras.empty());  // options are saved only on request
}

TEST_F(ProgOpciones, ElResumenLargoVaEnLaAyuda) {
    Arrancar();
    SinTransformaciones();
    Marcar(Menu::mnu_opciones_pegar, false);
    prog.Menu_Click(Menu::mnu_opciones_inverso);
    EXPECT_EQ(Texto(Control::Opciones), "I" + std::string(14, ' ') + "n  d" + std::string(14, ' '));
    EXPECT_EQ(vista[Control::Opciones].ayuda,
              " /  Orden inverso  /  Trozos tal cual ;)  /  Firmar Delante  /  ");
}

TEST_F(ProgOpciones, LasLetrasSonUnaSolaEleccion) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_txtChar2);
    EXPECT_FALSE(vista[Menu::mnu_opciones_txtChar1].marcado);
    EXPECT_TRUE(vista[Menu::mnu_opciones_txtChar2].marcado);
    EXPECT_FALSE(vista[Menu::mnu_opciones_txtChar3].marcado);
    EXPECT_EQ(Texto(Control::Opciones)[15], 'm');

    prog.Menu_Click(Menu::mnu_opciones_txtChar3);
    EXPECT_FALSE(vista[Menu::mnu_opciones_txtChar2].marcado);
    EXPECT_TRUE(vista[Menu::mnu_opciones_txtChar3].marcado);
    EXPECT_EQ(Texto(Control::Opciones)[15], 'M');

    OlvidarRegistro();
    prog.Menu_Click(Menu::mnu_opciones_txtChar3);  // already chosen: same ticks, new summary
    EXPECT_TRUE(vista[Menu::mnu_opciones_txtChar3].marcado);
    EXPECT_EQ(vista.Registro("Texto Opciones=").size(), 1u);
}

TEST_F(ProgOpciones, LaPosicionDeLaFirmaEsUnaSolaEleccion) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_firma_posicion2);
    EXPECT_FALSE(vista[Menu::mnu_opciones_firma_posicion1].marcado);
    EXPECT_TRUE(vista[Menu::mnu_opciones_firma_posicion2].marcado);
    EXPECT_FALSE(vista[Menu::mnu_opciones_firma_posicion3].marcado);
    EXPECT_EQ(Texto(Control::Opciones)[18], 'f');
    prog.Menu_Click(Menu::mnu_opciones_firma_posicion3);
    EXPECT_FALSE(vista[Menu::mnu_opciones_firma_posicion2].marcado);
    EXPECT_TRUE(vista[Menu::mnu_opciones_firma_posicion3].marcado);
    EXPECT_EQ(Texto(Control::Opciones)[18], 'c');
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
    prog.Menu_Click(Menu::mnu_opciones_ventana);
    EXPECT_TRUE(vista[Menu::mnu_opciones_ventana].marcado);
    EXPECT_EQ(perfil.escrituras,
              (std::vector<std::string>{"Rebanex/PosicionVentana=0", "Rebanex/PosicionVentana=1"}));
    EXPECT_EQ(Texto(Control::Opciones), antes);  // no letter of its own
    EXPECT_EQ(vista.Registro("Texto Opciones=").size(), 2u);
}

TEST_F(ProgOpciones, RecordarPosicionConFicheroDeSoloLecturaNoAvisa) {
    Arrancar();
    memoria.SoloLectura(kIni);
    prog.Menu_Click(Menu::mnu_opciones_ventana);
    EXPECT_FALSE(vista[Menu::mnu_opciones_ventana].marcado);
    EXPECT_TRUE(vista.avisos.empty());
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
    EXPECT_EQ(vista.registro, (std::vector<std::string>{"Texto Estado=OK! Configuración Guardada!!",
                                                        "Repintar Estado"}));
    EXPECT_EQ(memoria.Texto(kIni),
              "[Rebanex]\r\n"
              "Inverso=1\r\nNoAcentos=0\r\nNoMultiEspacios=1\r\nIndicadorTrozos=1\r\n"
              "CopiarTrozoAlMensatel=1\r\nObtenerTamañoMsg=1\r\nMsgMax=12a\r\nLetras=2\r\n"
              "FirmarAutomaticamente=0\r\nFirmarEnTrozos=1\r\nFirmarEnPosicion=3\r\n"
              "PosicionVentana=0\r\nAutoReemplazar=1\r\n"
              "[FicherosReemplazos]\r\n"
              "1=C:\\Rebanex\\Rebanex.txt\r\n2=\r\n3=\r\n4=\r\n5=\r\n");
}

TEST_F(ProgOpciones, LoGuardadoSeCargaEnElSiguienteArranque) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_txtChar3);
    prog.Menu_Click(Menu::mnu_opciones_firma_posicion2);
    vista.Escribir(Control::Lon, "12a");
    prog.Menu_Click(Menu::mnu_opciones_guardar);

    FakeVista otraVista;
    Prog otro(otraVista, perfil, anfitrion);
    otro.Form_Load(kDirectorio, "");
    EXPECT_TRUE(otraVista[Menu::mnu_opciones_txtChar3].marcado);
    EXPECT_FALSE(otraVista[Menu::mnu_opciones_txtChar1].marcado);
    EXPECT_TRUE(otraVista[Menu::mnu_opciones_firma_posicion2].marcado);
    EXPECT_EQ(otraVista[Control::Lon].texto, "12");
    EXPECT_EQ(otraVista[Control::Opciones].texto, vista[Control::Opciones].texto);
}

TEST_F(ProgOpciones, GuardarEnFicheroDeSoloLecturaAvisa) {
    Arrancar();
    memoria.SoloLectura(kIni);
    vista[Control::Estado].texto = "antes";
    prog.Menu_Click(Menu::mnu_opciones_guardar);

    Aviso esperado;
    esperado.texto =
        "Cagon toooo!! Error al intentar Guardar la Configuración !!\r\r"
        "El fichero 'Rebanex.ini' tendrá el atributo de Solo Lectura\r"
        "o estará en un dispositivo sin capacidad/permisos de escritura\r\r";
    esperado.titulo = "Rebanex (by Quelvo)";
    esperado.icono = Icono::Exclamacion;
    esperado.botones = Botones::Aceptar;
    ASSERT_EQ(vista.avisos.size(), 1u);
    EXPECT_EQ(vista.avisos[0], esperado);
    EXPECT_EQ(Texto(Control::Estado), "antes");

    prog.Menu_Click(Menu::mnu_opciones_guardar);  // every time
    EXPECT_EQ(vista.avisos.size(), 2u);
}

TEST_F(ProgOpciones, GuardarPosicionEscribeLosBordesDeLaVentana) {
    Arrancar();
    vista.ventana = Rectangulo{1440, -15, 4875, 3495};
    prog.Menu_Click(Menu::mnu_opciones_guardarventana);
    EXPECT_EQ(perfil.escrituras, (std::vector<std::string>{"Rebanex/PosicionVentanaX=1440",
                                                           "Rebanex/PosicionVentanaY=-15"}));
    EXPECT_EQ(vista.registro, (std::vector<std::string>{"Texto Estado=OK! Posicion Guardada!!!",
                                                        "Repintar Estado"}));
    EXPECT_TRUE(vista[Menu::mnu_opciones_ventana].marcado);  // not ticked by saving
}

TEST_F(ProgOpciones, GuardarPosicionEnFicheroDeSoloLecturaAvisa) {
    Arrancar();
    memoria.SoloLectura(kIni);
    prog.Menu_Click(Menu::mnu_opciones_guardarventana);

    Aviso esperado;
    esperado.texto =
        "Cagon toooo!! Error al intentar Guardar la Posicion!!\r\r"
        "El fichero 'Rebanex.ini' tendrá el atributo de Solo Lectura\r"
        "o estará en un dispositivo sin capacidad/permisos de escritura\r\r";
    esperado.titulo = "Rebanex (by Quelvo)";
    ASSERT_EQ(vista.avisos.size(), 1u);
    EXPECT_EQ(vista.avisos[0], esperado);
    EXPECT_EQ(vista.registro, (std::vector<std::string>{"Aviso Rebanex (by Quelvo)"}));
}

}  // namespace
}  // namespace rebanex::prueba
