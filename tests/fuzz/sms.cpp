// SMS count, GSM-7 adaptation and SMS-mode cut over any text: consistent, every piece one SMS.
#include <string>

#include "Fuzz.h"
#include "split/Sms.h"
#include "split/Trozos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamanyo) {
    using namespace rebanex;
    FuzzedDataProvider d(datos, tamanyo);
    ParametrosCorte p;
    p.TrozosSms = true;
    p.Tabla = d.ConsumeBool() ? TablaGsm::Espanola : TablaGsm::Basica;
    p.MsgMax = d.ConsumeIntegralInRange<int16_t>(-2, 400);
    p.IndicadorTrozos = d.ConsumeBool(), p.Inverso = d.ConsumeBool(), p.Firmados = d.ConsumeBool();
    p.FirmarEnPosicion = d.ConsumeBool() ? PosicionFirma::Delante : PosicionFirma::AlFinal;
    p.Firma = d.ConsumeRandomLengthString(40);
    const std::string texto = d.ConsumeRemainingBytesAsString();

    const CuentaSms c = ContarSms(texto, p.Tabla);
    for (const std::size_t i : c.fuerzanUcs2) {
        EXIGIR(SeptetosGsm(texto[i], p.Tabla) == 0);
    }
    if (c.codificacion == Codificacion::Ucs2) {
        EXIGIR(!c.fuerzanUcs2.empty() && c.unidades == static_cast<long long>(texto.size()));
    } else if (c.unidades > CapacidadSms(Codificacion::Gsm7, p.Tabla)) {
        // Full parts, but for an escape pair pushed into the next one.
        const long long parte = p.Tabla == TablaGsm::Espanola ? kParteEspanola : kParteGsm7;
        EXIGIR((c.sms - 1) * (parte - 1) < c.unidades && c.unidades <= c.sms * parte);
    } else {
        EXIGIR(c.sms == (texto.empty() ? 0 : 1));
    }

    std::string adaptado = texto;
    const std::string quedan = AdaptarGSM(adaptado, p.Tabla);
    EXIGIR(ContarSms(adaptado, p.Tabla).distintos == quedan);

    const auto recuento = ContarTrozos(texto, p);
    if (recuento && recuento->trozos <= kMaxTrozos) {
        const ListaTrozos lista(texto, GenerarTrozos(texto, p, *recuento), p);
        EXIGIR(static_cast<int32_t>(lista.Cuantos()) == recuento->trozos);
        for (std::size_t i = 0; i < lista.Cuantos(); ++i) {
            const MedidaTrozo m = lista.Medida(i);
            EXIGIR(m.unidades <= m.limite);
        }
    }
    return 0;
}
