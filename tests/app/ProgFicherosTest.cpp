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

TEST_F(ProgFicheros, CargarMensaje) {
    Arrancar();
    sistema.ficheros["C:\\M\\grande.sms"] = std::string(60001, 'x');
    sistema.ficheros["C:\\M\\justo.sms"] = std::string(60000, 'y');
    vista.Escribir(Control::Msg, "antes");
    prog.Menu_Click(Menu::mnu_archivo_cargar);  // cancelled
    sistema.elegidos = {"C:\\M\\grande.sms", "C:\\M\\justo.sms", "C:\\M\\ya-no.sms"};
    prog.Menu_Click(Menu::mnu_archivo_cargar);
    EXPECT_EQ(Texto(Control::Msg), "antes");
    EXPECT_EQ(vista.avisos, std::vector<Aviso>{AvisoFicheroGordo()});

    prog.Menu_Click(Menu::mnu_archivo_cargar);
    EXPECT_EQ(Texto(Control::Msg), std::string(60000, 'y'));
    EXPECT_EQ(Texto(Control::Estado), "");

    prog.Menu_Click(Menu::mnu_archivo_cargar);  // vanished after the dialog
    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_EQ(vista.avisos.back(), AvisoFicheroNoEncontrado("C:\\M\\ya-no.sms"));
}

TEST_F(ProgFicheros, LineaDeComandos) {
    Arrancar("\thola que tal");
    EXPECT_EQ(Texto(Control::Msg), "hola que tal");
    EXPECT_EQ(vista[Control::Msg].inicio, 12);  // the caret after it
    sistema.ficheros["C:\\Rebanex\\rel.txt"] = "en el inicio\r\n";
    Arrancar("\"rel.txt\"");
    EXPECT_EQ(Texto(Control::Msg), "en el inicio");
    EXPECT_TRUE(vista.avisos.empty());
}

// The menu is the list, entry 1 the file in use; the settings file holds the same at once.
class ListaReemplazos : public ProgPrueba {
  protected:
    V Menus() {
        V v;
        for (int i = 1; i <= 5; ++i) {
            v.push_back(vista[ItemDeGrupo(Menu::mnu_reemplazos_fichero1, i)].texto);
        }
        return v;
    }
    V Claves() {
        V v;
        for (int i = 1; i <= 5; ++i) {
            v.push_back(
                memoria.ObtenerCadena(kIni, "FicherosReemplazos", std::to_string(i), "?", 255));
        }
        return v;
    }
};

TEST_F(ListaReemplazos, ElElegidoSubeALaCabeza) {
    const V llena = {"R1", "R2", "R3", "R4", "R5"};
    const struct {
        V antes;
        Menu item;
        V dialogo;  // what the user picks in the dialog, if it opens
        V despues;
    } casos[] = {
        {llena, Menu::mnu_reemplazos_fichero3, {}, {"R3", "R1", "R2", "R4", "R5"}},
        {llena, Menu::mnu_reemplazos_fichero1, {}, llena},
        {llena, Menu::mnu_reemplazos_abrir, {"r2"}, {"R2", "R1", "R3", "R4", "R5"}},
        {llena, Menu::mnu_reemplazos_abrir, {"R6"}, {"R6", "R1", "R2", "R3", "R4"}},
        {llena, Menu::mnu_reemplazos_abrir, {}, llena},
        {{"R1", "", "", "", ""}, Menu::mnu_reemplazos_fichero4, {"R7"}, {"R7", "R1", "", "", ""}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.despues[0] + " " + std::to_string(static_cast<int>(c.item)));
        for (int i = 1; i <= 5; ++i) {
            Guardar("FicherosReemplazos", std::to_string(i), c.antes[i - 1]);
        }
        Arrancar();
        sistema.elegidos.assign(c.dialogo.begin(), c.dialogo.end());
        sistema.dialogos = 0;
        prog.Menu_Click(c.item);
        EXPECT_EQ(Menus(), c.despues);
        EXPECT_EQ(Claves(), c.despues);
        EXPECT_EQ(prog.RutaReemplazos(), c.despues[0]);
        EXPECT_EQ(sistema.dialogos,
                  c.item == Menu::mnu_reemplazos_fichero3 || c.item == Menu::mnu_reemplazos_fichero1
                      ? 0
                      : 1);
    }
    // A read-only settings file keeps its keys; the menu and the file in use change anyway.
    memoria.SoloLectura(kIni);
    sistema.elegidos = {"R9"};
    prog.Menu_Click(Menu::mnu_reemplazos_abrir);
    EXPECT_EQ(Menus(), (V{"R9", "R7", "R1", "", ""}));
    EXPECT_EQ(Claves(), (V{"R7", "R1", "", "", ""}));
    EXPECT_EQ(prog.RutaReemplazos(), "R9");
}

// A missing rules file is created with the default rules before the editor opens it; one
// named relative to the start directory is found there.
TEST_F(ListaReemplazos, EditarElFicheroDeReglas) {
    Arrancar();
    const std::string ruta = "C:\\Rebanex\\Rebanex.txt";
    sistema.soloLectura.insert(ruta);
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{Troceado::AvisoReemplazosNoEncontrado(ruta),
                                                Troceado::AvisoErrorEscribirReemplazos(ruta)}));
    EXPECT_TRUE(sistema.abiertos.empty());

    sistema.soloLectura.clear();
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_EQ(vista.avisos.size(), 3u);
    EXPECT_EQ(sistema.ficheros[ruta], Troceado::TextoReemplazosPorDefecto());
    EXPECT_EQ(sistema.abiertos, V{ruta + "||"});

    sistema.ficheros[ruta] = "cambiado";
    prog.Menu_Click(Menu::mnu_opciones_fichR);  // there now: opened without a word
    EXPECT_EQ(vista.avisos.size(), 3u);
    EXPECT_EQ(sistema.ficheros[ruta], "cambiado");

    Guardar("FicherosReemplazos", "1", "reglas.txt");
    sistema.ficheros["C:\\Rebanex\\reglas.txt"] = "x";
    Arrancar();
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_EQ(sistema.abiertos.back(), "C:\\Rebanex\\reglas.txt||");
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
    EXPECT_TRUE(vista.avisos.empty());

    const struct {
        bool escribible;
        std::optional<std::string> navegador;
        int resultado;
        Aviso aviso;
    } fallos[] = {{true, std::nullopt, 42, AvisoSinNavegador()},
                  {false, "C:\\nav.exe", 42, AvisoSinNavegador()},
                  {true, "C:\\nav.exe", 32, AvisoErrorNavegador()}};
    for (const auto& f : fallos) {
        sistema.soloLectura.clear();
        if (!f.escribible) {
            sistema.soloLectura.insert(kMarcador);
        }
        sistema.navegador = f.navegador;
        sistema.resultadoAbrir = f.resultado;
        vista.avisos.clear();
        prog.Menu_Click(Menu::mnu_ayuda_foro);
        EXPECT_EQ(vista.avisos, std::vector<Aviso>{f.aviso});
        EXPECT_FALSE(sistema.EsFichero(kMarcador));
    }
}

// The updater beside the program is started and Rebanex closes; without it the user is asked
// to download it, or sent to the archive's page.
TEST_F(ProgFicheros, Actualizar) {
    const std::string web(Direcciones::kWebActualizaciones),
        actualix = "C:\\Mensatel\\Actualix.exe";
    const std::string linea = LineaActualizador("C:\\Mensatel\\Rebanex.exe", web);
    const std::string descarga = web + "Actualix.exe>" + actualix;
    const struct {
        bool presente;
        Respuesta respuesta;
        bool descarga, arranca;
        V descargas, ejecutados;
        std::vector<Aviso> avisos;
        bool cerrada;
    } casos[] = {
        {true, Respuesta::Si, true, true, {}, {linea}, {}, true},
        {false, Respuesta::Si, true, true, {descarga}, {linea}, {}, true},
        {false, Respuesta::Si, false, true, {descarga}, {}, {AvisoDescargaFallida()}, false},
        {false,
         Respuesta::Si,
         true,
         false,
         {descarga},
         {linea},
         {AvisoActualizadorNoArranca(actualix)},
         false},
        {false, Respuesta::No, true, true, {}, {}, {}, false},
    };
    for (const auto& c : casos) {
        vista.avisos.clear();
        vista.cerrada = false;
        vista.respuestas = {c.respuesta};
        for (V* v : {&sistema.descargas, &sistema.ejecutados, &sistema.abiertos}) {
            v->clear();
        }
        sistema.ficheros.clear();
        if (c.presente) {
            sistema.ficheros[actualix] = "";
        }
        Arrancar();
        sistema.descarga = c.descarga;
        sistema.arranca = c.arranca;
        sistema.navegador = "C:\\nav.exe";
        prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
        EXPECT_EQ(sistema.descargas, c.descargas);
        EXPECT_EQ(sistema.ejecutados, c.ejecutados);
        std::vector<Aviso> avisos = c.avisos;
        if (!c.presente) {
            avisos.insert(avisos.begin(), PreguntaBajarActualizador());
        }
        EXPECT_EQ(vista.avisos, avisos);
        EXPECT_EQ(vista.cerrada, c.cerrada);
        if (!c.cerrada) {
            EXPECT_EQ(Texto(Control::Estado), "");
        }
    }
    EXPECT_EQ(sistema.abiertos, V{"C:\\nav.exe|" + web + "Rebanex.zip|"});
}

}  // namespace
}  // namespace rebanex::prueba
