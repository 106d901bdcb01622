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

#define CAJA(funcion, ...) \
    { #funcion, funcion(__VA_ARGS__) }

std::vector<std::pair<std::string, Aviso>> Todos() {
    using namespace Troceado;
    // clang-format off
    return {CAJA(AvisoMensajeVacio), CAJA(AvisoSoloNumeros), CAJA(AvisoTamanyoCero),
            CAJA(AvisoSinSitioGuion), CAJA(AvisoMinimoIndicadores), CAJA(AvisoFirmaGrande),
            CAJA(AvisoSinSitioTexto), CAJA(AvisoDemasiadosTrozos),
            CAJA(AvisoErrorAbrirReemplazos, kRuta), CAJA(AvisoLineaRara, 12, kRuta),
            CAJA(AvisoReemplazosNoEncontrado, kRuta), CAJA(AvisoErrorEscribirReemplazos, kRuta),
            CAJA(AvisoErrorGuardarConfiguracion), CAJA(AvisoErrorGuardarPosicion),
            CAJA(AvisoFicheroNoEncontrado, "uno.sms"), CAJA(AvisoFicheroGordo), CAJA(AvisoAyuda),
            CAJA(AvisoCreditos), CAJA(AvisoMensatelLogAusente), CAJA(AvisoSinNavegador),
            CAJA(AvisoErrorNavegador), CAJA(PreguntaBajarActualizador), CAJA(AvisoDescargaFallida),
            CAJA(AvisoActualizadorNoArranca, "C:\\Mensatel\\Actualix.exe"), CAJA(AvisoSinDorvax),
            CAJA(AvisoSinVentanaMensatel), CAJA(AvisoCampoMensajeLleno), CAJA(AvisoTrozoDemasiadoLargo),
            {"AvisoDeFallo(std::bad_alloc)", AvisoDeFallo(std::make_exception_ptr(std::bad_alloc()))},
            {"AvisoDeFallo(otro)", AvisoDeFallo(std::make_exception_ptr(std::runtime_error("x")))}};
    // clang-format on
}

// One line per box: "[name] icon buttons: title | text", the CRs of the text shown.
std::string Dibujar(const std::string& nombre, const Aviso& a) {
    const char* const iconos[] = {"Exclamacion", "Pregunta", "Informacion"};
    std::string s = "[" + nombre + "] " + iconos[static_cast<int>(a.icono)] +
                    (a.botones == Botones::SiNo ? " SiNo: " : " Aceptar: ") + a.titulo + " | ";
    for (char c : a.texto) {
        s += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return s + "\n";
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
