// The format menu and the signature button: transforms of the whole message, on demand.
#include <string>
#include <string_view>

#include "app/Prog.h"
#include "transforms/Caracteres.h"
#include "transforms/Firma.h"
#include "transforms/Reemplazos.h"

namespace rebanex {

namespace {
constexpr std::string_view kEstadoAcentos = "Eliminando Acentos...";
constexpr std::string_view kEstadoLetras = "Cambiando Formato de Letras...";
constexpr std::string_view kEstadoEspacios = "Eliminando Multi-Espacios...";
constexpr std::string_view kEstadoReemplazos = "Substituyendo Palabras...";
}  // namespace

// The status shows while the work keeps the thread busy; writing the text back refreshes
// the counters through Msg_Change.
void Prog::TransformarMensaje(std::string_view estado,
                              const std::function<void(std::string&)>& transformar) {
    std::string texto = vista_.Texto(Control::Msg);
    MostrarEstado(std::string(estado));
    transformar(texto);
    MostrarEstado("");
    vista_.FijarTexto(Control::Msg, texto);
}

void Prog::mnu_formato_acentos_Click() {
    TransformarMensaje(kEstadoAcentos, [](std::string& t) { Troceado::QuitarAcentos(t); });
}

// Item 2 is upper case; anything else lower case.
void Prog::mnu_formato_letras_Click(int indice) {
    const bool mayusculas = indice == 2;
    TransformarMensaje(kEstadoLetras,
                       [mayusculas](std::string& t) { Troceado::CambiarLetras(t, mayusculas); });
}

void Prog::mnu_formato_espacio_Click() {
    TransformarMensaje(kEstadoEspacios, [](std::string& t) { Troceado::QuitarMultiEspacios(t); });
}

// The text goes back even when the rules file could not be opened or the user stopped at
// a faulty line: whatever was replaced so far stays.
void Prog::mnu_formato_auto_Click() {
    TransformarMensaje(kEstadoReemplazos, [this](std::string& t) {
        Troceado::AplicarReemplazos(t, RutaReemplazos_, vista_);
    });
}

// Without a signature the button does nothing at all, not even move the focus.
void Prog::btnFirma_Click() {
    if (FirmaMensatel_.empty()) {
        return;
    }
    std::string texto = vista_.Texto(Control::Msg);
    Troceado::InsertarFirmaEnPosicion(texto, FirmaMensatel_,
                                      IndiceMarcado(Menu::mnu_opciones_firma_posicion1),
                                      vista_.InicioSeleccion(Control::Msg));
    vista_.FijarTexto(Control::Msg, texto);
    vista_.Enfocar(Control::Msg);
}

}  // namespace rebanex
