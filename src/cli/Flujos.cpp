#include "cli/Flujos.h"

#include "sistema/Ficheros.h"

namespace rebanex::cli {

void DestinoFichero::Escribir(std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size()) {
        entero_ = false;
    }
}

bool DestinoFichero::Terminar() {
    return std::fflush(f_) == 0 && entero_ && !std::ferror(f_);
}

std::optional<std::string> EntradaEstandar::LeerTodo() {
    return ficheros::LeerEntradaEstandar();
}

}  // namespace rebanex::cli
