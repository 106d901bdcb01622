// Every menu item to its command, and the commands whose work is still to come.
#include "app/MenusOpciones.h"
#include "app/Prog.h"

namespace rebanex {

void Prog::EjecutarMenu(Menu m) {
    // The options' items toggle or choose; see the options table.
    if (const DefOpcion* o = OpcionDeMenu(m)) {
        return ClickOpcion(*o, m);
    }
    switch (m) {
        case Menu::CargarMensaje:
            return ElegirMensaje();
        case Menu::SalvarMensaje:
            return GuardarMensaje();
        case Menu::EjecutarMensatel:
            return EjecutarOtroMensatel();
        case Menu::EjecutarMensatelLog:
            return EjecutarMensatelLog();
        case Menu::Salir:
            return Salir();

        case Menu::EliminarAcentos:
            return QuitarAcentosDelMensaje();
        case Menu::CambiarLetras1:
        case Menu::CambiarLetras2:
            return CambiarLetrasDelMensaje(IndiceEnGrupo(Menu::CambiarLetras1, m));
        case Menu::EliminarMultiEspacios:
            return QuitarEspaciosDelMensaje();
        case Menu::InsertarFirma:
            return FirmarMensaje();
        case Menu::AutoReemplazarPalabras:
            return ReemplazarPalabrasDelMensaje();

        case Menu::RecordarPosicion:
            return CambiarRecordarPosicion();
        case Menu::GuardarPosicion:
            return GuardarPosicion();
        case Menu::GuardarOpciones:
            return GuardarOpciones();
        case Menu::AbrirFicheroReemplazos:
            return AbrirFicheroReemplazos();

        case Menu::ElegirFicheroReemplazos:
            return ElegirFicheroReemplazos();
        case Menu::FicheroReemplazos1:
        case Menu::FicheroReemplazos2:
        case Menu::FicheroReemplazos3:
        case Menu::FicheroReemplazos4:
        case Menu::FicheroReemplazos5:
            return UsarFicheroReciente(IndiceEnGrupo(Menu::FicheroReemplazos1, m));

        case Menu::PaQueSirvo:
            return MostrarAyuda();
        case Menu::AcercaDe:
            return MostrarCreditos();
        case Menu::DescargarUltimaVersion:
            return DescargarUltimaVersion();
        case Menu::EnviarMailAutor:
            return EscribirAlAutor();
        case Menu::PeichMensatel:
        case Menu::ForoMensatel:
        case Menu::ChatMensatel:
        case Menu::FaqMensatel:
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
