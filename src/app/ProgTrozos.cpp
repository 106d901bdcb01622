// The piece view: one piece at a time, the four arrows and the copy button.
#include <string>

#include "app/Prog.h"
#include "comun/Numeros.h"
#include "host/ControlMensatel.h"
#include "split/Partir.h"

namespace rebanex {

// Edits made in Trozo are never stored: showing a piece always takes it from the list.
void Prog::MostrarTrozo(int32_t numero) {
    const bool existe = numero >= 1 && static_cast<std::size_t>(numero) <= trozos_.size();
    vista_.FijarTexto(Control::Trozo, existe ? trozos_[numero - 1] : std::string());
}

void Prog::ActualizarBotones() {
    const bool ultimo = trozoActual_ == static_cast<int32_t>(trozos_.size());
    const bool primero = trozoActual_ == 1;
    vista_.FijarHabilitado(Control::TrozoSiguiente, !ultimo);
    vista_.FijarHabilitado(Control::UltimoTrozo, !ultimo);
    vista_.FijarHabilitado(Control::TrozoAnterior, !primero);
    vista_.FijarHabilitado(Control::PrimerTrozo, !primero);
}

std::string Prog::TextoContadorTrozos() const {
    return Decimal(trozoActual_) + "/" + Decimal(static_cast<int32_t>(trozos_.size()));
}

void Prog::ActualizarContador() {
    vista_.FijarTexto(Control::Contador, TextoContadorTrozos());
    vista_.Repintar(Control::Contador);
}

void Prog::IrAlPrimerTrozo() {
    trozoActual_ = 1;
    MostrarTrozo(1);
    ActualizarBotones();
    ActualizarContador();
}

void Prog::IrAlTrozoAnterior() {
    if (trozoActual_ > 1) {
        --trozoActual_;
        MostrarTrozo(trozoActual_);
        ActualizarContador();
    }
    ActualizarBotones();
}

void Prog::IrAlTrozoSiguiente() {
    if (trozoActual_ < static_cast<int32_t>(trozos_.size())) {
        ++trozoActual_;
        MostrarTrozo(trozoActual_);
        ActualizarContador();
    }
    ActualizarBotones();
}

void Prog::IrAlUltimoTrozo() {
    trozoActual_ = static_cast<int32_t>(trozos_.size());
    MostrarTrozo(static_cast<int32_t>(trozos_.size()));
    ActualizarBotones();
    ActualizarContador();
}

void Prog::TrozoCambiado() {
    const std::string trozo = vista_.Texto(Control::Trozo);
    vista_.FijarHabilitado(Control::Copiar, !trozo.empty());
    vista_.FijarTexto(Control::LargoTrozo, Decimal(static_cast<long long>(trozo.size())));
    vista_.FijarTexto(Control::SmsTrozo,
                      medidaSms_ && !trozo.empty()
                          ? TextoMedida(MedirTrozo(trozo, medidaSms_->tabla, medidaSms_->msgMax))
                          : std::string());
}

// Pasting hands over the piece as shown, edits included, and moves on only when it is
// done; copying without Mensatel puts the whole untransformed message on the clipboard,
// whichever piece is shown.
void Prog::CopiarTrozo() {
    if (vista_.Marcado(Menu::CopiarTrozoAlMensatel)) {
        if (PasaAlSiguiente(anfitrion_.Pegar(vista_.Texto(Control::Trozo)))) {
            IrAlTrozoSiguiente();
        }
    } else if (!sistema_.portapapeles.EscribirTexto(vista_.Texto(Control::Msg))) {
        vista_.Avisar(AvisoPortapapelesOcupado());
    }
}

void Prog::MostrarMensatel() {
    anfitrion_.Mostrar();
}

}  // namespace rebanex
