// Help, credits, web links, the log viewer and the hand-over to the updater.
#include <string>

#include "app/Prog.h"
#include "comun/Direcciones.h"
#include "files/Actualizador.h"
#include "files/Ayuda.h"
#include "sistema/Rutas.h"

namespace rebanex {

void Prog::MostrarAyuda() {
    vista_.Avisar(AvisoAyuda());
}

void Prog::MostrarCreditos() {
    vista_.Avisar(AvisoCreditos());
}

void Prog::EscribirAlAutor() {
    AbrirDocumento(sistema_.shell, "mailto:" + std::string(direcciones::kMailAutor));
}

void Prog::AbrirEnlace(Menu m) {
    switch (m) {
        case Menu::PeichMensatel:
            return AbrirEnNavegador(std::string(direcciones::kPeichMensatel));
        case Menu::ForoMensatel:
            return AbrirEnNavegador(std::string(direcciones::kForoMensatel));
        case Menu::ChatMensatel:
            return AbrirEnNavegador(std::string(direcciones::kChatMensatel));
        case Menu::FaqMensatel:
            return AbrirEnNavegador(std::string(direcciones::kFaqMensatel));
        default:
            return;
    }
}

void Prog::AbrirEnNavegador(const std::string& url) {
    rebanex::AbrirEnNavegador(sistema_.shell, sistema_.disco, vista_, url);
}

std::string Prog::DirectorioEjecutable() {
    return DirectorioDe(sistema_.shell.RutaEjecutable());
}

void Prog::EjecutarMensatelLog() {
    const std::string ruta = DirectorioEjecutable() + "MensatelLog.exe";
    if (sistema_.disco.EsFichero(ruta)) {
        sistema_.shell.Abrir(ruta, "", DirectorioInicio_, Mostrar::TalCual);
    } else {
        vista_.Avisar(AvisoMensatelLogAusente());
    }
}

// An updater that is no program (what a failed download once left) counts as missing. A
// download becomes the updater in one step, and only when it is a program: whatever else
// arrived is deleted, so that the next attempt asks again.
void Prog::DescargarUltimaVersion() {
    Disco& disco = sistema_.disco;
    const std::string actualizador = DirectorioEjecutable() + std::string(kActualizador);
    if (EsProgramaWindows(disco, actualizador)) {
        EjecutarActualizador();
        return;
    }
    const std::string web = WebActualizaciones(ini_);
    if (vista_.Avisar(PreguntaBajarActualizador()) != Respuesta::Si) {
        AbrirEnNavegador(web + "Rebanex.zip");
        return;
    }
    MostrarEstado("Descargando...");
    const std::string descarga = actualizador + std::string(kSufijoDescarga);
    disco.Borrar(descarga);
    if (sistema_.shell.Descargar(web + std::string(kActualizador), descarga) &&
        EsProgramaWindows(disco, descarga) && disco.Reemplazar(descarga, actualizador)) {
        EjecutarActualizador();
    } else {
        disco.Borrar(descarga);
        vista_.Avisar(AvisoDescargaFallida());
        MostrarEstado("");
    }
}

// Closing ends the program and nothing is saved; when the updater does not start, Rebanex
// stays open so that the user is not left with nothing running.
void Prog::EjecutarActualizador() {
    const std::string actualizador = DirectorioEjecutable() + std::string(kActualizador);
    if (sistema_.shell.Ejecutar(actualizador, LineaActualizador(sistema_.shell.RutaEjecutable(),
                                                                WebActualizaciones(ini_)))) {
        vista_.Cerrar();
        return;
    }
    vista_.Avisar(AvisoActualizadorNoArranca(actualizador));
    MostrarEstado("");
}

}  // namespace rebanex
