// Message files, the command line and the rules files with their recent list.
#include <string>

#include "app/Prog.h"
#include "files/Filtro.h"
#include "files/ListaReemplazos.h"
#include "files/Mensajes.h"
#include "settings/Ajustes.h"
#include "sistema/Shell.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex {

void Prog::ElegirMensaje() {
    const std::string ruta = ElegirFichero(sistema_.dialogos, kFiltroMensajes,
                                           std::string(kTituloCargarMensaje), DirectorioInicio_);
    if (ruta.empty()) {
        return;
    }
    // A file that vanished meanwhile is left to the loader, which says it is not there.
    const std::optional<std::uint64_t> tamanyo = sistema_.disco.Tamanyo(ruta);
    if (tamanyo && *tamanyo > kMaximoMensaje) {
        vista_.Avisar(AvisoFicheroGordo());
        return;
    }
    MostrarEstado("Cargando....");
    CargarMensaje(ruta);
    MostrarEstado("");
}

void Prog::CargarLineaComandos(const std::string& lineaComandos) {
    const LineaComandos linea = InterpretarLineaComandos(lineaComandos);
    if (linea.esTexto) {
        vista_.FijarTexto(Control::Msg, linea.valor);
        vista_.Seleccionar(Control::Msg, static_cast<long long>(linea.valor.size()), 1);
    } else {
        CargarMensaje(linea.valor);
    }
}

// What the user typed stays when the file cannot be read.
void Prog::CargarMensaje(const std::string& ruta) {
    if (auto texto = CargarFicheroMensaje(ruta, DirectorioInicio_, sistema_.disco, vista_)) {
        vista_.FijarTexto(Control::Msg, *texto);
    }
}

void Prog::ElegirFicheroReemplazos() {
    const std::string ruta = ElegirFichero(sistema_.dialogos, kFiltroReemplazos,
                                           std::string(kTituloCargarReemplazos), DirectorioInicio_);
    if (ruta.empty()) {
        return;
    }
    const int posicion = PosicionEnLista(ListaDelMenu(), ruta);
    if (posicion != 0) {
        UsarFicheroReciente(posicion);
    } else {
        ElegirReemplazos(ruta, kFicherosRecientes);
    }
}

void Prog::UsarFicheroReciente(int indice) {
    const std::string ruta = vista_.TextoMenu(ItemDeGrupo(Menu::FicheroReemplazos1, indice));
    if (ruta.empty()) {
        ElegirFicheroReemplazos();
        return;
    }
    ElegirReemplazos(ruta, indice);
}

// The menu has an item for each of them.
static_assert(ItemDeGrupo(Menu::FicheroReemplazos1, kFicherosRecientes) ==
              Menu::FicheroReemplazos5);

ListaReemplazos Prog::ListaDelMenu() {
    ListaReemplazos lista;
    for (int i = 1; i <= kFicherosRecientes; ++i) {
        lista[i - 1] = vista_.TextoMenu(ItemDeGrupo(Menu::FicheroReemplazos1, i));
    }
    return lista;
}

// The menu is the list: it changes even when Rebanex.ini cannot be written.
void Prog::ElegirReemplazos(const std::string& ruta, int hasta) {
    const ListaReemplazos lista = SubirALaCabeza(ListaDelMenu(), hasta, ruta);
    LoteIni lote;
    for (int i = hasta; i >= 1; --i) {
        vista_.FijarTextoMenu(ItemDeGrupo(Menu::FicheroReemplazos1, i), lista[i - 1]);
        lote.Escribir(kSeccionFicheros, std::to_string(i), lista[i - 1]);
    }
    lote.Aplicar(ini_, sistema_.disco);
    RutaReemplazos_ = ruta;
}

// The file goes to the text editor as its parameter, whatever its name ends in: opened by its
// own type, a rules file named "reglas.bat" would be run.
void Prog::AbrirFicheroReemplazos() {
    std::string ruta = RutaReemplazos_;
    if (!sistema_.disco.EsFichero(ruta)) {
        if (sistema_.disco.EsFichero(DirectorioInicio_ + ruta)) {
            ruta = DirectorioInicio_ + ruta;
        } else {
            vista_.Avisar(AvisoReemplazosNoEncontrado(ruta));
            if (!sistema_.disco.Escribir(ruta, TextoReemplazosPorDefecto())) {
                vista_.Avisar(AvisoErrorEscribirReemplazos(ruta));
                return;
            }
        }
    }
    sistema_.shell.Abrir(sistema_.shell.EditorDeTexto(), "\"" + ruta + "\"", "", Mostrar::TalCual);
}

}  // namespace rebanex
