#include "transforms/MotorReglas.h"

#include <vector>

#include "transforms/FiltroReglas.h"

namespace rebanex {

namespace {

// Below this many rules a search per rule costs less than the filter's pass over the text.
constexpr std::size_t kReglasParaFiltrar = 16;

}  // namespace

// The filter says once which rules can match at all; the others are skipped. After a rule
// has changed the text, a later rule can newly match only near what it put in: the filter
// looks there again, while some later rule is still out.
FinReemplazos AplicarReglas(std::string& texto, std::span<const Regla> reglas, std::size_t limite) {
    if (reglas.size() < kReglasParaFiltrar) {
        for (const Regla& regla : reglas) {
            if (!AplicarRegla(regla, texto, limite)) {
                return FinReemplazos::Limite;
            }
        }
        return FinReemplazos::Terminado;
    }
    const FiltroReglas filtro(reglas);
    std::vector<char> posibles(reglas.size(), 0);
    filtro.Marcar(texto, true, true, posibles);
    ZonasNuevas zonas(filtro.Alcance() > 0 ? filtro.Alcance() - 1 : 0);
    std::size_t fuera = reglas.size();  // one past the last rule still out
    for (std::size_t i = 0; i < reglas.size(); ++i) {
        while (fuera > 0 && posibles[fuera - 1] != 0) {
            --fuera;
        }
        if (posibles[i] == 0) {
            continue;
        }
        const bool vigilar = fuera > i + 1;
        zonas.Vaciar();
        if (!AplicarRegla(reglas[i], texto, limite, vigilar ? &zonas : nullptr)) {
            return FinReemplazos::Limite;
        }
        const std::string_view vista(texto);
        for (const auto& [inicio, fin] : zonas.Zonas()) {
            filtro.Marcar(vista.substr(inicio, fin - inicio), inicio == 0, fin >= vista.size(),
                          posibles);
        }
    }
    return FinReemplazos::Terminado;
}

}  // namespace rebanex
