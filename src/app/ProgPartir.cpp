// The split button and the maximum length read from Mensatel.
#include <chrono>
#include <string>

#include "app/Prog.h"
#include "split/Partir.h"

namespace rebanex {

namespace {

// How long a split runs before its steps are painted as they come: a user sees no shorter
// pause, and under Wine each forced paint of the status took longer than the split itself.
constexpr std::chrono::milliseconds kPasosVisibles{50};

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
    const bool sms = entrada.opciones.TrozosSMS;
    entrada.firma = FirmaMensatel_;
    entrada.rutaReemplazos = RutaReemplazos_;

    PasosPartir pasos;
    const auto inicio = std::chrono::steady_clock::now();
    pasos.mostrarEstado = [this, inicio](const std::string& texto) {
        if (std::chrono::steady_clock::now() - inicio < kPasosVisibles) {
            vista_.FijarTexto(Control::Estado, texto);
        } else {
            MostrarEstado(texto);
        }
    };
    pasos.obtenerTamanyo = [this] { LeerLongMaxDeMensatel(); };

    // A refused split keeps the pieces of the previous one; a new list starts at piece 0.
    ResultadoPartir resultado = rebanex::Partir(std::move(entrada), vista_, pasos);
    if (const auto* fallo = std::get_if<FalloPartir>(&resultado)) {
        MostrarFallo(vista_, *fallo);
        return;
    }
    const ListaTrozos& lista = std::get<ListaTrozos>(resultado);
    trozos_ = lista.Textos();
    trozoActual_ = 0;
    medidaSms_.reset();
    std::string ucs2;
    if (sms) {
        medidaSms_ = MedidaSms{lista.Tabla(), lista.MsgMax()};
        ucs2 = TextoUcs2(lista);
    }
    IrAlTrozoSiguiente();  // from 0 to piece 1
    vista_.FijarTexto(Control::Contador, TextoContadorTrozos());
    // What forces UCS-2 stays said in both views, so that the text can be mended; painted with
    // the piece view, once the handler is done.
    vista_.FijarTexto(Control::Estado, ucs2);
    vista_.FijarTexto(Control::EstadoTrozos, ucs2);
    MostrarVistaMensaje(false);
}

// Mensatel absent or its size field unreadable: LongMax keeps what it had.
void Prog::LeerLongMaxDeMensatel() {
    if (const auto tamanyo = anfitrion_.LeerLongitudMaxima()) {
        vista_.FijarTexto(Control::LongMax, *tamanyo);
    }
}

}  // namespace rebanex
