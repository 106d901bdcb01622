// Every menu item to its command, and the commands whose work is still to come.
#include "app/MenusOpciones.h"
#include "app/Prog.h"

namespace rebanex {

void Prog::Menu_Click(Menu m) {
    // The items of the twelve options toggle or choose; see the options table.
    if (const DefOpcion* o = OpcionDeMenu(m)) {
        return ClickOpcion(*o, m);
    }
    switch (m) {
        case Menu::mnu_archivo_cargar:
            return mnu_archivo_cargar_Click();
        case Menu::mnu_archivo_guardar:
            return mnu_archivo_guardar_Click();
        case Menu::mnu_archivo_mensatel:
            return mnu_archivo_mensatel_Click();
        case Menu::mnu_archivo_mensatellog:
            return EjecutarMensatelLog();
        case Menu::mnu_archivo_salir:
            return mnu_archivo_salir_Click();

        case Menu::mnu_formato_acentos:
            return mnu_formato_acentos_Click();
        case Menu::mnu_formato_letras1:
        case Menu::mnu_formato_letras2:
            return mnu_formato_letras_Click(IndiceEnGrupo(Menu::mnu_formato_letras1, m));
        case Menu::mnu_formato_espacio:
            return mnu_formato_espacio_Click();
        case Menu::mnu_formato_firma:
            return btnFirma_Click();
        case Menu::mnu_formato_auto:
            return mnu_formato_auto_Click();

        case Menu::mnu_opciones_ventana:
            return mnu_opciones_ventana_Click();
        case Menu::mnu_opciones_guardarventana:
            return mnu_opciones_guardarventana_Click();
        case Menu::mnu_opciones_guardar:
            return mnu_opciones_guardar_Click();
        case Menu::mnu_opciones_fichR:
            return mnu_opciones_fichR_Click();

        case Menu::mnu_reemplazos_abrir:
            return mnu_reemplazos_abrir_Click();
        case Menu::mnu_reemplazos_fichero1:
        case Menu::mnu_reemplazos_fichero2:
        case Menu::mnu_reemplazos_fichero3:
        case Menu::mnu_reemplazos_fichero4:
        case Menu::mnu_reemplazos_fichero5:
            return mnu_reemplazos_fichero_Click(IndiceEnGrupo(Menu::mnu_reemplazos_fichero1, m));

        case Menu::mnu_ayuda_utilidad:
            return mnu_ayuda_utilidad_Click();
        case Menu::mnu_ayuda_acerca:
            return mnu_ayuda_acerca_Click();
        case Menu::mnu_ayuda_bajarNew:
            return mnu_ayuda_bajarNew_Click();
        case Menu::mnu_ayuda_enviarmsg:
            return mnu_ayuda_enviarmsg_Click();
        case Menu::mnu_ayuda_peich:
        case Menu::mnu_ayuda_foro:
        case Menu::mnu_ayuda_chat:
        case Menu::mnu_ayuda_faqMensatel:
            return mnu_ayuda_enlace_Click(m);
        default:
            return;  // the options' items, handled above
    }
}

// Nothing is saved or asked on the way out.
void Prog::mnu_archivo_salir_Click() {
    vista_.Cerrar();
}

// "Salvar Mensaje" has never had a command.
void Prog::mnu_archivo_guardar_Click() {}

// Another Mensatel is started even when one runs.
void Prog::mnu_archivo_mensatel_Click() {
    anfitrion_.Ejecutar();
}

}  // namespace rebanex
