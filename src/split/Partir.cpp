// The split command: checks, the transforms on the working text, then the cut.
#include "split/Partir.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "comun/Numeros.h"
#include "transforms/Caracteres.h"
#include "transforms/Firma.h"
#include "transforms/Gsm7.h"
#include "transforms/Reemplazos.h"

namespace rebanex {

namespace {

void Estado(const PasosPartir& pasos, const std::string& texto) {
    if (pasos.mostrarEstado) {
        pasos.mostrarEstado(texto);
    }
}

FalloPartir Fallo(Aviso aviso, ControlFoco foco) {
    return FalloPartir{std::move(aviso), foco};
}

}  // namespace

std::optional<FalloPartir> ComprobarPartir(const EntradaPartir& entrada, int16_t& msgMax) {
    const Configuracion& o = entrada.opciones;
    if (entrada.mensaje.empty()) {
        return Fallo(AvisoMensajeVacio(), ControlFoco::Msg);
    }
    // A whole number beyond int16 is refused like any other non-number.
    const std::optional<int16_t> leido = LeerEnteroEstricto(o.MsgMax);
    if (!leido) {
        FalloPartir fallo = Fallo(AvisoSoloNumeros(), ControlFoco::LongMax);
        fallo.seleccionarTodo = true;
        return fallo;
    }
    msgMax = *leido;
    if (msgMax == 0) {
        return Fallo(AvisoTamanyoCero(), ControlFoco::LongMax);
    }
    if (msgMax < 2) {
        return Fallo(AvisoSinSitioGuion(), ControlFoco::LongMax);
    }
    if (o.IndicadorTrozos && msgMax < 12) {
        return Fallo(AvisoMinimoIndicadores(), ControlFoco::LongMax);
    }
    // The tick alone counts here, whether or not the item is enabled.
    if (o.FirmarEnTrozos && static_cast<long long>(entrada.firma.size()) > msgMax / 2) {
        return Fallo(AvisoFirmaGrande(), ControlFoco::Msg);
    }
    return std::nullopt;
}

std::optional<std::string> PrepararTexto(std::string texto, const EntradaPartir& entrada,
                                         Avisador& avisador, const PasosPartir& pasos,
                                         std::size_t limite) {
    const Configuracion& o = entrada.opciones;
    if (o.NoAcentos) {
        Estado(pasos, "Eliminando Acentos...");
    }
    if (o.Letras != CasoLetras::TalCual) {
        Estado(pasos, "Cambiando Formato de Letras...");
    }
    // Line breaks and tabs become the only separator the cutter knows.
    // Without rules in between, the adaptation rides on the same pass.
    const bool adaptarYa = o.AdaptarGSM && !o.AutoReemplazar;
    if (adaptarYa) {
        Estado(pasos, "Adaptando a GSM...");
        PrepararCaracteresGsm(texto, o.NoAcentos, o.Letras, TablaDe(o));
    } else {
        PrepararCaracteres(texto, o.NoAcentos, o.Letras);
    }
    if (o.AutoReemplazar) {
        Estado(pasos, "Substituyendo Palabras...");
        if (AplicarReemplazos(texto, entrada.rutaReemplazos, avisador, limite) ==
            FinReemplazos::Limite) {
            return std::nullopt;
        }
    }
    // After the case change (upper case turns GSM-7 "è" into "È") and the rules; before the
    // spaces are squeezed, as a no-break space becomes a space.
    if (o.AdaptarGSM && !adaptarYa) {
        Estado(pasos, "Adaptando a GSM...");
        AdaptarGSM(texto, TablaDe(o));
    }
    if (o.NoMultiEspacios) {
        Estado(pasos, "Eliminando Multi-Espacios...");
        QuitarMultiEspacios(texto);
    }
    // When every piece is signed the cutter adds the signature instead. A caret offset counts
    // in the untransformed message, as the box reports it.
    if (o.FirmarAutomaticamente && !entrada.firma.empty() && !FirmarEnTrozosEnVigor(o)) {
        InsertarFirmaEnPosicion(texto, entrada.firma, o.FirmarEnPosicion, entrada.cursor);
    }
    return texto;
}

ResultadoPartir Partir(EntradaPartir entrada, Avisador& avisador, const PasosPartir& pasos) {
    // The signature goes out adapted too, in every piece or once: it is checked as sent.
    if (entrada.opciones.AdaptarGSM) {
        AdaptarGSM(entrada.firma, TablaDe(entrada.opciones));
    }
    int16_t msgMax = 0;
    if (auto fallo = ComprobarPartir(entrada, msgMax)) {
        return std::move(*fallo);
    }
    // May rewrite LongMax; this run keeps the maximum it checked.
    if (entrada.opciones.ObtenerTamanyoMsg && pasos.obtenerTamanyo) {
        pasos.obtenerTamanyo();
    }
    ParametrosCorte parametros;
    parametros.MsgMax = msgMax;
    parametros.IndicadorTrozos = entrada.opciones.IndicadorTrozos;
    parametros.LongitudMensaje = static_cast<long long>(entrada.mensaje.size());
    parametros.Inverso = entrada.opciones.Inverso;
    parametros.Firmados = TrozosFirmados(entrada.opciones, entrada.firma);
    parametros.FirmarEnPosicion = entrada.opciones.FirmarEnPosicion;
    parametros.Firma = entrada.firma;
    parametros.TrozosSms = entrada.opciones.TrozosSMS;
    parametros.Tabla = TablaDe(entrada.opciones);

    // Rules that keep lengthening the text are stopped once it cannot fit any more.
    std::optional<std::string> texto =
        PrepararTexto(std::move(entrada.mensaje), entrada, avisador, pasos, LargoMaximo(msgMax));
    if (!texto) {
        Estado(pasos, "");
        return Fallo(AvisoDemasiadosTrozos(), ControlFoco::Msg);
    }
    Estado(pasos, "Troceando...");
    // The count keeps the cuts of its last pass, which spares a second look at every byte.
    std::vector<Corte> cortes;
    const std::optional<Recuento> recuento = ContarTrozos(*texto, parametros, &cortes);
    if (!recuento || recuento->trozos > kMaxTrozos) {
        Estado(pasos, "");
        if (recuento) {
            return Fallo(AvisoDemasiadosTrozos(), ControlFoco::Msg);
        }
        // The checks leave room for text without the two reserves: at least one is taken.
        const bool indicador = ReservaIndicador(parametros);
        return Fallo(AvisoSinSitioTexto(!parametros.Firmados ? SinSitio::Indicador
                                        : indicador          ? SinSitio::Ambos
                                                             : SinSitio::Firma),
                     ControlFoco::LongMax);
    }
    if (cortes.empty()) {
        cortes = GenerarTrozos(*texto, parametros, *recuento);
    }
    return ListaTrozos(std::move(*texto), std::move(cortes), parametros);
}

TablaGsm TablaDe(const Configuracion& c) {
    return c.TablaEspanola ? TablaGsm::Espanola : TablaGsm::Basica;
}

std::string TextoUcs2(const ListaTrozos& lista) {
    std::string distintos;
    int32_t trozos = 0;
    for (std::size_t i = 0; i < lista.Cuantos(); ++i) {
        const CuentaSms cuenta = ContarSms(lista.Trozo(i), lista.Tabla());
        if (cuenta.codificacion != Codificacion::Ucs2) {
            continue;
        }
        ++trozos;
        for (const char c : cuenta.distintos) {
            if (distintos.find(c) == std::string::npos) {
                distintos += c;
            }
        }
    }
    if (trozos == 0) {
        return {};
    }
    // The first few are enough to mend the text; more would not fit the status line.
    constexpr std::size_t kNombrados = 10;
    std::string texto = "UCS-2 por:";
    for (std::size_t i = 0; i < distintos.size() && i < kNombrados; ++i) {
        texto += ' ';
        texto += distintos[i];
    }
    if (distintos.size() > kNombrados) {
        texto += " ...";
    }
    return texto + " (" + Decimal(trozos) + (trozos == 1 ? " trozo)" : " trozos)");
}

std::string TextoMedida(const MedidaTrozo& medida) {
    return std::string(medida.codificacion == Codificacion::Gsm7 ? "GSM " : "UCS-2 ") +
           Decimal(medida.unidades) + "/" + Decimal(medida.limite);
}

std::size_t LargoMaximo(int16_t msgMax) {
    return static_cast<std::size_t>(kMaxTrozos) *
           static_cast<std::size_t>(std::max<int16_t>(msgMax, 0));
}

std::size_t LargoMaximoReemplazos(const std::string& lon) {
    const std::optional<int16_t> msgMax = LeerEnteroEstricto(lon);
    return LargoMaximo(msgMax && *msgMax >= 2 ? *msgMax : 160);
}

}  // namespace rebanex
