// Every message box of the program, drawn as text and compared with one reviewed file, so that
// the other tests name the box they expect instead of spelling it again.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/Protegido.h"
#include "comun/Referencia.h"
#include "files/Actualizador.h"
#include "files/Ayuda.h"
#include "files/Mensajes.h"
#include "host/ControlMensatel.h"
#include "settings/Ajustes.h"
#include "split/Partir.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex {
namespace {

const std::string kRuta = "C:\\Mensatel\\Reglas.txt";

std::vector<std::pair<std::string, Aviso>> Todos() {
    using namespace Troceado;
    return {
        {"AvisoMensajeVacio", AvisoMensajeVacio()},
        {"AvisoSoloNumeros", AvisoSoloNumeros()},
        {"AvisoTamanyoCero", AvisoTamanyoCero()},
        {"AvisoSinSitioGuion", AvisoSinSitioGuion()},
        {"AvisoMinimoIndicadores", AvisoMinimoIndicadores()},
        {"AvisoFirmaGrande", AvisoFirmaGrande()},
        {"AvisoSinSitioTexto", AvisoSinSitioTexto()},
        {"AvisoDemasiadosTrozos", AvisoDemasiadosTrozos()},
        {"AvisoErrorAbrirReemplazos", AvisoErrorAbrirReemplazos(kRuta)},
        {"AvisoLineaRara", AvisoLineaRara(12, kRuta)},
        {"AvisoReemplazosNoEncontrado", AvisoReemplazosNoEncontrado(kRuta)},
        {"AvisoErrorEscribirReemplazos", AvisoErrorEscribirReemplazos(kRuta)},
        {"AvisoErrorGuardarConfiguracion", AvisoErrorGuardarConfiguracion()},
        {"AvisoErrorGuardarPosicion", AvisoErrorGuardarPosicion()},
        {"AvisoFicheroNoEncontrado", AvisoFicheroNoEncontrado("uno.sms")},
        {"AvisoFicheroGordo", AvisoFicheroGordo()},
        {"AvisoAyuda", AvisoAyuda()},
        {"AvisoCreditos", AvisoCreditos()},
        {"AvisoMensatelLogAusente", AvisoMensatelLogAusente()},
        {"AvisoSinNavegador", AvisoSinNavegador()},
        {"AvisoErrorNavegador", AvisoErrorNavegador()},
        {"PreguntaBajarActualizador", PreguntaBajarActualizador()},
        {"AvisoDescargaFallida", AvisoDescargaFallida()},
        {"AvisoActualizadorNoArranca", AvisoActualizadorNoArranca("C:\\Mensatel\\Actualix.exe")},
        {"AvisoSinDorvax", AvisoSinDorvax()},
        {"AvisoSinVentanaMensatel", AvisoSinVentanaMensatel()},
        {"AvisoCampoMensajeLleno", AvisoCampoMensajeLleno()},
        {"AvisoTrozoDemasiadoLargo", AvisoTrozoDemasiadoLargo()},
        {"AvisoDeFallo(std::bad_alloc)", AvisoDeFallo(std::make_exception_ptr(std::bad_alloc()))},
        {"AvisoDeFallo(otro)", AvisoDeFallo(std::make_exception_ptr(std::runtime_error("x")))},
    };
}

// One line "[name] icon buttons: title", then the text with each CR ending a line.
std::string Dibujar(const std::string& nombre, const Aviso& a) {
    const char* const iconos[] = {"Exclamacion", "Pregunta", "Informacion"};
    std::string s = "[" + nombre + "] " + iconos[static_cast<int>(a.icono)] +
                    (a.botones == Botones::SiNo ? " SiNo: " : " Aceptar: ") + a.titulo + "\n";
    for (char c : a.texto) {
        s += c == '\r' ? "\n" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return s + "\n\n";  // a blank line between boxes
}

TEST(Avisos, CadaCajaComoEnElFicheroDeReferencia) {
    std::string dibujo;
    for (const auto& [nombre, aviso] : Todos()) {
        dibujo += Dibujar(nombre, aviso);
    }
    pruebas::CompararConReferencia("avisos.txt", dibujo);
}

}  // namespace
}  // namespace rebanex
