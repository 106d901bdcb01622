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

Aviso AvisoPortapapelesOcupado() {
    return Aviso{
        "Otro programa está usando el portapapeles y no me deja tocarlo.\r\r"
        "No he copiado ni pegado nada: espera un momentito y prueba otra vez.",
        "Portapapeles ocupado!!!"};
}

Aviso AvisoPortapapelesNoRestaurado() {
    return Aviso{
        "El trozo está pegado, pero no he podido devolver al portapapeles lo que "
        "tenía antes: otro programa lo estaba usando.",
        "Ojo con el portapapeles!!"};
}

// Whatever the user had typed into Mensatel's message field is discarded, so that the
// piece lands in an empty field. A Mensatel that hangs meanwhile reads as empty fields, so
// it is asked once more before its texts are believed.
std::optional<std::string> ControlMensatel::LeerTamanyoMsgMensatel(VentanaId ventana,
                                                                   const RectVentana& rect) {
    const int64_t inicio = escritorio_.Milisegundos();
    bool vacio = false;
    do {
        escritorio_.PulsarTeclas(Tecla::AltZ);
        vacio = LeerTextoEnPunto(rect.izquierda + kCampoMensaje.x, rect.arriba + kCampoMensaje.y)
                    .empty();
        escritorio_.Dormir(5);
    } while (!vacio && escritorio_.Milisegundos() - inicio < kEsperaVaciadoMs);
    if (!Responde(ventana)) {
        return std::nullopt;
    }
    if (!vacio) {
        avisador_.Avisar(AvisoCampoMensajeLleno());
        return std::nullopt;
    }
    return LeerTextoEnPunto(rect.izquierda + kCampoTamanyo.x, rect.arriba + kCampoTamanyo.y);
}

// The clipboard is the user's: Ctrl+V goes only once the piece is on it, and whatever it
// held comes back afterwards. A restore that fails does not undo the paste, so the copy
// command still moves on; the box says what was lost.
ResultadoPegar ControlMensatel::PegarPorPortapapeles(const std::string& trozo) {
    Portapapeles& portapapeles = sistema_.portapapeles;
    const std::optional<CopiaPortapapeles> guardado = portapapeles.Guardar();
    if (!guardado) {
        avisador_.Avisar(AvisoPortapapelesOcupado());
        return ResultadoPegar::PortapapelesOcupado;
    }
    if (!portapapeles.EscribirTexto(trozo)) {
        portapapeles.Restaurar(*guardado);  // the write may have emptied it
        avisador_.Avisar(AvisoPortapapelesOcupado());
        return ResultadoPegar::PortapapelesOcupado;
    }
    escritorio_.PulsarTeclas(Tecla::CtrlV);
    escritorio_.ProcesarEventos();
    if (!portapapeles.Restaurar(*guardado)) {
        avisador_.Avisar(AvisoPortapapelesNoRestaurado());
    }
    return ResultadoPegar::Pegado;
}

ResultadoPegar ControlMensatel::PegarTrozoEnMensatel(const std::string& trozo) {
    const std::variant<VentanaMensatel, Busqueda> buscada = BuscarVentanaMensatel();
    if (const Busqueda* fallo = std::get_if<Busqueda>(&buscada)) {
        switch (*fallo) {
            case Busqueda::FaltaEjecutable:
                return ResultadoPegar::SinMensatel;
            case Busqueda::SinVentana:
            case Busqueda::Encontrada:  // never a failure
                return ResultadoPegar::SinVentana;
            case Busqueda::NoResponde:
                return ResultadoPegar::NoResponde;
        }
    }
    const VentanaMensatel& mensatel = std::get<VentanaMensatel>(buscada);
    const std::optional<std::string> tamanyo = LeerTamanyoMsgMensatel(mensatel.id, mensatel.rect);
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
    return PegarPorPortapapeles(trozo);
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
    const std::variant<VentanaMensatel, Busqueda> buscada = BuscarVentanaMensatel();
    const auto* mensatel = std::get_if<VentanaMensatel>(&buscada);
    if (mensatel == nullptr) {
        return std::nullopt;
    }
    const std::optional<std::string> tamanyo = LeerTamanyoMsgMensatel(mensatel->id, mensatel->rect);
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
