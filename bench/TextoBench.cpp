// rebanex_texto BYTES: writes the benchmarks' Spanish-like text (Windows-1252) to standard
// output, to time whole runs of trocear on it.
#include <cstdio>
#include <cstdlib>

#include "TextoEspanyol.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Uso: rebanex_texto BYTES\n", stderr);
        return 1;
    }
    const std::string texto = rebanex::bench::TextoEspanyol(std::strtoull(argv[1], nullptr, 10));
    return std::fwrite(texto.data(), 1, texto.size(), stdout) == texto.size() &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}
