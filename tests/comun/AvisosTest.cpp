// Every message box as text, against one reviewed file, so other tests just name their box.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

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

TEST(Avisos, CadaCajaComoEnElFicheroDeReferencia) {
    // clang-format off
    const std::pair<std::string, Aviso> cajas[] = {
            CAJA(AvisoMensajeVacio), CAJA(AvisoSoloNumeros), CAJA(AvisoTamanyoCero),
            CAJA(AvisoSinSitioGuion), CAJA(AvisoMinimoIndicadores), CAJA(AvisoFirmaGrande),
            {"AvisoSinSitioTexto(Indicador)", AvisoSinSitioTexto(SinSitio::Indicador)},
            {"AvisoSinSitioTexto(Firma)", AvisoSinSitioTexto(SinSitio::Firma)},
            {"AvisoSinSitioTexto(Ambos)", AvisoSinSitioTexto(SinSitio::Ambos)}, CAJA(AvisoDemasiadosTrozos),
            CAJA(AvisoErrorAbrirReemplazos, kRuta), CAJA(AvisoLineaRara, 12, kRuta),
            CAJA(AvisoReemplazosNoEncontrado, kRuta), CAJA(AvisoErrorEscribirReemplazos, kRuta),
            CAJA(AvisoErrorGuardarConfiguracion), CAJA(AvisoErrorGuardarPosicion),
            CAJA(AvisoFicheroNoEncontrado, "uno.sms"), CAJA(AvisoFicheroGordo), CAJA(AvisoAyuda),
            CAJA(AvisoFicheroIlegible, "uno.sms", MotivoFallo::EnUso),
            CAJA(AvisoFicheroIlegible, "C:\\R", MotivoFallo::EsCarpeta, "Sigo sin ello."),
            CAJA(AvisoFicheroIlegible, "a", MotivoFallo::SinPermiso),
            CAJA(AvisoFicheroIlegible, "b", MotivoFallo::ErrorLectura),
            CAJA(AvisoReemplazosSinFin, 32767 * 160),
            CAJA(AvisoCreditos), CAJA(AvisoMensatelLogAusente), CAJA(AvisoSinNavegador),
            CAJA(AvisoErrorNavegador), CAJA(PreguntaBajarActualizador), CAJA(AvisoDescargaFallida),
            CAJA(AvisoActualizadorNoArranca, "C:\\Mensatel\\Actualix.exe"), CAJA(AvisoSinDorvax),
            CAJA(AvisoSinVentanaMensatel), CAJA(AvisoCampoMensajeLleno), CAJA(AvisoTrozoDemasiadoLargo),
            CAJA(AvisoMensatelNoResponde), CAJA(AvisoPortapapelesOcupado),
            CAJA(AvisoPortapapelesNoRestaurado),
            {"AvisoDeFallo(std::bad_alloc)", AvisoDeFallo(std::make_exception_ptr(std::bad_alloc()))},
            {"AvisoDeFallo(otro)", AvisoDeFallo(std::make_exception_ptr(std::runtime_error("x")))}};
    // clang-format on
    // One line per box: "[name] icon buttons: title | text", the CRs of the text shown.
    const char* const iconos[] = {"Exclamacion", "Pregunta", "Informacion"};
    std::string dibujo;
    for (const auto& [nombre, a] : cajas) {
        dibujo += "[" + nombre + "] " + iconos[static_cast<int>(a.icono)] +
                  (a.botones == Botones::SiNo ? " SiNo: " : " Aceptar: ") + a.titulo + " | ";
        for (char c : a.texto) {
            dibujo += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
        }
        dibujo += "\n";
    }
    pruebas::CompararConReferencia("avisos.txt", dibujo);
}

}  // namespace
}  // namespace rebanex
