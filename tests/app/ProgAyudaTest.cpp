// Help and credits boxes, web links and mail, the log viewer and the hand-over to the updater.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "files/Actualizador.h"
#include "files/Ayuda.h"
#include "files/Direcciones.h"

namespace rebanex::prueba {
namespace {

using ProgAyuda = ProgPrueba;
const std::string kMarcador = "C:\\Temp\\TempHtm.html";

TEST_F(ProgAyuda, AyudaCreditosYCorreo) {
    Arrancar();
    EXPECT_EQ(vista[Menu::mnu_ayuda_enviarmsg].texto,
              "&Enviar mail al autor (quelvo@example.com) Bugs y otras cosas");
    prog.Menu_Click(Menu::mnu_ayuda_utilidad);
    prog.Menu_Click(Menu::mnu_ayuda_acerca);
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{AvisoAyuda(), AvisoCreditos()}));

    prog.Menu_Click(Menu::mnu_ayuda_enviarmsg);
    EXPECT_EQ(shell.llamadas, std::vector<std::string>{"Abrir mailto:quelvo@example.com|||5"});
}

TEST_F(ProgAyuda, EnlacesEnElNavegador) {
    Arrancar();
    shell.navegador = "  C:\\Navegador\\nav.exe ";
    const std::vector<std::pair<Menu, std::string_view>> enlaces = {
        {Menu::mnu_ayuda_peich, Direcciones::kPeichMensatel},
        {Menu::mnu_ayuda_foro, Direcciones::kForoMensatel},
        {Menu::mnu_ayuda_chat, Direcciones::kChatMensatel},
        {Menu::mnu_ayuda_faqMensatel, Direcciones::kFaqMensatel},
    };
    for (const auto& [menu, url] : enlaces) {
        shell.llamadas.clear();
        disco.borrados.clear();
        prog.Menu_Click(menu);
        EXPECT_EQ(shell.llamadas,
                  (std::vector<std::string>{"Buscar " + kMarcador, "Abrir C:\\Navegador\\nav.exe|" +
                                                                       std::string(url) + "||1"}));
        EXPECT_TRUE(shell.marcadorPresente);
        EXPECT_FALSE(disco.EsFichero(kMarcador));
        EXPECT_EQ(disco.borrados, std::vector<std::string>{kMarcador});
    }
    EXPECT_TRUE(Direcciones::kChatMensatel.ends_with("demochat/canal.html?can=mensatel"));
    EXPECT_TRUE(Direcciones::kForoMensatel.ends_with("/foros/mensatel"));
    EXPECT_TRUE(vista.avisos.empty());
}

TEST_F(ProgAyuda, FallosDelNavegador) {
    Arrancar();
    struct Caso {
        bool escribible;
        std::optional<std::string> navegador;
        int resultado;
        std::string texto;
    };
    for (const Caso& c : std::vector<Caso>{
             {true, std::nullopt, 42, "No puedo encontrar el navegador"},
             {false, "C:\\nav.exe", 42, "No puedo encontrar el navegador"},
             {true, "C:\\nav.exe", 32, "Cachisssss!!! Error al abrir el navegador!"},
         }) {
        disco.soloLectura.clear();
        if (!c.escribible) {
            disco.soloLectura.insert(kMarcador);
        }
        shell.navegador = c.navegador;
        shell.resultadoAbrir = c.resultado;
        vista.avisos.clear();
        disco.borrados.clear();
        prog.Menu_Click(Menu::mnu_ayuda_foro);
        EXPECT_EQ(vista.avisos, (std::vector<Aviso>{Aviso{c.texto, "Rebanex"}})) << c.texto;
        EXPECT_FALSE(disco.EsFichero(kMarcador));
        EXPECT_EQ(disco.borrados, std::vector<std::string>{kMarcador});
    }
}

TEST_F(ProgAyuda, MensatelLog) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_archivo_mensatellog);
    EXPECT_EQ(vista.avisos, std::vector<Aviso>{AvisoMensatelLogAusente()});
    EXPECT_TRUE(shell.llamadas.empty());

    disco.ficheros["C:\\Mensatel\\MensatelLog.exe"] = "";
    prog.Menu_Click(Menu::mnu_archivo_mensatellog);
    EXPECT_EQ(shell.llamadas,
              std::vector<std::string>{"Abrir C:\\Mensatel\\MensatelLog.exe||C:\\Rebanex\\|5"});
    EXPECT_EQ(vista.avisos.size(), 1u);
}

class ProgActualizar : public ProgPrueba {
  protected:
    const std::string web = std::string(Direcciones::kWebActualizaciones);
    const std::string linea =
        "Ejecutar C:\\Mensatel\\Actualix.exe 2002/01/01\"C:\\Mensatel\\"
        "rebanex.exe\"" +
        web + "Rebanex.dat\"" + web + "Rebanex.exe";
};

TEST_F(ProgActualizar, ConElActualizadorPresenteLoArrancaYCierra) {
    Arrancar();
    disco.ficheros["C:\\Mensatel\\Actualix.exe"] = "";
    prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
    EXPECT_EQ(shell.llamadas, std::vector<std::string>{linea});
    EXPECT_TRUE(vista.avisos.empty());
    EXPECT_TRUE(vista.cerrada);
}

TEST_F(ProgActualizar, SinElActualizador) {
    Arrancar();
    shell.navegador = "C:\\nav.exe";
    struct Caso {
        Respuesta respuesta;
        bool descarga, arranca;
        std::vector<std::string> llamadas;
        std::vector<std::string> diario;  // the boxes' titles after the question
        bool cerrada;
    };
    const std::string descargar = "Descargar " + web + "Actualix.exe>C:\\Mensatel\\Actualix.exe";
    for (const Caso& c : std::vector<Caso>{
             {Respuesta::No,
              true,
              true,
              {"Buscar C:\\Temp\\TempHtm.html", "Abrir C:\\nav.exe|" + web + "Rebanex.zip||1"},
              {},
              false},
             {Respuesta::Si, true, true, {descargar, linea}, {}, true},
             {Respuesta::Si, false, true, {descargar}, {"No se ha podido descargar"}, false},
             {Respuesta::Si, true, false, {descargar, linea}, {"Rebanex"}, false},
         }) {
        shell.llamadas.clear();
        shell.descarga = c.descarga;
        shell.arranca = c.arranca;
        vista.cerrada = false;
        vista.avisos.clear();
        vista.respuestas = {c.respuesta};
        OlvidarRegistro();
        prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
        const std::string como = c.llamadas.back();
        EXPECT_EQ(shell.llamadas, c.llamadas) << como;
        ASSERT_FALSE(vista.avisos.empty());
        EXPECT_EQ(vista.avisos[0], PreguntaBajarActualizador());
        std::vector<std::string> titulos;
        for (std::size_t i = 1; i < vista.avisos.size(); ++i) {
            titulos.push_back(vista.avisos[i].titulo);
            EXPECT_EQ(vista.avisos[i].icono, Icono::Exclamacion);
        }
        EXPECT_EQ(titulos, c.diario) << como;
        EXPECT_EQ(vista.cerrada, c.cerrada) << como;
        if (c.respuesta == Respuesta::Si) {
            EXPECT_EQ(vista.Registro("Texto Estado=").front(), "Texto Estado=Descargando...");
            EXPECT_EQ(vista.Registro("Texto Estado=").back(),
                      c.cerrada ? "Texto Estado=Descargando..." : "Texto Estado=");
        }
    }
    EXPECT_EQ(PreguntaBajarActualizador().texto,
              "No he encontrado el actualizador Actualix\r\r¿ Desea bajarlo e Instalarlo? "
              "(Tamaño de la descarga < 20KB");
}

TEST_F(ProgActualizar, DirectorioDeActualizacionesDeRebanexIni) {
    memoria.EscribirCadena(kIni, "Rebanex", "WebActualizaciones", "http://127.0.0.1:8123/");
    Arrancar();
    vista.respuestas = {Respuesta::Si};
    prog.Menu_Click(Menu::mnu_ayuda_bajarNew);
    EXPECT_EQ(shell.llamadas.front(),
              "Descargar http://127.0.0.1:8123/Actualix.exe>C:\\Mensatel\\Actualix.exe");
    EXPECT_EQ(shell.llamadas.back(),
              "Ejecutar C:\\Mensatel\\Actualix.exe 2002/01/01\"C:\\Mensatel\\rebanex.exe\""
              "http://127.0.0.1:8123/Rebanex.dat\"http://127.0.0.1:8123/Rebanex.exe");
}

}  // namespace
}  // namespace rebanex::prueba
