#include "cli/AvisadorConsola.h"

namespace rebanex::cli {

Respuesta AvisadorConsola::Avisar(const Aviso& aviso) {
    // Standard error keeps LF in both encodings: it is never a data stream.
    error_.Escribir(salida_.Texto(TextoAviso(aviso)) + '\n');
    return aviso.botones == Botones::SiNo ? Respuesta::Si : Respuesta::Aceptar;
}

}  // namespace rebanex::cli
