// Start-up: the window takes the settings, Mensatel's colours and signature.
#include <cstdint>
#include <string>

#include "app/Prog.h"
#include "comun/Direcciones.h"
#include "comun/FechaVersion.h"
#include "files/Mensajes.h"
#include "host/AjustesMensatel.h"
#include "sistema/Rutas.h"

namespace rebanex {

Prog::Prog(const Entorno& entorno)
    : vista_(entorno.vista),
      anfitrion_(entorno.anfitrion),
      sistema_(entorno.sistema),
      ini_(entorno.sistema.perfil) {}

void Prog::Iniciar(const std::string& directorioActual, const std::string& lineaComandos) {
    vista_.FijarTitulo(vista_.Titulo() + "  -  " + FechaTitulo());
    vista_.FijarTextoMenu(
        Menu::EnviarMailAutor,
        "&Enviar mail al autor (" + std::string(direcciones::kMailAutor) + ") Bugs y otras cosas");
    DirectorioInicio_ = ConBarraFinal(directorioActual);
    ini_.FijarFicheroIni(DirectorioInicio_ + std::string(kFicheroAjustes));
    CargarConfiguracion();
    MostrarResumenOpciones();
    // An unreadable file must not pass for one without colours or signature unnoticed.
    if (FicheroLegible(sistema_.disco, DirectorioInicio_ + std::string(kFicheroMensatel), vista_,
                       "Sigo sin sus colores ni su firma.")) {
        AplicarColoresMensatel();
        FirmaMensatel_ = LeerFirmaMensatel(ini_, DirectorioInicio_, &vista_);
    }
    if (!lineaComandos.empty()) {
        CargarLineaComandos(lineaComandos);
    }
}

void Prog::CargarConfiguracion() {
    EstadoAjustes estado;
    estado.opciones = LeerOpciones();  // the form's initial ticks
    estado.ventana = vista_.Ventana();
    for (int i = 1; i <= kFicherosRecientes; ++i) {
        estado.ficheros[i - 1] = vista_.TextoMenu(ItemDeGrupo(Menu::FicheroReemplazos1, i));
    }
    estado.rutaReemplazos = RutaReemplazos_;
    const Rectangulo antes = estado.ventana;
    CargarAjustes(ini_, sistema_.disco, DirectorioInicio_, vista_.Pantalla(), estado, vista_);
    AplicarAjustes(estado, antes);
}

// The file is read in full first and then shown; the order of the reads and writes is the
// loader's, and the window ends up the same as if each value had been applied as read.
void Prog::AplicarAjustes(const EstadoAjustes& cargado, const Rectangulo& ventanaAntes) {
    MostrarOpciones(cargado.opciones);
    if (cargado.ventana.izquierda != ventanaAntes.izquierda ||
        cargado.ventana.arriba != ventanaAntes.arriba) {
        vista_.MoverVentana(cargado.ventana.izquierda, cargado.ventana.arriba);
    }
    for (int i = 1; i <= kFicherosRecientes; ++i) {
        vista_.FijarTextoMenu(ItemDeGrupo(Menu::FicheroReemplazos1, i), cargado.ficheros[i - 1]);
    }
    RutaReemplazos_ = cargado.rutaReemplazos;
}

// Without Mensatel's colours both boxes keep the ones they were designed with.
void Prog::AplicarColoresMensatel() {
    if (const std::optional<ColoresMensatel> colores =
            LeerColoresMensatel(ini_, DirectorioInicio_)) {
        vista_.FijarColores(Control::Msg, colores->texto, colores->fondo);
        vista_.FijarColores(Control::Trozo, colores->texto, colores->fondo);
    }
}

}  // namespace rebanex
