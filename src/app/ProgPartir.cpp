// The split button and the maximum length read from Mensatel.
#include <string>

#include "app/Prog.h"
#include "split/Partir.h"

namespace rebanex {

namespace {

void MostrarFallo(Vista& vista, const FalloPartir& fallo) {
    const Control foco = fallo.foco == ControlFoco::LongMax ? Control::LongMax : Control::Msg;
    vista.Avisar(fallo.aviso);
    vista.Enfocar(foco);
    if (fallo.seleccionarTodo) {
        vista.Seleccionar(foco, 0, static_cast<long long>(vista.Texto(foco).size()));
    }
}

}  // namespace

// While Mensatel is waited for, a split is refused: it would replace the pieces under the
// paste and ask Mensatel again.
void Prog::Trocear() {
    if (anfitrion_.Ocupado()) {
        return;
    }
    EntradaPartir entrada;
    entrada.mensaje = vista_.Texto(Control::Msg);
    entrada.cursor = vista_.InicioSeleccion(Control::Msg);
    entrada.opciones = LeerOpciones();
    entrada.firma = FirmaMensatel_;
    entrada.rutaReemplazos = RutaReemplazos_;

    PasosPartir pasos;
    pasos.mostrarEstado = [this](const std::string& texto) { MostrarEstado(texto); };
    pasos.obtenerTamanyo = [this] { LeerLongMaxDeMensatel(); };

    // A refused split keeps the pieces of the previous one; a new list starts at piece 0.
    ResultadoPartir resultado = rebanex::Partir(std::move(entrada), vista_, pasos);
    if (const auto* fallo = std::get_if<FalloPartir>(&resultado)) {
        MostrarFallo(vista_, *fallo);
        return;
    }
    trozos_ = std::get<ListaTrozos>(resultado).Textos();
    trozoActual_ = 0;
    IrAlTrozoSiguiente();  // from 0 to piece 1
    vista_.FijarTexto(Control::Contador, TextoContadorTrozos());
    MostrarEstado("");
    MostrarVistaMensaje(false);
}

// Mensatel absent or its size field unreadable: LongMax keeps what it had.
void Prog::LeerLongMaxDeMensatel() {
    if (const auto tamanyo = anfitrion_.LeerLongitudMaxima()) {
        vista_.FijarTexto(Control::LongMax, *tamanyo);
    }
}

}  // namespace rebanex
