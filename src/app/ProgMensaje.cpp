// The message view: live counter, clearing, Escape, the way back from the pieces.
#include <string>

#include "app/Prog.h"
#include "split/Contador.h"

namespace rebanex {

namespace {
constexpr int kTeclaEscape = 27;
constexpr int kBotonDerecho = 2;
}  // namespace

void Prog::Msg_Change() {
    if (vista_.Marcado(Menu::mnu_opciones_trozosSms)) {
        const bool espanola = vista_.Marcado(Menu::mnu_opciones_tablaEspanola);
        vista_.FijarTexto(Control::Stat,
                          TextoContadorSms(vista_.Texto(Control::Msg),
                                           espanola ? TablaGsm::Espanola : TablaGsm::Basica,
                                           vista_.SeparadorMiles()));
        return;
    }
    vista_.FijarTexto(Control::Stat,
                      TextoContador(vista_.Longitud(Control::Msg), vista_.Texto(Control::Lon),
                                    vista_.SeparadorMiles()));
}

void Prog::Nuevo_Click() {
    vista_.FijarTexto(Control::Msg, "");
    vista_.FijarTexto(Control::Trozo, "");
    vista_.FijarTexto(Control::Contador, "");
    // The first/last buttons are left as they are: nothing reaches them from here.
    vista_.FijarHabilitado(Control::izq, false);
    vista_.FijarHabilitado(Control::der, false);
    vista_.Enfocar(Control::Msg);
}

void Prog::Editar_Click() {
    MostrarVistaMensaje(true);
    vista_.Enfocar(Control::Msg);
}

// In the message view Escape clears the message, and on an empty one leaves. In the piece
// view it is the cancel key of "Editar Msg", which the window handles here too. While
// Mensatel is waited for, it only ends that wait.
void Prog::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode != kTeclaEscape) {
        return;
    }
    if (anfitrion_.Ocupado()) {
        anfitrion_.Cancelar();
        return;
    }
    if (vista_.Visible(Control::frmTrozo)) {
        Editar_Click();
    } else if (!vista_.Texto(Control::Msg).empty()) {
        Nuevo_Click();
    } else {
        mnu_archivo_salir_Click();
    }
}

void Prog::Partir_MouseDown(int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button == kBotonDerecho) {
        vista_.MostrarMenuOpciones();
    }
}

void Prog::Opciones_MouseDown(int button, int shift, float x, float y) {
    Partir_MouseDown(button, shift, x, y);
}

// Long commands keep the thread busy, so the label is painted at once.
void Prog::MostrarEstado(const std::string& texto) {
    vista_.FijarTexto(Control::Estado, texto);
    vista_.Repintar(Control::Estado);
}

void Prog::MostrarVistaMensaje(bool b) {
    vista_.FijarVisible(Control::frmMsg, b);
    vista_.FijarHabilitado(Control::frmMsg, b);
    vista_.FijarVisible(Control::frmTrozo, !b);
    vista_.FijarHabilitado(Control::frmTrozo, !b);
}

}  // namespace rebanex
