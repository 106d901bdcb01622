#include "cli/Formato.h"

#include "transforms/Caracteres.h"
#include "transforms/Firma.h"
#include "transforms/Reemplazos.h"

namespace rebanex::cli {

std::optional<std::string> AplicarFormato(ComandoFormato comando, const EntradaPartir& entrada,
                                          Avisador& avisador) {
    std::string texto = entrada.mensaje;
    switch (comando) {
        case ComandoFormato::Acentos:
            QuitarAcentos(texto);
            break;
        case ComandoFormato::Minusculas:
            CambiarLetras(texto, false);
            break;
        case ComandoFormato::Mayusculas:
            CambiarLetras(texto, true);
            break;
        case ComandoFormato::Espacios:
            QuitarMultiEspacios(texto);
            break;
        case ComandoFormato::Reemplazar: {
            const std::size_t limite = LargoMaximoReemplazos(entrada.opciones.MsgMax);
            if (AplicarReemplazos(texto, entrada.rutaReemplazos, avisador, limite) ==
                FinReemplazos::Limite) {
                avisador.Avisar(AvisoReemplazosSinFin(limite));
                return std::nullopt;
            }
            break;
        }
        case ComandoFormato::Firma:  // the signature button: nothing without a signature
            if (!entrada.firma.empty()) {
                InsertarFirmaEnPosicion(texto, entrada.firma, entrada.opciones.FirmarEnPosicion,
                                        entrada.cursor);
            }
            break;
    }
    return texto;
}

}  // namespace rebanex::cli
