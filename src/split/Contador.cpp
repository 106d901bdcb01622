// The live counter: a quick estimate of the SMS count, no transforms, no cutting.
#include "split/Contador.h"

#include <cmath>

#include "comun/Numeros.h"
#include "split/Sms.h"
#include "split/Trozos.h"

namespace rebanex {

std::string TextoContador(long long caracteres, const std::string& lon,
                          std::string_view separadorMiles) {
    std::string s = DecimalAgrupado(caracteres, separadorMiles);
    if (caracteres == 0) {
        return "0 / " + s;
    }
    // A maximum of 0 (no number) or a count beyond int16 leaves the character count alone.
    const double maximo = ValorNumerico(lon);
    if (maximo == 0) {
        return s;
    }
    const double cociente = static_cast<double>(caracteres) / maximo;
    // Far beyond int16 anyway; keeps the conversion to float within its range.
    if (!(std::fabs(cociente) < 1e9)) {
        return s;
    }
    if (const auto sms = RedondearArribaAcotado(static_cast<float>(cociente))) {
        return DecimalAgrupado(*sms, separadorMiles) + " / " + s;
    }
    return s;
}

std::string TextoContadorSms(std::string_view mensaje, TablaGsm tabla,
                             std::string_view separadorMiles) {
    const CuentaSms cuenta = ContarSms(mensaje, tabla);
    const std::string sms =
        cuenta.demasiados ? ">" + Decimal(kMaxPartes) : DecimalAgrupado(cuenta.sms, separadorMiles);
    return sms + " / " + DecimalAgrupado(static_cast<long long>(mensaje.size()), separadorMiles);
}

}  // namespace rebanex
