// Finding, starting and tidying Mensatel's windows.
#include <utility>

#include "host/ControlMensatel.h"

namespace rebanex {

ControlMensatel::ControlMensatel(Escritorio& escritorio, const Sistema& sistema, Avisador& avisador,
                                 std::string directorioEjecutable, std::string directorioInicio)
    : escritorio_(escritorio),
      sistema_(sistema),
      avisador_(avisador),
      directorioEjecutable_(std::move(directorioEjecutable)),
      directorioInicio_(std::move(directorioInicio)) {}

Aviso AvisoSinDorvax() {
    return Aviso{
        "Upps!!! No encuentro el fichero 'Dorvax.exe.', \r\r\rCopiame en su directorio\r\r",
        "Dorvax.exe no ta aki!!!"};
}

Aviso AvisoSinVentanaMensatel() {
    return Aviso{"No ha aparecido la ventana del Mensatel.", "Rebanex"};
}

Aviso AvisoMensatelNoResponde() {
    return Aviso{
        "Upss!!! El Mensatel no responde, parece que se ha quedado colgado.\r\r"
        "No he pegado nada. Espera a que se recupere (o ciérralo) y prueba otra vez.",
        "Mensatel colgado!!!"};
}

// Asked before anything else is done to its windows: a program that has stopped answering
// would hang Rebanex in any call that waits for it.
bool ControlMensatel::Responde(VentanaId ventana) {
    if (escritorio_.Responde(ventana)) {
        return true;
    }
    avisador_.Avisar(AvisoMensatelNoResponde());
    return false;
}

Busqueda ControlMensatel::MostrarMensatel() {
    const std::optional<VentanaId> hallada = escritorio_.BuscarVentana(kVentanaAplicacionMensatel);
    if (!hallada) {
        return EjecutarMensatel() ? Busqueda::Encontrada : Busqueda::FaltaEjecutable;
    }
    const VentanaId aplicacion = *hallada;
    if (!Responde(aplicacion)) {
        return Busqueda::NoResponde;
    }
    if (escritorio_.Minimizada(aplicacion)) {
        escritorio_.Restaurar(aplicacion);
    } else {
        escritorio_.PonerEnPrimerPlano(aplicacion);
    }
    return Busqueda::Encontrada;
}

bool ControlMensatel::EjecutarMensatel() {
    const std::string ruta = directorioEjecutable_ + "dorvax.exe";
    if (!sistema_.disco.EsFichero(ruta)) {
        avisador_.Avisar(AvisoSinDorvax());
        return false;
    }
    sistema_.shell.Abrir(ruta, "", directorioInicio_, Mostrar::TalCual);
    escritorio_.Dormir(50);
    return true;
}

std::optional<VentanaId> ControlMensatel::BuscarVentanaPrincipal() {
    for (std::string_view titulo : kTitulosMensatel) {
        if (const std::optional<VentanaId> v = escritorio_.BuscarVentana(titulo)) {
            return v;
        }
    }
    return std::nullopt;
}

// A Mensatel that was just started takes a while to show its main window; one that never
// does, or a user who gives up with Escape, ends the wait.
std::optional<VentanaId> ControlMensatel::EsperarVentanaPrincipal() {
    std::optional<VentanaId> ventana = BuscarVentanaPrincipal();
    if (ventana) {
        return ventana;
    }
    MostrarEstado(std::string(kEstadoEsperando));
    const int64_t inicio = escritorio_.Milisegundos();
    while (!ventana && !cancelado_ && escritorio_.Milisegundos() - inicio < kEsperaVentanaMs) {
        escritorio_.ProcesarEventos();
        ventana = BuscarVentanaPrincipal();
    }
    MostrarEstado("");
    return ventana;
}

void ControlMensatel::MostrarEstado(const std::string& texto) {
    if (mostrarEstado_) {
        mostrarEstado_(texto);
    }
}

std::variant<VentanaMensatel, Busqueda> ControlMensatel::BuscarVentanaMensatel() {
    if (const Busqueda mostrado = MostrarMensatel(); mostrado != Busqueda::Encontrada) {
        return mostrado;
    }
    const std::optional<VentanaId> hallada = EsperarVentanaPrincipal();
    if (!hallada) {
        avisador_.Avisar(AvisoSinVentanaMensatel());
        return Busqueda::SinVentana;
    }
    const VentanaId principal = *hallada;
    if (!Responde(principal)) {
        return Busqueda::NoResponde;
    }
    escritorio_.SubirYActivar(principal);
    escritorio_.Dormir(10);
    CerrarVentanasSecundarias();
    AjustarVentanaEnPantalla(principal, escritorio_.Rectangulo(principal));
    const RectVentana rect = escritorio_.Rectangulo(principal);
    ClickEnPunto(rect.izquierda + (rect.derecha - rect.izquierda) / 2,
                 rect.arriba + (rect.abajo - rect.arriba) / 2);
    escritorio_.Dormir(50);
    escritorio_.ProcesarEventos();
    return VentanaMensatel{principal, rect};
}

bool ControlMensatel::Activar(std::string_view titulo) {
    std::optional<VentanaId> v = escritorio_.BuscarVentana(titulo);
    if (!v) {
        v = escritorio_.BuscarVentanaPorPrefijo(titulo);
    }
    return v && escritorio_.PonerEnPrimerPlano(*v);
}

// Only one of them is closed: the options window stays when the phone book was open.
void ControlMensatel::CerrarVentanasSecundarias() {
    bool activada = Activar(kAgendaMensatel);
    escritorio_.ProcesarEventos();
    if (!activada) {
        activada = Activar(kOpcionesMensatel);
        escritorio_.ProcesarEventos();
    }
    if (activada) {
        escritorio_.PulsarTeclas(Tecla::Escape);
    }
}

// Mensatel's fields are found by fixed points, so the whole window must be on screen.
void ControlMensatel::AjustarVentanaEnPantalla(VentanaId ventana, const RectVentana& rect) {
    const Tamanyo pantalla = escritorio_.PantallaPrincipal();
    int32_t dy = 0;
    if (rect.abajo > pantalla.alto) {
        dy = pantalla.alto - rect.abajo;
    } else if (rect.arriba < 0) {
        dy = -rect.arriba;
    }
    int32_t dx = 0;
    if (rect.derecha > pantalla.ancho) {
        dx = pantalla.ancho - rect.derecha;
    } else if (rect.izquierda < 0) {
        dx = -rect.izquierda;
    }
    if (dx == 0 && dy == 0) {
        return;
    }
    escritorio_.ProcesarEventos();
    escritorio_.ProcesarEventos();
    escritorio_.Dormir(50);
    escritorio_.Colocar(ventana, rect.izquierda + dx, rect.arriba + dy,
                        rect.derecha - rect.izquierda, rect.abajo - rect.arriba);
}

}  // namespace rebanex
