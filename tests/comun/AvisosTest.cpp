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

const char* const kIconos[] = {"Exclamacion", "Pregunta", "Informacion"};

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

// Every CR of the text shows as "\r" and ends a line, so that a changed line diffs alone.
std::string Dibujar(const std::string& nombre, const Aviso& a) {
    std::string s = "[" + nombre + "]\ntitulo: " + a.titulo +
                    "\nicono: " + kIconos[static_cast<int>(a.icono)] +
                    "\nbotones: " + (a.botones == Botones::SiNo ? "SiNo" : "Aceptar") + "\ntexto: ";
    for (char c : a.texto) {
        s += c == '\r' ? "\\r\n| " : c == '\n' ? "\\n" : std::string(1, c);
    }
    s += "\n\n";
    // An empty line of the text leaves no trailing blank for an editor to strip.
    for (std::size_t p = 0; (p = s.find("\n| \n", p)) != std::string::npos;) {
        s.erase(p + 2, 1);
    }
    return s;
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
