// The message view: live counter, clearing, Escape, the way back from the pieces.
#include <string>

#include "app/Prog.h"
#include "split/Contador.h"

namespace rebanex {

namespace {
constexpr int kTeclaEscape = 27;
constexpr int kBotonDerecho = 2;
}  // namespace

void Prog::MensajeCambiado() {
    if (vista_.Marcado(Menu::TrozosSms)) {
        const bool espanola = vista_.Marcado(Menu::TablaEspanola);
        vista_.FijarTexto(Control::ContadorMensaje,
                          TextoContadorSms(vista_.Texto(Control::Msg),
                                           espanola ? TablaGsm::Espanola : TablaGsm::Basica,
                                           vista_.SeparadorMiles()));
        return;
    }
    vista_.FijarTexto(Control::ContadorMensaje,
                      TextoContador(vista_.Longitud(Control::Msg), vista_.Texto(Control::LongMax),
                                    vista_.SeparadorMiles()));
}

void Prog::BorrarMensaje() {
    vista_.FijarTexto(Control::Msg, "");
    vista_.FijarTexto(Control::Trozo, "");
    vista_.FijarTexto(Control::Contador, "");
    // The first/last buttons are left as they are: nothing reaches them from here.
    vista_.FijarHabilitado(Control::TrozoAnterior, false);
    vista_.FijarHabilitado(Control::TrozoSiguiente, false);
    vista_.Enfocar(Control::Msg);
}

void Prog::VolverAlMensaje() {
    MostrarVistaMensaje(true);
    vista_.Enfocar(Control::Msg);
}

// In the message view Escape clears the message, and on an empty one leaves. In the piece
// view it is the cancel key of "Editar Msg", which the window handles here too. While
// Mensatel is waited for, it only ends that wait.
void Prog::TeclaPulsada(int keyCode, int /*shift*/) {
    if (keyCode != kTeclaEscape) {
        return;
    }
    if (anfitrion_.Ocupado()) {
        anfitrion_.Cancelar();
        return;
    }
    if (vista_.Visible(Control::MarcoTrozo)) {
        VolverAlMensaje();
    } else if (!vista_.Texto(Control::Msg).empty()) {
        BorrarMensaje();
    } else {
        Salir();
    }
}

void Prog::ClicEnTrocear(int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button == kBotonDerecho) {
        vista_.MostrarMenuOpciones();
    }
}

void Prog::ClicEnOpciones(int button, int shift, float x, float y) {
    ClicEnTrocear(button, shift, x, y);
}

// Long commands keep the thread busy, so the label is painted at once.
void Prog::MostrarEstado(const std::string& texto) {
    vista_.FijarTexto(Control::Estado, texto);
    vista_.Repintar(Control::Estado);
}

void Prog::MostrarVistaMensaje(bool b) {
    vista_.FijarVisible(Control::MarcoMensaje, b);
    vista_.FijarHabilitado(Control::MarcoMensaje, b);
    vista_.FijarVisible(Control::MarcoTrozo, !b);
    vista_.FijarHabilitado(Control::MarcoTrozo, !b);
}

}  // namespace rebanex
