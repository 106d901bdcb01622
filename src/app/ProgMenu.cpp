// Every menu item to its command, and the commands whose work is still to come.
#include "app/MenusOpciones.h"
#include "app/Prog.h"

namespace rebanex {

void Prog::EjecutarMenu(Menu m) {
    // The items of the twelve options toggle or choose; see the options table.
    if (const DefOpcion* o = OpcionDeMenu(m)) {
        return ClickOpcion(*o, m);
    }
    switch (m) {
        case Menu::mnu_archivo_cargar:
            return ElegirMensaje();
        case Menu::mnu_archivo_guardar:
            return GuardarMensaje();
        case Menu::mnu_archivo_mensatel:
            return EjecutarOtroMensatel();
        case Menu::mnu_archivo_mensatellog:
            return EjecutarMensatelLog();
        case Menu::mnu_archivo_salir:
            return Salir();

        case Menu::mnu_formato_acentos:
            return QuitarAcentosDelMensaje();
        case Menu::mnu_formato_letras1:
        case Menu::mnu_formato_letras2:
            return CambiarLetrasDelMensaje(IndiceEnGrupo(Menu::mnu_formato_letras1, m));
        case Menu::mnu_formato_espacio:
            return QuitarEspaciosDelMensaje();
        case Menu::mnu_formato_firma:
            return FirmarMensaje();
        case Menu::mnu_formato_auto:
            return ReemplazarPalabrasDelMensaje();

        case Menu::mnu_opciones_ventana:
            return CambiarRecordarPosicion();
        case Menu::mnu_opciones_guardarventana:
            return GuardarPosicion();
        case Menu::mnu_opciones_guardar:
            return GuardarOpciones();
        case Menu::mnu_opciones_fichR:
            return AbrirFicheroReemplazos();

        case Menu::mnu_reemplazos_abrir:
            return ElegirFicheroReemplazos();
        case Menu::mnu_reemplazos_fichero1:
        case Menu::mnu_reemplazos_fichero2:
        case Menu::mnu_reemplazos_fichero3:
        case Menu::mnu_reemplazos_fichero4:
        case Menu::mnu_reemplazos_fichero5:
            return UsarFicheroReciente(IndiceEnGrupo(Menu::mnu_reemplazos_fichero1, m));

        case Menu::mnu_ayuda_utilidad:
            return MostrarAyuda();
        case Menu::mnu_ayuda_acerca:
            return MostrarCreditos();
        case Menu::mnu_ayuda_bajarNew:
            return DescargarUltimaVersion();
        case Menu::mnu_ayuda_enviarmsg:
            return EscribirAlAutor();
        case Menu::mnu_ayuda_peich:
        case Menu::mnu_ayuda_foro:
        case Menu::mnu_ayuda_chat:
        case Menu::mnu_ayuda_faqMensatel:
            return AbrirEnlace(m);
        default:
            return;  // the options' items, handled above
    }
}

// Nothing is saved or asked on the way out.
void Prog::Salir() {
    vista_.Cerrar();
}

// "Salvar Mensaje" has never had a command.
void Prog::GuardarMensaje() {}

// Another Mensatel is started even when one runs.
void Prog::EjecutarOtroMensatel() {
    anfitrion_.Ejecutar();
}

}  // namespace rebanex
