// The format menu and the signature button: transforms of the whole message, on demand.
#include <string>
#include <string_view>

#include "app/Prog.h"
#include "split/Partir.h"
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
// the counters through MensajeCambiado. A transform that gives up leaves the message alone.
void Prog::TransformarMensaje(std::string_view estado,
                              const std::function<bool(std::string&)>& transformar) {
    std::string texto = vista_.Texto(Control::Msg);
    MostrarEstado(std::string(estado));
    const bool hecho = transformar(texto);
    MostrarEstado("");
    if (hecho) {
        vista_.FijarTexto(Control::Msg, texto);
    }
}

void Prog::QuitarAcentosDelMensaje() {
    TransformarMensaje(kEstadoAcentos, [](std::string& t) {
        QuitarAcentos(t);
        return true;
    });
}

// Item 2 is upper case; anything else lower case.
void Prog::CambiarLetrasDelMensaje(int indice) {
    const bool mayusculas = indice == 2;
    TransformarMensaje(kEstadoLetras, [mayusculas](std::string& t) {
        CambiarLetras(t, mayusculas);
        return true;
    });
}

void Prog::QuitarEspaciosDelMensaje() {
    TransformarMensaje(kEstadoEspacios, [](std::string& t) {
        QuitarMultiEspacios(t);
        return true;
    });
}

// The text goes back even when the rules file could not be opened or the user stopped at
// a faulty line: whatever was replaced so far stays. Rules that keep lengthening it are
// stopped at the size no split could take.
void Prog::ReemplazarPalabrasDelMensaje() {
    const std::size_t limite = LargoMaximoReemplazos(vista_.Texto(Control::LongMax));
    bool cabe = true;
    TransformarMensaje(kEstadoReemplazos, [&](std::string& t) {
        cabe = AplicarReemplazos(t, RutaReemplazos_, vista_, limite) == FinReemplazos::Terminado;
        return cabe;
    });
    if (!cabe) {
        vista_.Avisar(AvisoReemplazosSinFin(limite));
    }
}

// Without a signature the button does nothing at all, not even move the focus.
void Prog::FirmarMensaje() {
    if (FirmaMensatel_.empty()) {
        return;
    }
    std::string texto = vista_.Texto(Control::Msg);
    InsertarFirmaEnPosicion(texto, FirmaMensatel_, LeerOpciones().FirmarEnPosicion,
                            vista_.InicioSeleccion(Control::Msg));
    vista_.FijarTexto(Control::Msg, texto);
    vista_.Enfocar(Control::Msg);
}

}  // namespace rebanex
