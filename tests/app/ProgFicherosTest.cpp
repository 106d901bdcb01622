// Loading a message; the rules files and their recent list; the hand-over to the updater.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "files/Actualizador.h"
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
            const Menu m = ItemDeGrupo(Menu::mnu_reemplazos_fichero1, i);
            v.push_back(claves ? memoria.ObtenerCadena(kIni, "FicherosReemplazos",
                                                       std::to_string(i), "?", 255)
                               : vista[m].texto);
        }
        return v;
    };
    const struct {
        Menu item;
        std::string elegido;  // in the dialog, if it opens
        V despues;
    } casos[] = {{Menu::mnu_reemplazos_fichero3, "", {"R3", "R1", "R2", "R4", "R5"}},
                 {Menu::mnu_reemplazos_abrir, "r2", {"R2", "R1", "R3", "R4", "R5"}},
                 {Menu::mnu_reemplazos_abrir, "R6", {"R6", "R1", "R2", "R3", "R4"}},
                 {Menu::mnu_reemplazos_abrir, "", {"R1", "R2", "R3", "R4", "R5"}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.despues[0] + " " + c.elegido);
        for (int i = 1; i <= 5; ++i) {
            Guardar("FicherosReemplazos", std::to_string(i), "R" + std::to_string(i));
        }
        Arrancar();
        sistema.elegido = c.elegido;
        prog.Menu_Click(c.item);
        EXPECT_EQ(lista(false), c.despues);
        EXPECT_EQ(lista(true), c.despues);
        EXPECT_EQ(prog.RutaReemplazos(), c.despues[0]);
    }
    // An empty entry asks for a file.
    memoria.SoloLectura(kIni);
    vista[Menu::mnu_reemplazos_fichero5].texto = "";
    sistema.elegido = "R7";
    prog.Menu_Click(Menu::mnu_reemplazos_fichero5);
    EXPECT_EQ(lista(false), (V{"R7", "R1", "R2", "R3", "R4"}));
    EXPECT_EQ(lista(true), (V{"R1", "R2", "R3", "R4", "R5"}));
    EXPECT_EQ(prog.RutaReemplazos(), "R7");
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

// Without the updater beside the program the user is asked to download it; a download or a
// start that fails says so and Rebanex stays. One that starts closes Rebanex.
TEST_F(ProgFicheros, Actualizar) {
    const std::string actualix = "C:\\Mensatel\\Actualix.exe";
    Arrancar();
    sistema.descarga = false;
    prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
    sistema.descarga = true;
    sistema.arranca = false;
    prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{PreguntaBajarActualizador(), AvisoDescargaFallida(),
                                                PreguntaBajarActualizador(),
                                                AvisoActualizadorNoArranca(actualix)}));
    EXPECT_FALSE(vista.cerrada);
    EXPECT_EQ(Texto(Control::Estado), "");
    sistema.arranca = true;
    sistema.ficheros[actualix] = "";  // no question now
    prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
    EXPECT_TRUE(vista.cerrada);
    EXPECT_EQ(vista.avisos.size(), 4u);
    EXPECT_EQ(sistema.descargas, 2);
    const std::string linea = LineaActualizador("C:\\Mensatel\\Rebanex.exe",
                                                std::string(Direcciones::kWebActualizaciones));
    EXPECT_EQ(sistema.ejecutados, (V{linea, linea}));
}

}  // namespace
}  // namespace rebanex::prueba
