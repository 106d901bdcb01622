// Runs trocear in memory, for the console tool's tests.
#pragma once

#include "cli/Trocear.h"

namespace rebanex::cli::pruebas {

struct DestinoTexto : Destino {
    void Escribir(std::string_view bytes) override { texto += bytes; }
    bool Terminar() override { return true; }
    std::string texto;
};

struct OrigenTexto : Origen {
    explicit OrigenTexto(std::string t) : texto(std::move(t)) {}
    std::optional<std::string> LeerTodo() override { return texto; }
    std::string texto;
};

struct Resultado {
    int codigo = -1;
    std::string salida, error;
};

inline Resultado Trocear(const std::vector<std::string>& argumentos,
                         const std::string& entrada = {}) {
    OrigenTexto in(entrada);
    DestinoTexto out, err;
    const int codigo = EjecutarTrocear(argumentos, in, out, err);
    return {codigo, out.texto, err.texto};
}

}  // namespace rebanex::cli::pruebas
