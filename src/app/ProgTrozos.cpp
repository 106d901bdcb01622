// The piece view: one piece at a time, the four arrows and the copy button.
#include <string>

#include "app/Prog.h"
#include "comun/Numeros.h"

namespace rebanex {

// Edits made in Trozo are never stored: showing a piece always takes it from the list.
void Prog::MostrarTrozo(int32_t indice) {
    const bool existe = indice >= 0 && static_cast<std::size_t>(indice) < lista_.Trozos.size();
    vista_.FijarTexto(Control::Trozo, existe ? lista_.Trozos[indice] : std::string());
}

void Prog::ActualizarBotones() {
    const bool ultimo = lista_.TrozoActual == lista_.NumTrozos;
    const bool primero = lista_.TrozoActual == 1;
    vista_.FijarHabilitado(Control::der, !ultimo);
    vista_.FijarHabilitado(Control::topeDer, !ultimo);
    vista_.FijarHabilitado(Control::izq, !primero);
    vista_.FijarHabilitado(Control::topeIzq, !primero);
}

std::string Prog::TextoContadorTrozos() const {
    return Decimal(lista_.TrozoActual) + "/" + Decimal(lista_.NumTrozos);
}

void Prog::ActualizarContador() {
    vista_.FijarTexto(Control::Contador, TextoContadorTrozos());
    vista_.Repintar(Control::Contador);
}

void Prog::topeIzq_Click() {
    lista_.TrozoActual = 1;
    MostrarTrozo(1);
    ActualizarBotones();
    ActualizarContador();
}

void Prog::izq_Click() {
    if (lista_.TrozoActual > 1) {
        --lista_.TrozoActual;
        MostrarTrozo(lista_.TrozoActual);
        ActualizarContador();
    }
    ActualizarBotones();
}

void Prog::der_Click() {
    if (lista_.TrozoActual < lista_.NumTrozos) {
        ++lista_.TrozoActual;
        MostrarTrozo(lista_.TrozoActual);
        ActualizarContador();
    }
    ActualizarBotones();
}

void Prog::topeDer_Click() {
    lista_.TrozoActual = lista_.NumTrozos;
    MostrarTrozo(lista_.NumTrozos);
    ActualizarBotones();
    ActualizarContador();
}

void Prog::Trozo_Change() {
    const std::string trozo = vista_.Texto(Control::Trozo);
    vista_.FijarHabilitado(Control::Copiar, !trozo.empty());
    vista_.FijarTexto(Control::LonTrozo, Decimal(static_cast<long long>(trozo.size())));
}

// Pasting hands over the piece as shown, edits included, and moves on only when it is
// done; copying without Mensatel puts the whole untransformed message on the clipboard,
// whichever piece is shown.
void Prog::Copiar_Click() {
    if (vista_.Marcado(Menu::mnu_opciones_pegar)) {
        if (PasaAlSiguiente(anfitrion_.Pegar(vista_.Texto(Control::Trozo)))) {
            der_Click();
        }
    } else {
        entorno_.portapapeles.Copiar(vista_.Texto(Control::Msg));
    }
}

void Prog::Mensatel_Click() {
    anfitrion_.Mostrar();
}

}  // namespace rebanex
