// One piece in SMS mode: the longest word-boundary cut that fits one SMS in its own encoding.
#include "split/Trozos.h"

#include <algorithm>

namespace rebanex {

std::optional<Corte> CalcularCorteSms(std::string_view texto, std::size_t desde,
                                      const SitioSms& sitio, const CostesGsm& costes) {
    const std::size_t largo = texto.size();
    const auto coste = [&](std::size_t i) { return costes[static_cast<unsigned char>(texto[i])]; };
    while (desde < largo && texto[desde] == ' ') {
        ++desde;
    }
    // GSM-7: as far as the septets reach, never past a character that forces UCS-2. Nothing
    // before `j` forces it.
    std::size_t j = desde;
    std::optional<Corte> gsm;
    if (!sitio.soloUcs2 && sitio.septetos >= 2) {
        // The hot loop of the mode: one look-up per byte.
        const auto* const bytes = reinterpret_cast<const unsigned char*>(texto.data());
        // First the run of one-septet characters, which needs no sum.
        const std::size_t tope =
            desde + static_cast<std::size_t>(
                        std::min<long long>(sitio.septetos, static_cast<long long>(largo - desde)));
        while (j < tope && costes[bytes[j]] == 1) {
            ++j;
        }
        long long septetos = static_cast<long long>(j - desde);
        for (int c; j < largo && (c = costes[bytes[j]]) != 0 && septetos + c <= sitio.septetos;
             ++j) {
            septetos += c;
        }
        Corte c{desde, j};
        if (j == largo) {
            c.ultimo = true;
        } else if (texto[j] != ' ') {
            // Inside a word (the one that did not fit, or that holds the forcing character).
            std::size_t i = j;
            while (i > desde + 1 && texto[i - 1] != ' ') {
                --i;
            }
            if (i > desde + 1) {
                c.fin = i;
            } else {
                c.guion = true;  // as many characters as leave a septet for the hyphen
                while (c.fin > desde && septetos + 1 > sitio.septetos) {
                    septetos -= coste(--c.fin);
                }
            }
        }
        if (c.fin > c.inicio || c.ultimo) {
            gsm = c;
        }
    }
    // UCS-2: the plain cut in UTF-16 units, worth taking only when it holds a character that
    // forces UCS-2 (without one it would go as GSM-7, and the cut above is the longest there).
    // A UCS-2 cut never reaches past desde + unidades; up to `j` nothing forces UCS-2.
    if (sitio.unidades >= 2 && (sitio.soloUcs2 || desde + sitio.unidades > j)) {
        const Corte ucs2 = CalcularCorte(texto, desde, sitio.unidades);
        bool fuerza = sitio.soloUcs2;
        for (std::size_t k = j; !fuerza && k < ucs2.fin; ++k) {
            fuerza = coste(k) == 0;
        }
        if (fuerza && (!gsm || ucs2.fin - ucs2.inicio > gsm->fin - gsm->inicio)) {
            return ucs2;
        }
    }
    return gsm;
}

}  // namespace rebanex
