// The help menu's boxes and hand-overs, and the log viewer beside the program.
#include <string>
#include <vector>

#include "ProgPrueba.h"
#include "files/Ayuda.h"
#include "files/Direcciones.h"

namespace rebanex::prueba {
namespace {

using ProgAyuda = ProgPrueba;
using V = std::vector<std::string>;

// A link goes to the program that opens .html files, found through a placeholder file that
// is removed afterwards; without one, or when it fails to start, a box says so.
TEST_F(ProgAyuda, CajasEnlacesYMensatelLog) {
    Arrancar();
    prog.Menu_Click(Menu::mnu_ayuda_utilidad);
    prog.Menu_Click(Menu::mnu_ayuda_acerca);
    prog.Menu_Click(Menu::mnu_archivo_mensatellog);
    prog.Menu_Click(Menu::mnu_ayuda_peich);  // no browser
    sistema.navegador = " C:\\Nav\\nav.exe ";
    sistema.resultadoAbrir = 32;
    prog.Menu_Click(Menu::mnu_ayuda_foro);
    EXPECT_EQ(vista.avisos,
              (std::vector<Aviso>{AvisoAyuda(), AvisoCreditos(), AvisoMensatelLogAusente(),
                                  AvisoSinNavegador(), AvisoErrorNavegador()}));
    sistema.resultadoAbrir = 42;
    sistema.ficheros["C:\\Mensatel\\MensatelLog.exe"] = "";
    sistema.abiertos.clear();
    prog.Menu_Click(Menu::mnu_ayuda_chat);
    prog.Menu_Click(Menu::mnu_ayuda_faqMensatel);
    prog.Menu_Click(Menu::mnu_ayuda_enviarmsg);
    prog.Menu_Click(Menu::mnu_archivo_mensatellog);
    const auto web = [](std::string_view url) {
        return "C:\\Nav\\nav.exe|" + std::string(url) + "|";
    };
    EXPECT_EQ(sistema.abiertos, (V{web(Direcciones::kChatMensatel), web(Direcciones::kFaqMensatel),
                                   "mailto:" + std::string(Direcciones::kMailAutor) + "||",
                                   "C:\\Mensatel\\MensatelLog.exe||C:\\Rebanex\\"}));
    EXPECT_FALSE(sistema.EsFichero("C:\\Temp\\TempHtm.html"));
    EXPECT_EQ(vista.avisos.size(), 5u);
}

}  // namespace
}  // namespace rebanex::prueba
