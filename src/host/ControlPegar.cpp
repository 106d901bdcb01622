// Pasting a piece into Mensatel's message field and reading its size limit; the window's
// commands, one at a time.
#include <charconv>

#include "comun/Numeros.h"
#include "host/ControlMensatel.h"

namespace rebanex {

namespace {

// Marks the control busy for the length of one command.
class Turno {
  public:
    explicit Turno(bool& ocupado) : ocupado_(ocupado) { ocupado_ = true; }
    ~Turno() { ocupado_ = false; }
    Turno(const Turno&) = delete;
    Turno& operator=(const Turno&) = delete;

  private:
    bool& ocupado_;
};

// The numeric value as a plain decimal text: "145", "0", "145.5".
std::string TextoNumero(double valor) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
    return std::string(buffer, r.ptr);
}

}  // namespace

Aviso AvisoCampoMensajeLleno() {
    return Aviso{"No he podido vaciar el campo del mensaje del Mensatel.", "Rebanex"};
}

Aviso AvisoTrozoDemasiadoLargo() {
    return Aviso{
        "Usssss.... El Servidor no permite tanto texto en un sólo SMS\r\r"
        "Revisa el tamaño de los trozos!",
        "Epaaaaaaaa!!"};
}

// Whatever the user had typed into Mensatel's message field is discarded, so that the
// piece lands in an empty field.
std::optional<std::string> ControlMensatel::LeerTamanyoMsgMensatel(const RectVentana& rect) {
    const int64_t inicio = escritorio_.Milisegundos();
    bool vacio = false;
    do {
        escritorio_.PulsarTeclas(Tecla::AltZ);
        vacio = LeerTextoEnPunto(rect.izquierda + kCampoMensaje.x, rect.arriba + kCampoMensaje.y)
                    .empty();
        escritorio_.Dormir(5);
    } while (!vacio && escritorio_.Milisegundos() - inicio < kEsperaVaciadoMs);
    if (!vacio) {
        avisador_.Avisar(AvisoCampoMensajeLleno());
        return std::nullopt;
    }
    return LeerTextoEnPunto(rect.izquierda + kCampoTamanyo.x, rect.arriba + kCampoTamanyo.y);
}

ResultadoPegar ControlMensatel::PegarTrozoEnMensatel(const std::string& trozo) {
    VentanaId ventana = 0;
    RectVentana rect;
    switch (BuscarVentanaMensatel(ventana, rect)) {
        case Busqueda::FaltaEjecutable:
            return ResultadoPegar::SinMensatel;
        case Busqueda::SinVentana:
            return ResultadoPegar::SinVentana;
        case Busqueda::Encontrada:
            break;
    }
    const std::optional<std::string> tamanyo = LeerTamanyoMsgMensatel(rect);
    if (!tamanyo) {
        return ResultadoPegar::CampoLleno;
    }
    if (ValorNumerico(*tamanyo) < static_cast<double>(trozo.size())) {
        const VentanaId propia = escritorio_.VentanaPropia();
        escritorio_.SubirYActivar(propia);
        escritorio_.PonerEnPrimerPlano(propia);
        avisador_.Avisar(AvisoTrozoDemasiadoLargo());
        return ResultadoPegar::Rechazado;
    }
    const std::string guardado = escritorio_.LeerPortapapeles();
    escritorio_.VaciarPortapapeles();
    escritorio_.EscribirPortapapeles(trozo);
    escritorio_.PulsarTeclas(Tecla::CtrlV);
    escritorio_.ProcesarEventos();
    escritorio_.VaciarPortapapeles();
    escritorio_.EscribirPortapapeles(guardado);
    return ResultadoPegar::Pegado;
}

ResultadoPegar ControlMensatel::Pegar(const std::string& trozo) {
    if (ocupado_) {
        return ResultadoPegar::Ocupado;
    }
    Turno turno(ocupado_);
    cancelado_ = false;
    return PegarTrozoEnMensatel(trozo);
}

std::optional<std::string> ControlMensatel::LeerLongitudMaxima() {
    if (ocupado_) {
        return std::nullopt;
    }
    Turno turno(ocupado_);
    cancelado_ = false;
    VentanaId ventana = 0;
    RectVentana rect;
    if (BuscarVentanaMensatel(ventana, rect) != Busqueda::Encontrada) {
        return std::nullopt;
    }
    const std::optional<std::string> tamanyo = LeerTamanyoMsgMensatel(rect);
    return tamanyo ? std::optional(TextoNumero(ValorNumerico(*tamanyo))) : std::nullopt;
}

void ControlMensatel::Mostrar() {
    if (!ocupado_) {
        MostrarMensatel();
    }
}

// Starting another copy waits for nothing, so it is allowed while a command waits.
void ControlMensatel::Ejecutar() {
    EjecutarMensatel();
}

}  // namespace rebanex
