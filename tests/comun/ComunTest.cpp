// The readers of numbers as the settings file and the boxes hold them, and the code page; every
// message box as text, against one reviewed file, so other tests just name their box.
#include <gtest/gtest.h>

#include <climits>
#include <new>
#include <stdexcept>

#include "app/Protegido.h"
#include "comun/Numeros.h"
#include "comun/Referencia.h"
#include "comun/Windows1252.h"
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

TEST(Numeros, ComoLosLeenLosAjustes) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const std::pair<std::string, double> numeros[] = {
        {"160abc", 160}, {"\t 7x", 7}, {"-.5", -0.5},
        {"1.2.3", 1.2},  {"- 5", 0},   {"0x10", 0},
        {"1e3", 1},      {"abc", 0},   {std::string(400, '9'), kInf}};
    for (const auto& [texto, valor] : numeros) {
        EXPECT_EQ(ValorNumerico(texto), valor) << texto;
    }
    // A flag is any whole number but zero, exponents allowed, nothing after it.
    const std::pair<const char*, bool> flags[] = {{" 2 ", true},     {"1E+3", true},
                                                  {"1e999", true},   {"0e5", false},
                                                  {"1e-999", false}, {"1abc", false}};
    for (const auto& [texto, si] : flags) {
        EXPECT_EQ(ValorSiNo(texto), si) << texto;
    }
    // Halves to even (the settings show it too), clamped to int32 or refused.
    EXPECT_EQ(RedondearPar(-kInf), INT32_MIN);
    EXPECT_EQ(RedondearParSiCabe(2147483647.5), std::nullopt);
    EXPECT_EQ(DecimalAgrupado(LLONG_MIN, "."), "-9.223.372.036.854.775.808");
}

std::string Utf8(std::u8string_view s) {
    return std::string(s.begin(), s.end());
}

// Outside text: UTF-8 converted (BOM dropped), accents joined, what is missing named once.
TEST(Windows1252, ComponeSustituyeYNombraLoQueFalta) {
    const std::tuple<std::string, std::string, std::u32string> casos[] = {
        {Utf8(u8"Jose\u0301 an\u0303o S\u030C"), "José año Š", U""},
        {Utf8(u8"A\u030A\u212B a\u0341\u037E"), "ÅÅ á;", U""},
        {Utf8(u8"\u200Bx\u2010\u2011 9\u2007km\u202F€\uFEFF"), "x-- 9\xA0km\xA0€", U""},
        {Utf8(u8"e\u0301\u0301 \U0001F600 \u0301\U0001F600"), "é? ? ??", U"\u0301\U0001F600"},
        {"\xEF\xBB\xBF\xC2\x80 \xE6\x97\xA5 a\xE2\x82\xED\xA0\x80\r\n", "? ? a?????\r\n",
         U"\u0080\u65E5\uFFFD"},
        {"Ram\xC3\xB3n \xF1", "Ram\xC3\xB3n \xF1", U""},  // not UTF-8: Windows-1252 already
    };
    for (const auto& [entrada, texto, sinConvertir] : casos) {
        // Also after ASCII that puts the rest across the blocks the text is read in.
        for (const std::size_t n : {0, 13, 15, 31}) {
            const std::size_t bom = entrada.starts_with("\xEF\xBB\xBF") ? 3 : 0;
            const std::string ascii(n, 'x');
            const Conversion1252 c =
                TextoWindows1252Detallado(std::string(entrada).insert(bom, ascii));
            EXPECT_EQ(c.texto, ascii + texto) << entrada;
            EXPECT_EQ(c.sinConvertir, sinConvertir) << entrada;
        }
    }
}

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
