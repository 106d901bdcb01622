// The rules engine and the replace primitive over any message and any rules text.
#include <cstdint>
#include <string>
#include <string_view>

#include "AvisadorAlAzar.h"
#include "comun/Windows1252.h"
#include "transforms/Reemplazar.h"
#include "transforms/Reemplazos.h"

namespace {

using namespace rebanex;

// The longest the text can get under these rules: a rule with a replacement longer than
// what it finds multiplies the text, and a file of such rules grows it without bound, as
// asked. The fuzzer leaves those out; it is after faults, not after memory.
std::size_t CotaLongitud(std::size_t largo, std::string_view reglas) {
    constexpr std::size_t kTope = 1 << 20;
    while (!reglas.empty() && largo <= kTope) {
        const std::size_t cr = reglas.find('\r');
        const std::string_view linea = reglas.substr(0, cr);
        reglas = cr == std::string_view::npos ? std::string_view{} : reglas.substr(cr + 1);
        const std::size_t tab = linea.find('\t');
        if (linea.empty() || linea.front() == ';' || tab == std::string_view::npos || tab == 0) {
            continue;
        }
        const bool marca = linea.front() == '#' || linea.front() == '*' || linea.front() == '%';
        const std::size_t buscado = marca ? tab - 1 : tab;
        if (buscado > 0) {
            largo += largo / buscado * (linea.size() - tab - 1);
        }
    }
    return largo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    FuzzedDataProvider d(datos, tamano);
    std::string texto = d.ConsumeRandomLengthString(tamano);
    const std::string buscar = d.ConsumeRandomLengthString(16);
    const std::string sustituto = d.ConsumeRandomLengthString(16);
    const auto ajuste = d.ConsumeIntegral<int16_t>();
    const std::string reglas = TextoWindows1252(d.ConsumeRandomLengthString(tamano));

    std::string copia = texto;
    Troceado::ReemplazarTodo(copia, buscar, sustituto, ajuste);

    if (CotaLongitud(texto.size(), reglas) > (1 << 20)) {
        return 0;
    }
    AvisadorAlAzar avisador(d);
    Troceado::AplicarReemplazos(texto, reglas, "Rebanex.txt", avisador);
    return 0;
}
