// The whole split over any input and random answers: every piece fits the maximum.
#include <filesystem>
#include <string>

#include "Fuzz.h"
#include "comun/Numeros.h"
#include "sistema/Ficheros.h"
#include "sistema/SistemaSimulado.h"
#include "split/Partir.h"
#include "transforms/ReemplazosPorDefecto.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamanyo) {
    using namespace rebanex;
    static const std::string reglas = [] {
        const auto ruta = std::filesystem::temp_directory_path() / "rebanex-fuzz-reemplazos.txt";
        ficheros::EscribirFichero(ruta.string(), TextoReemplazosPorDefecto());
        return ruta.string();
    }();
    FuzzedDataProvider d(datos, tamanyo);
    EntradaPartir e;
    Configuracion& o = e.opciones;
    for (bool* marca : {&o.Inverso, &o.NoAcentos, &o.NoMultiEspacios, &o.IndicadorTrozos,
                        &o.FirmarAutomaticamente, &o.FirmarEnTrozos, &o.FirmarEnTrozosHabilitado,
                        &o.AutoReemplazar}) {
        *marca = d.ConsumeBool();
    }
    o.Letras =
        d.PickValueInArray({CasoLetras::TalCual, CasoLetras::Minusculas, CasoLetras::Mayusculas});
    o.FirmarEnPosicion = d.PickValueInArray(
        {PosicionFirma::Delante, PosicionFirma::AlFinal, PosicionFirma::EnCursor});
    // Mostly a small maximum, where the cut has least room; now and then any text at all.
    o.MsgMax = d.ConsumeBool() ? d.ConsumeRandomLengthString(8)
                               : Decimal(d.ConsumeIntegralInRange<int16_t>(-2, 200));
    e.firma = d.ConsumeRandomLengthString(40);
    e.rutaReemplazos = d.ConsumeBool() ? reglas : "/nonexistent/Rebanex.txt";
    e.cursor = d.ConsumeIntegral<long long>();
    e.mensaje = d.ConsumeRandomLengthString(tamanyo);
    e.cursor = d.ConsumeBool() ? static_cast<long long>(e.mensaje.size()) / 2 : e.cursor;
    pruebas::AvisadorSimulado avisador;  // the default rules hold no faulty line to ask about
    const ResultadoPartir resultado = Partir(e, avisador, PasosPartir{});
    if (const auto* trozos = std::get_if<ListaTrozos>(&resultado)) {
        // Indicators take room from the text only when the message itself reached the
        // maximum; a shorter one that the transforms made longer gets them on top.
        auto maximo = static_cast<std::size_t>(*LeerEnteroEstricto(o.MsgMax));
        maximo += o.IndicadorTrozos && e.mensaje.size() < maximo ? 12 : 0;  // "nnnnn/nnnnn "
        for (std::size_t i = 0; i < trozos->Cuantos(); ++i) {
            EXIGIR(trozos->Trozo(i).size() <= maximo);
        }
        EXIGIR(trozos->Cuantos() > 0);
    }
    return 0;
}
