// The rules engine and the replace primitive over any message and any rules text.
#include <string>
#include <string_view>

#include "Fuzz.h"
#include "comun/Windows1252.h"
#include "transforms/Reemplazar.h"
#include "transforms/Reemplazos.h"

// The longest the text can get under these rules: a file of rules that replace with more than
// they find grows it without bound, as asked; the fuzzer is after faults, not memory.
static std::size_t CotaLongitud(std::size_t largo, std::string_view reglas) {
    while (!reglas.empty() && largo <= (1 << 20)) {
        const std::string_view linea = reglas.substr(0, reglas.find('\r'));
        reglas.remove_prefix(std::min(reglas.size(), linea.size() + 1));
        const std::size_t tab = linea.find('\t');
        if (linea.starts_with(';') || tab == std::string_view::npos || tab == 0) {
            continue;
        }
        const std::size_t buscado = linea.find_first_of("#*%") == 0 ? tab - 1 : tab;
        largo += buscado > 0 ? largo / buscado * (linea.size() - tab - 1) : 0;
    }
    return largo;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    using namespace rebanex;
    FuzzedDataProvider d(datos, tamano);
    std::string texto = d.ConsumeRandomLengthString(tamano);
    const std::string buscar = d.ConsumeRandomLengthString(16),
                      sustituto = d.ConsumeRandomLengthString(16);
    std::string copia = texto;
    Troceado::ReemplazarTodo(copia, buscar, sustituto, d.ConsumeIntegral<int16_t>());
    const std::string reglas = TextoWindows1252(d.ConsumeRandomLengthString(tamano));
    if (CotaLongitud(texto.size(), reglas) <= (1 << 20)) {
        AvisadorAlAzar avisador(d);
        Troceado::AplicarReemplazos(texto, reglas, "Rebanex.txt", avisador);
    }
    return 0;
}
