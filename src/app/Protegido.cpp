#include "app/Protegido.h"

#include <new>

namespace rebanex {

Aviso AvisoDeFallo(const std::exception_ptr& fallo) {
    std::string texto = "No se ha podido terminar la operación. El mensaje sigue intacto.";
    try {
        if (fallo) {
            std::rethrow_exception(fallo);
        }
    } catch (const std::bad_alloc&) {
        texto = "No hay memoria suficiente para terminar la operación. El mensaje sigue intacto.";
    } catch (...) {  // NOLINT(bugprone-empty-catch): the general text stands
    }
    return Aviso{texto, "Rebanex", Icono::Exclamacion, Botones::Aceptar};
}

}  // namespace rebanex
