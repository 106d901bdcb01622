// The rules engine over any text and rules: the same text as the rules one by one.
#include <string>

#include "Fuzz.h"
#include "comun/Windows1252.h"
#include "sistema/SistemaSimulado.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReglasUnaAUna.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamanyo) {
    using namespace rebanex;
    FuzzedDataProvider d(datos, tamanyo);
    std::string texto = d.ConsumeRandomLengthString(tamanyo);
    const std::string reglas = TextoWindows1252(d.ConsumeRandomLengthString(tamanyo));
    // Both engines hear the same answer to every faulty line (a No stops at the first).
    pruebas::AvisadorSimulado avisador, otro;
    avisador.respuesta = otro.respuesta = d.ConsumeBool() ? Respuesta::No : Respuesta::Si;
    // Rules that replace with more than they find grow the text without bound, as asked: the
    // limit keeps the run short, and every text on the way within it.
    std::string real = texto;
    if (AplicarReemplazos(real, reglas, "Rebanex.txt", avisador, 1 << 16) ==
        FinReemplazos::Terminado) {
        pruebas::AplicarReglasUnaAUna(texto, reglas, otro);
        EXIGIR(real == texto);
    }
    return 0;
}
