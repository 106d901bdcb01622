// Loading a message from a file or the command line; choosing, recalling and editing the
// rules file.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::prueba {
namespace {

using namespace std::string_literals;
using ProgFicheros = ProgPrueba;

TEST_F(ProgFicheros, CargarMensaje) {
    Arrancar();
    disco.ficheros["C:\\M\\grande.sms"] = std::string(60001, 'x');
    disco.ficheros["C:\\M\\justo.sms"] = std::string(60000, 'y');
    disco.ficheros["C:\\M\\tel.sms"] = "hola\ncaracola#TEL#612345678@";
    vista.Escribir(Control::Msg, "antes");
    OlvidarRegistro();

    prog.Menu_Click(Menu::mnu_archivo_cargar);  // cancelled
    EXPECT_EQ(dialogos.pedidos,
              std::vector<std::string>{"Mensajes SMS (*.sms)\0 *.sms\0Archivos de Texto (*.txt)\0 "
                                       "*.txt\0Todos los archivos (*.*) \0 *.*\0\0|Cargar "
                                       "Mensaje...|C:\\Rebanex\\|0"s});
    EXPECT_TRUE(vista.registro.empty());

    dialogos.respuestas = {"C:\\M\\grande.sms", "  C:\\M\\justo.sms ", "C:\\M\\tel.sms",
                           "C:\\M\\ya-no.sms"};
    prog.Menu_Click(Menu::mnu_archivo_cargar);
    EXPECT_EQ(Texto(Control::Msg), "antes");
    EXPECT_EQ(vista.Diario(), "Aviso Bruutoooooo!!!");
    EXPECT_EQ(vista.avisos.back().texto, "Fichero muuuuuuuu gordo :P (Max 50KB)");

    prog.Menu_Click(Menu::mnu_archivo_cargar);
    EXPECT_EQ(Texto(Control::Msg), std::string(60000, 'y'));
    EXPECT_EQ(vista.Registro("Texto Estado="),
              (std::vector<std::string>{"Texto Estado=Cargando....", "Texto Estado="}));

    prog.Menu_Click(Menu::mnu_archivo_cargar);
    EXPECT_EQ(Texto(Control::Msg), "hola\r\ncaracola");

    prog.Menu_Click(Menu::mnu_archivo_cargar);  // vanished after the dialog
    EXPECT_EQ(Texto(Control::Msg), "");
    EXPECT_EQ(vista.avisos.back().texto, "Fichero <C:\\M\\ya-no.sms> no encontrado");
}

TEST_F(ProgFicheros, LineaDeComandos) {
    disco.ficheros["C:\\Mis mensajes\\uno dos.sms"] = "con espacios\r\n";
    disco.ficheros["C:\\Rebanex\\rel.txt"] = "en el inicio";
    disco.ficheros["C:\\M\\grande.sms"] = std::string(70000, 'g');
    struct Caso {
        std::string linea, mensaje;
        std::size_t avisos;
    };
    for (const Caso& c : std::vector<Caso>{
             {"\"C:\\Mis mensajes\\uno dos.sms\"", "con espacios", 0},
             {"rel.txt", "en el inicio", 0},
             {"C:\\M\\grande.sms", std::string(70000, 'g'), 0},
             {"\"no-esta.sms\"", "", 1},
         }) {
        vista.avisos.clear();
        prog.Form_Load(kDirectorio, c.linea);
        EXPECT_EQ(Texto(Control::Msg), c.mensaje) << c.linea;
        EXPECT_EQ(vista.avisos.size(), c.avisos) << c.linea;
    }
    EXPECT_EQ(vista.avisos.back().texto, "Fichero <no-esta.sms> no encontrado");

    prog.Form_Load(kDirectorio, "\thola que tal");
    EXPECT_EQ(Texto(Control::Msg), "hola que tal");
    EXPECT_EQ(vista.Registro("Seleccion Msg").back(), "Seleccion Msg 12,1");
}

// Entry 1 first; the settings file holds the same under keys "1" to "5".
class ListaReemplazosProg : public ProgPrueba {
  protected:
    void EmpezarCon(const std::vector<std::string>& lista) {
        for (int i = 1; i <= 5; ++i) {
            memoria.EscribirCadena(kIni, "FicherosReemplazos", std::to_string(i),
                                   lista[static_cast<std::size_t>(i - 1)]);
        }
        Arrancar();
    }
    std::vector<std::string> Menus() {
        std::vector<std::string> v;
        for (int i = 1; i <= 5; ++i) {
            v.push_back(vista[ItemDeGrupo(Menu::mnu_reemplazos_fichero1, i)].texto);
        }
        return v;
    }
    std::vector<std::string> Claves() {
        std::vector<std::string> v;
        for (int i = 1; i <= 5; ++i) {
            v.push_back(
                memoria.ObtenerCadena(kIni, "FicherosReemplazos", std::to_string(i), "?", 255));
        }
        return v;
    }
};

TEST_F(ListaReemplazosProg, MovimientosDeLaLista) {
    using V = std::vector<std::string>;
    const V llena = {"R1", "R2", "R3", "R4", "R5"};
    struct Caso {
        V antes;
        Menu item;
        std::vector<std::string> dialogo;  // what the user picks in the dialog, if it opens
        V despues;
    };
    const std::vector<Caso> casos = {
        {llena, Menu::mnu_reemplazos_fichero3, {}, {"R3", "R1", "R2", "R4", "R5"}},
        {llena, Menu::mnu_reemplazos_fichero1, {}, llena},
        {llena, Menu::mnu_reemplazos_abrir, {"r2"}, {"R2", "R1", "R3", "R4", "R5"}},
        {llena, Menu::mnu_reemplazos_abrir, {"R5"}, {"R5", "R1", "R2", "R3", "R4"}},
        {llena, Menu::mnu_reemplazos_abrir, {"R6"}, {"R6", "R1", "R2", "R3", "R4"}},
        {llena, Menu::mnu_reemplazos_abrir, {}, llena},
        {{"R1", "", "", "", ""}, Menu::mnu_reemplazos_fichero4, {"R7"}, {"R7", "R1", "", "", ""}},
    };
    for (const Caso& c : casos) {
        EmpezarCon(c.antes);
        dialogos.pedidos.clear();
        dialogos.respuestas.assign(c.dialogo.begin(), c.dialogo.end());
        prog.Menu_Click(c.item);
        const std::string como = c.despues[0] + " " + std::to_string(static_cast<int>(c.item));
        EXPECT_EQ(Menus(), c.despues) << como;
        EXPECT_EQ(Claves(), c.despues) << como;
        EXPECT_EQ(prog.RutaReemplazos(), c.despues[0]) << como;
        EXPECT_EQ(dialogos.pedidos.size(),
                  c.item == Menu::mnu_reemplazos_fichero3 || c.item == Menu::mnu_reemplazos_fichero1
                      ? 0u
                      : 1u)
            << como;
    }
    EXPECT_EQ(dialogos.pedidos[0],
              "Archivos TXT (*.txt) \0 *.txt\0\0|Cargar Archivo de Reemplazos...|C:\\Rebanex\\|0"s);
}

TEST_F(ListaReemplazosProg, CadaCambioSeEscribeEnSeguida) {
    EmpezarCon({"R1", "R2", "R3", "R4", "R5"});
    prog.Menu_Click(Menu::mnu_reemplazos_fichero3);
    EXPECT_EQ(perfil.escrituras,
              (std::vector<std::string>{"FicherosReemplazos/3=R2", "FicherosReemplazos/2=R1",
                                        "FicherosReemplazos/1=R3"}));

    // A read-only Rebanex.ini keeps its keys; the menu and the current file change anyway.
    memoria.SoloLectura(kIni);
    dialogos.respuestas = {"R9"};
    prog.Menu_Click(Menu::mnu_reemplazos_abrir);
    EXPECT_EQ(Menus(), (std::vector<std::string>{"R9", "R3", "R1", "R2", "R4"}));
    EXPECT_EQ(Claves(), (std::vector<std::string>{"R3", "R1", "R2", "R4", "R5"}));
    EXPECT_EQ(prog.RutaReemplazos(), "R9");
}

TEST_F(ProgFicheros, AbrirFicheroDeReemplazos) {
    Arrancar();  // the current file is C:\Rebanex\Rebanex.txt, still missing
    const std::string ruta = "C:\\Rebanex\\Rebanex.txt";
    const std::string abrir = "Abrir " + ruta + "|||5";

    disco.soloLectura.insert(ruta);
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_EQ(vista.Diario(), "Aviso Upss no ta!!!; Aviso Ein!!! No puidorrrllll!!!");
    EXPECT_EQ(vista.avisos.back().texto, "Error al intentar escribir en " + ruta);
    EXPECT_TRUE(shell.llamadas.empty());

    disco.soloLectura.clear();
    OlvidarRegistro();
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_EQ(vista.Diario(), "Aviso Upss no ta!!!");
    EXPECT_EQ(vista.avisos.back().texto,
              "No he encontrado el fichero de Reemplazos '" + ruta + "', voy a Crearlo!!!");
    EXPECT_EQ(disco.ficheros[ruta], Troceado::TextoReemplazosPorDefecto());
    EXPECT_EQ(shell.llamadas, std::vector<std::string>{abrir});

    OlvidarRegistro();
    disco.ficheros[ruta] = "cambiado";
    prog.Menu_Click(Menu::mnu_opciones_fichR);  // there now: opened without a word
    EXPECT_TRUE(vista.registro.empty());
    EXPECT_EQ(disco.ficheros[ruta], "cambiado");
    EXPECT_EQ(shell.llamadas.back(), abrir);
}

TEST_F(ListaReemplazosProg, FicheroDeReemplazosRelativoAlInicio) {
    EmpezarCon({"reglas.txt", "", "", "", ""});
    disco.ficheros["C:\\Rebanex\\reglas.txt"] = "x";
    prog.Menu_Click(Menu::mnu_opciones_fichR);
    EXPECT_TRUE(vista.avisos.empty());
    EXPECT_EQ(shell.llamadas, std::vector<std::string>{"Abrir C:\\Rebanex\\reglas.txt|||5"});
}

}  // namespace
}  // namespace rebanex::prueba
