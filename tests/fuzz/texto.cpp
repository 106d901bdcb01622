// A text file as the program reads it: encoding guessed, line ends made CR LF, the
// telephone trailer cut; and the two conversions between Windows-1252 and UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "comun/Windows1252.h"
#include "files/Mensajes.h"

namespace {

void Exigir(bool condicion) {
    if (!condicion) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    using namespace rebanex;
    const std::string bytes(reinterpret_cast<const char*>(datos), tamano);

    // Every byte has a character and comes back from it.
    const std::string utf8 = AUtf8(bytes);
    Exigir(EsUtf8Valido(utf8));
    Exigir(DeUtf8(utf8) == bytes);
    DeUtf8(bytes);

    std::string texto = TextoConSaltos(TextoWindows1252(bytes));
    // Only CR LF pairs break lines, and none ends the text.
    for (std::size_t i = 0; i < texto.size(); ++i) {
        Exigir(texto[i] != '\0');
        if (texto[i] == '\r') {
            Exigir(i + 1 < texto.size() && texto[i + 1] == '\n');
        } else if (texto[i] == '\n') {
            Exigir(i > 0 && texto[i - 1] == '\r');
        }
    }
    const std::size_t antes = texto.size();
    QuitarTelefono(texto);
    Exigir(texto.size() == antes || texto.size() + 26 >= antes);
    InterpretarLineaComandos(bytes);
    return 0;
}
