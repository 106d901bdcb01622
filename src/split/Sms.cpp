// Counting a text as the network bills it.
#include "split/Sms.h"

#include <bitset>

namespace rebanex {

long long CapacidadSms(Codificacion codificacion, TablaGsm tabla) {
    if (codificacion == Codificacion::Ucs2) {
        return kSmsUcs2;
    }
    return tabla == TablaGsm::Espanola ? kSmsEspanola : kSmsGsm7;
}

CuentaSms ContarSms(std::string_view texto, TablaGsm tabla) {
    const CostesGsm& costes = Costes(tabla);
    const long long parte = tabla == TablaGsm::Espanola ? kParteEspanola : kParteGsm7;
    CuentaSms r;
    long long septetos = 0, partes = 1, enParte = 0;
    std::bitset<256> visto;
    // One look-up per byte: the septets and the linked parts are counted together, in case
    // nothing forces UCS-2.
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const auto byte = static_cast<unsigned char>(texto[i]);
        const int coste = costes[byte];
        if (coste == 0) {
            r.fuerzanUcs2.push_back(i);
            if (!visto[byte]) {
                visto[byte] = true;
                r.distintos += texto[i];
            }
            continue;
        }
        septetos += coste;
        if (enParte + coste > parte) {
            ++partes;
            enParte = 0;
        }
        enParte += coste;
    }
    const auto n = static_cast<long long>(texto.size());
    if (!r.fuerzanUcs2.empty()) {
        r.codificacion = Codificacion::Ucs2;
        r.unidades = n;
        r.sms = n <= kSmsUcs2 ? 1 : (n + kParteUcs2 - 1) / kParteUcs2;
    } else {
        r.unidades = septetos;
        r.sms = n == 0 ? 0 : septetos <= CapacidadSms(Codificacion::Gsm7, tabla) ? 1 : partes;
    }
    r.demasiados = r.sms > kMaxPartes;
    return r;
}

}  // namespace rebanex
