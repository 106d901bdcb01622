// The rules engine and the replace primitive over any message and any rules text.
#include <algorithm>
#include <string>

#include "Fuzz.h"
#include "comun/Windows1252.h"
#include "transforms/Reemplazar.h"
#include "transforms/Reemplazos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    using namespace rebanex;
    FuzzedDataProvider d(datos, tamano);
    std::string texto = d.ConsumeRandomLengthString(tamano);
    const std::string buscar = d.ConsumeRandomLengthString(16),
                      sustituto = d.ConsumeRandomLengthString(16);
    std::string copia = texto;
    Troceado::ReemplazarTodo(copia, buscar, sustituto, d.ConsumeIntegral<int16_t>());
    const std::string reglas = TextoWindows1252(d.ConsumeRandomLengthString(tamano));
    AvisadorAlAzar avisador(d);
    const std::size_t limite = 1 << 20;  // rules that lengthen the text stop there
    Troceado::AplicarReemplazos(texto, reglas, "Rebanex.txt", avisador, limite);
    EXIGIR(texto.size() <= std::max(limite, tamano));
    return 0;
}
