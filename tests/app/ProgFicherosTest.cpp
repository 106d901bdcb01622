// Loading a message; the rules files and their recent list; help, links, the log viewer and
// the hand-over to the updater.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "files/Actualizador.h"
#include "files/Ayuda.h"
#include "files/Direcciones.h"
#include "files/Mensajes.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::prueba {
namespace {

using ProgFicheros = ProgPrueba;
using V = std::vector<std::string>;

TEST_F(ProgFicheros, CargarMensajeOLineaDeComandos) {
    Arrancar("\thola que tal");
    EXPECT_EQ(Texto(Control::Msg), "hola que tal");
    EXPECT_EQ(vista[Control::Msg].inicio, 12);  // the caret after it
    sistema.ficheros["C:\\M\\grande.sms"] = std::string(60001, 'x');
    sistema.ficheros["C:\\M\\justo.sms"] = std::string(60000, 'y');
    for (const char* elegido : {"", "C:\\M\\grande.sms"}) {  // cancelled, too big
        sistema.elegido = elegido;
        prog.Menu_Click(Menu::mnu_archivo_cargar);
        EXPECT_EQ(Texto(Control::Msg), "hola que tal");
    }
    EXPECT_EQ(vista.avisos, std::vector<Aviso>{AvisoFicheroGordo()});
    sistema.elegido = "C:\\M\\justo.sms";
    prog.Menu_Click(Menu::mnu_archivo_cargar);
    EXPECT_EQ(Texto(Control::Msg), std::string(60000, 'y'));
    sistema.elegido = "C:\\M\\ya-no.sms";  // vanished after the dialog
    prog.Menu_Click(Menu::mnu_archivo_cargar);
    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_EQ(vista.avisos.back(), AvisoFicheroNoEncontrado("C:\\M\\ya-no.sms"));
}

// The menu is the list, entry 1 the file in use; the settings file follows at once, but a
// read-only one does not stop the menu from changing.
TEST_F(ProgFicheros, ElFicheroDeReglasElegidoSubeALaCabeza) {
    const auto lista = [&](bool claves) {
        V v;
        for (int i = 1; i <= 5; ++i) {
            v.push_back(claves ? memoria.ObtenerCadena(kIni, "FicherosReemplazos",
                                                       std::to_string(i), "?", 255)
                               : vista[ItemDeGrupo(Menu::mnu_reemplazos_fichero1, i)].texto);
        }
        return v;
    };
    const V llena = {"R1", "R2", "R3", "R4", "R5"};
    const struct {
        V antes;
        Menu item;
        std::string elegido;  // in the dialog, if it opens
        V despues;
    } casos[] = {
        {llena, Menu::mnu_reemplazos_fichero3, "", {"R3", "R1", "R2", "R4", "R5"}},
        {llena, Menu::mnu_reemplazos_abrir, "r2", {"R2", "R1", "R3", "R4", "R5"}},
        {llena, Menu::mnu_reemplazos_abrir, "R6", {"R6", "R1", "R2", "R3", "R4"}},
        {llena, Menu::mnu_reemplazos_abrir, "", llena},
        {{"R1", "", "", "", ""}, Menu::mnu_reemplazos_fichero4, "R7", {"R7", "R1", "", "", ""}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.despues[0] + " " + c.elegido);
        for (int i = 1; i <= 5; ++i) {
            Guardar("FicherosReemplazos", std::to_string(i), c.antes[i - 1]);
        }
        Arrancar();
        sistema.elegido = c.elegido;
        prog.Menu_Click(c.item);
        EXPECT_EQ(lista(false), c.despues);
        EXPECT_EQ(lista(true), c.despues);
        EXPECT_EQ(prog.RutaReemplazos(), c.despues[0]);
    }
    EXPECT_EQ(sistema.dialogos, 4);  // not for an entry that holds a file
    memoria.SoloLectura(kIni);
    prog.Menu_Click(Menu::mnu_reemplazos_fichero2);
    EXPECT_EQ(lista(false), (V{"R1", "R7", "", "", ""}));
    EXPECT_EQ(lista(true), (V{"R7", "R1", "", "", ""}));
    EXPECT_EQ(prog.RutaReemplazos(), "R1");
}

// A missing rules file is created with the default rules before the editor opens it; one
// named relative to the start directory is found there.
TEST_F(ProgFicheros, EditarElFicheroDeReglas) {
    Arrancar();
    const std::string ruta = "C:\\Rebanex\\Rebanex.txt";
    sistema.soloLectura.insert(ruta);
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{Troceado::AvisoReemplazosNoEncontrado(ruta),
                                                Troceado::AvisoErrorEscribirReemplazos(ruta)}));
    sistema.soloLectura.clear();
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_EQ(sistema.ficheros[ruta], Troceado::TextoReemplazosPorDefecto());
    sistema.ficheros[ruta] = "cambiado";
    prog.Menu_Click(Menu::mnu_opciones_fichR);  // there now: opened without a word
    EXPECT_EQ(sistema.ficheros[ruta], "cambiado");

    Guardar("FicherosReemplazos", "1", "reglas.txt");
    sistema.ficheros["C:\\Rebanex\\reglas.txt"] = "x";
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_EQ(sistema.abiertos, (V{ruta + "||", ruta + "||", "C:\\Rebanex\\reglas.txt||"}));
    EXPECT_EQ(vista.avisos.size(), 3u);
}

TEST_F(ProgFicheros, AyudaCreditosCorreoYMensatelLog) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_ayuda_utilidad);
    prog.Menu_Click(Menu::mnu_ayuda_acerca);
    prog.Menu_Click(Menu::mnu_archivo_mensatellog);
    EXPECT_EQ(vista.avisos,
              (std::vector<Aviso>{AvisoAyuda(), AvisoCreditos(), AvisoMensatelLogAusente()}));
    prog.Menu_Click(Menu::mnu_ayuda_enviarmsg);
    sistema.ficheros["C:\\Mensatel\\MensatelLog.exe"] = "";
    prog.Menu_Click(Menu::mnu_archivo_mensatellog);
    EXPECT_EQ(sistema.abiertos,
              (V{"mailto:quelvo@example.com||", "C:\\Mensatel\\MensatelLog.exe||C:\\Rebanex\\"}));
    EXPECT_EQ(vista.avisos.size(), 3u);
}

// The browser is the program that opens a placeholder page, which is gone afterwards.
TEST_F(ProgFicheros, EnlacesEnElNavegador) {
    Arrancar();
    sistema.navegador = "  C:\\Navegador\\nav.exe ";
    for (const auto& [menu, url] : {std::pair{Menu::mnu_ayuda_peich, Direcciones::kPeichMensatel},
                                    {Menu::mnu_ayuda_foro, Direcciones::kForoMensatel},
                                    {Menu::mnu_ayuda_chat, Direcciones::kChatMensatel},
                                    {Menu::mnu_ayuda_faqMensatel, Direcciones::kFaqMensatel}}) {
        prog.Menu_Click(menu);
        EXPECT_EQ(sistema.abiertos.back(), "C:\\Navegador\\nav.exe|" + std::string(url) + "|");
        EXPECT_TRUE(sistema.marcadorPresente);
        EXPECT_FALSE(sistema.EsFichero(kMarcador));
    }
    sistema.resultadoAbrir = 32;
    prog.Menu_Click(Menu::mnu_ayuda_foro);
    sistema.soloLectura.insert(kMarcador);
    prog.Menu_Click(Menu::mnu_ayuda_foro);
    sistema.soloLectura.clear();
    sistema.navegador = std::nullopt;
    prog.Menu_Click(Menu::mnu_ayuda_foro);
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{AvisoErrorNavegador(), AvisoSinNavegador(),
                                                AvisoSinNavegador()}));
    EXPECT_FALSE(sistema.EsFichero(kMarcador));
}

// The updater beside the program is started and Rebanex closes; without it the user is asked
// to download it, or sent to the archive's page.
TEST_F(ProgFicheros, Actualizar) {
    const std::string web(Direcciones::kWebActualizaciones),
        actualix = "C:\\Mensatel\\Actualix.exe";
    const std::string linea = LineaActualizador("C:\\Mensatel\\Rebanex.exe", web);
    const struct {
        bool presente, descarga, arranca;
        V ejecutados;
        std::vector<Aviso> avisos;  // after the question, if asked
    } casos[] = {
        {true, true, true, {linea}, {}},
        {false, true, true, {linea}, {}},
        {false, false, true, {}, {AvisoDescargaFallida()}},
        {false, true, false, {linea}, {AvisoActualizadorNoArranca(actualix)}},
    };
    Arrancar();
    for (const auto& c : casos) {
        sistema.ficheros.clear();
        if (c.presente) {
            sistema.ficheros[actualix] = "";
        }
        sistema.descarga = c.descarga;
        sistema.arranca = c.arranca;
        vista.avisos.clear();
        vista.cerrada = false;
        sistema.ejecutados.clear();
        prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
        EXPECT_EQ(sistema.ejecutados, c.ejecutados);
        ASSERT_EQ(vista.avisos.empty(), c.presente);
        EXPECT_EQ(std::vector<Aviso>(vista.avisos.begin() + !c.presente, vista.avisos.end()),
                  c.avisos);
        EXPECT_EQ(vista.cerrada, c.avisos.empty());
    }
    EXPECT_EQ(sistema.descargas, V(3, web + "Actualix.exe>" + actualix));
    EXPECT_EQ(vista.avisos.front(), PreguntaBajarActualizador());
    EXPECT_EQ(Texto(Control::Estado), "");

    vista.respuesta = Respuesta::No;
    sistema.navegador = "C:\\nav.exe";
    prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
    EXPECT_EQ(sistema.abiertos, V{"C:\\nav.exe|" + web + "Rebanex.zip|"});
    EXPECT_EQ(sistema.descargas.size(), 3u);
}

}  // namespace
}  // namespace rebanex::prueba
