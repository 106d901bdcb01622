#include "cli/Formato.h"

#include "transforms/Caracteres.h"
#include "transforms/Firma.h"
#include "transforms/Reemplazos.h"

namespace rebanex::consola {

namespace {

// The signature button: front, end, or at the caret.
void Firmar(std::string& texto, const EntradaPartir& entrada) {
    if (entrada.firma.empty()) {
        return;
    }
    switch (entrada.opciones.FirmarEnPosicion) {
        case 1:
            Troceado::InsertarFirma(texto, entrada.firma, 1);
            break;
        case 2:
            Troceado::InsertarFirma(texto, entrada.firma, 2);
            break;
        default:
            Troceado::InsertarFirmaEnCursor(texto, entrada.firma, entrada.cursor);
    }
}

}  // namespace

std::string AplicarFormato(ComandoFormato comando, const EntradaPartir& entrada,
                           Avisador& avisador) {
    std::string texto = entrada.mensaje;
    switch (comando) {
        case ComandoFormato::Acentos:
            Troceado::QuitarAcentos(texto);
            break;
        case ComandoFormato::Minusculas:
            Troceado::CambiarLetras(texto, false);
            break;
        case ComandoFormato::Mayusculas:
            Troceado::CambiarLetras(texto, true);
            break;
        case ComandoFormato::Espacios:
            Troceado::QuitarMultiEspacios(texto);
            break;
        case ComandoFormato::Reemplazar:
            Troceado::AplicarReemplazos(texto, entrada.rutaReemplazos, avisador);
            break;
        case ComandoFormato::Firma:
            Firmar(texto, entrada);
            break;
    }
    return texto;
}

}  // namespace rebanex::consola
