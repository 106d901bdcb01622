// Start-up: the window takes the settings, Mensatel's colours and signature.
#include <cstdint>
#include <string>

#include "app/Prog.h"
#include "files/Direcciones.h"
#include "host/AjustesMensatel.h"

namespace rebanex {

namespace {
DiscoAusente discoAusente;
DialogosAusentes dialogosAusentes;
ShellAusente shellAusente;
}  // namespace

Prog::Prog(Vista& vista, PerfilPrivado& perfil, Anfitrion& anfitrion)
    : vista_(vista),
      ini_(perfil),
      anfitrion_(anfitrion),
      disco_(&discoAusente),
      dialogos_(&dialogosAusentes),
      shell_(&shellAusente) {}

void Prog::FijarSistema(Disco& disco, Dialogos& dialogos, Shell& shell) {
    disco_ = &disco;
    dialogos_ = &dialogos;
    shell_ = &shell;
}

void Prog::Form_Load(const std::string& directorioActual, const std::string& lineaComandos) {
    vista_.FijarTitulo(vista_.Titulo() + "  -  " + std::string(kVersionFecha));
    vista_.FijarTextoMenu(
        Menu::mnu_ayuda_enviarmsg,
        "&Enviar mail al autor (" + std::string(Direcciones::kMailAutor) + ") Bugs y otras cosas");
    DirectorioInicio_ = ConBarraFinal(directorioActual);
    ini_.FijarFicheroIni(DirectorioInicio_ + std::string(kFicheroAjustes));
    CargarConfiguracion();
    MostrarResumenOpciones();
    AplicarColoresMensatel();
    FirmaMensatel_ = LeerFirmaMensatel(ini_, DirectorioInicio_);
    if (!lineaComandos.empty()) {
        CargarLineaComandos(lineaComandos);
    }
}

void Prog::CargarConfiguracion() {
    EstadoAjustes estado;
    estado.opciones = LeerOpciones();  // the form's initial ticks
    estado.ventana = vista_.Ventana();
    for (int i = 1; i <= 5; ++i) {
        estado.ficheros[i - 1] = vista_.TextoMenu(ItemDeGrupo(Menu::mnu_reemplazos_fichero1, i));
    }
    estado.rutaReemplazos = RutaReemplazos_;
    const Rectangulo antes = estado.ventana;
    rebanex::CargarConfiguracion(ini_, DirectorioInicio_, vista_.Pantalla(), estado);
    AplicarAjustes(estado, antes);
}

// The file is read in full first and then shown; the order of the reads and writes is the
// loader's, and the window ends up the same as if each value had been applied as read.
void Prog::AplicarAjustes(const EstadoAjustes& cargado, const Rectangulo& ventanaAntes) {
    const Configuracion& o = cargado.opciones;
    vista_.FijarMarcado(Menu::mnu_opciones_inverso, o.Inverso);
    vista_.FijarMarcado(Menu::mnu_opciones_acentos, o.NoAcentos);
    vista_.FijarMarcado(Menu::mnu_opciones_espacios, o.NoMultiEspacios);
    vista_.FijarMarcado(Menu::mnu_opciones_indicador, o.IndicadorTrozos);
    vista_.FijarMarcado(Menu::mnu_opciones_pegar, o.CopiarTrozoAlMensatel);
    vista_.FijarMarcado(Menu::mnu_opciones_getTamanyo, o.ObtenerTamanyoMsg);
    vista_.FijarTexto(Control::Lon, o.MsgMax);
    MarcarLetras(o.Letras);
    // Only the ticks: the enabled state of "firma en trozos" is left to the position.
    vista_.FijarMarcado(Menu::mnu_opciones_firma_auto, o.FirmarAutomaticamente);
    vista_.FijarMarcado(Menu::mnu_opciones_firma_trozos, o.FirmarEnTrozos);
    MarcarPosicionFirma(o.FirmarEnPosicion);
    vista_.FijarMarcado(Menu::mnu_opciones_ventana, o.PosicionVentana);
    if (cargado.ventana.izquierda != ventanaAntes.izquierda ||
        cargado.ventana.arriba != ventanaAntes.arriba) {
        vista_.MoverVentana(cargado.ventana.izquierda, cargado.ventana.arriba);
    }
    for (int i = 1; i <= 5; ++i) {
        vista_.FijarTextoMenu(ItemDeGrupo(Menu::mnu_reemplazos_fichero1, i),
                              cargado.ficheros[i - 1]);
    }
    RutaReemplazos_ = cargado.rutaReemplazos;
    vista_.FijarMarcado(Menu::mnu_opciones_auto, o.AutoReemplazar);
}

// Without Mensatel's colours both boxes keep the ones they were designed with.
void Prog::AplicarColoresMensatel() {
    int32_t texto = 0;
    int32_t fondo = 0;
    if (LeerColoresMensatel(ini_, DirectorioInicio_, texto, fondo)) {
        vista_.FijarColores(Control::Msg, texto, fondo);
        vista_.FijarColores(Control::Trozo, texto, fondo);
    }
}

}  // namespace rebanex
