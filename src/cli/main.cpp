// trocear: cuts an SMS message into pieces from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Trocear.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <csignal>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The tool converts line breaks itself; the C runtime must pass the bytes untouched.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#else
    // A reader that went away must fail the write, which is reported, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    // trocear gathers its output in large blocks itself: each goes out in one write.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    try {
        const std::vector<std::string> argumentos(argv + (argc > 0 ? 1 : 0), argv + argc);
        rebanex::cli::EntradaEstandar entrada;
        rebanex::cli::DestinoFichero salida(stdout), error(stderr);
        return rebanex::cli::EjecutarTrocear(argumentos, entrada, salida, error);
    } catch (...) {  // only copying the arguments can get here
        std::fputs("trocear: no hay memoria suficiente para empezar\n", stderr);
        return rebanex::cli::kSalidaExcepcion;
    }
}
