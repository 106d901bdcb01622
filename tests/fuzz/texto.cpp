// A text file as the program reads it, and the Windows-1252/UTF-8 conversions.
#include <string>

#include "Fuzz.h"
#include "comun/Windows1252.h"
#include "files/Mensajes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamanyo) {
    using namespace rebanex;
    const std::string bytes(reinterpret_cast<const char*>(datos), tamanyo);
    // Every byte has a character and comes back from it.
    EXIGIR(EsUtf8Valido(AUtf8(bytes)) && DeUtf8(AUtf8(bytes)) == bytes);
    DeUtf8(bytes);
    std::string texto = TextoConSaltos(TextoWindows1252(bytes));
    // No NUL, and only CR LF pairs break lines, none at the end.
    for (std::size_t i = 0; i < texto.size(); ++i) {
        EXIGIR(texto[i] != '\0');
        EXIGIR(texto[i] != '\r' || (i + 1 < texto.size() && texto[i + 1] == '\n'));
        EXIGIR(texto[i] != '\n' || (i > 0 && texto[i - 1] == '\r'));
    }
    const std::size_t antes = texto.size();
    QuitarTelefono(texto);
    EXIGIR(texto.size() == antes || texto.size() + 26 >= antes);
    InterpretarLineaComandos(bytes);
    return 0;
}
