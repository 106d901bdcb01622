// The rules engine over any text and rules: the same text as the rules one by one.
#include <string>

#include "Fuzz.h"
#include "comun/Windows1252.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReglasUnaAUna.h"

// Answers the k-th Yes/No question by bit k of a number drawn once: both engines hear the same.
struct AvisadorFijo : rebanex::Avisador {
    explicit AvisadorFijo(uint32_t b) : bits(b) {}
    rebanex::Respuesta Avisar(const rebanex::Aviso& a) override {
        using enum rebanex::Respuesta;
        return a.botones == rebanex::Botones::Aceptar ? Aceptar
               : (bits >> (k++ % 32)) & 1             ? No
                                                      : Si;
    }
    uint32_t bits;
    int k = 0;
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamanyo) {
    using namespace rebanex;
    FuzzedDataProvider d(datos, tamanyo);
    std::string texto = d.ConsumeRandomLengthString(tamanyo);
    const std::string reglas = TextoWindows1252(d.ConsumeRandomLengthString(tamanyo));
    const uint32_t respuestas = d.ConsumeIntegral<uint32_t>();
    // Rules that replace with more than they find grow the text without bound, as asked: the
    // limit keeps the run short, and every text on the way within it.
    AvisadorFijo avisador(respuestas), otro(respuestas);
    std::string real = texto;
    if (AplicarReemplazos(real, reglas, "Rebanex.txt", avisador, 1 << 16) ==
        FinReemplazos::Terminado) {
        pruebas::AplicarReglasUnaAUna(texto, reglas, otro);
        EXIGIR(real == texto);
    }
    return 0;
}
