// The whole split command on long generated messages, with every transform switched on, and
// loading such a message from its file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include <sys/resource.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "MemoriaPico.h"
#include "TextoEspanyol.h"
#include "comun/Windows1252.h"
#include "files/Mensajes.h"
#include "sistema/Ficheros.h"
#include "split/Partir.h"
#include "transforms/Gsm7.h"
#include "transforms/Reemplazos.h"

namespace rebanex::bench {

namespace {

// Nobody answers during a benchmark; any box means the set-up is wrong.
class AvisadorContador : public Avisador {
  public:
    Respuesta Avisar(const Aviso&) override {
        ++avisos;
        return Respuesta::Si;
    }
    int avisos = 0;
};

// The default rules file, written where the engine reads it afresh on every split.
class ReglasTemporales {
  public:
    ReglasTemporales()
        : ruta_(std::filesystem::temp_directory_path() / "rebanex-bench-Rebanex.txt") {
        std::ofstream fichero(ruta_, std::ios::binary);
        for (const std::string& linea : ContenidoReemplazosPorDefecto()) {
            fichero << linea << "\r\n";
        }
    }
    ~ReglasTemporales() {
        std::error_code ignorado;
        std::filesystem::remove(ruta_, ignorado);
    }
    std::string Ruta() const { return ruta_.string(); }

  private:
    std::filesystem::path ruta_;
};

EntradaPartir EntradaCompleta(std::string mensaje, const std::string& rutaReemplazos) {
    EntradaPartir e;
    e.mensaje = std::move(mensaje);
    e.cursor = 0;
    e.firma = "Ana";
    e.rutaReemplazos = rutaReemplazos;
    Configuracion& o = e.opciones;
    o.NoAcentos = true;
    o.Letras = CasoLetras::Minusculas;  // lower case, so that every rule finds its words
    o.NoMultiEspacios = true;
    o.AutoReemplazar = true;
    o.IndicadorTrozos = true;
    o.FirmarAutomaticamente = true;
    o.FirmarEnTrozos = true;
    o.FirmarEnTrozosHabilitado = true;
    o.FirmarEnPosicion = PosicionFirma::AlFinal;
    o.ObtenerTamanyoMsg = false;
    o.MsgMax = "160";
    return e;
}

void PartirCompleto(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const ReglasTemporales reglas;
    const std::string texto = TextoEspanyol(bytes);
    AvisadorContador avisador;
    const PasosPartir pasos;

    // One run measured for memory: the message's own copy, the working text, the pieces.
    ReiniciarPico();
    const std::size_t antes = MemoriaActual();
    std::size_t trozos = 0;
    {
        const ResultadoPartir resultado =
            Partir(EntradaCompleta(texto, reglas.Ruta()), avisador, pasos);
        if (!std::holds_alternative<ListaTrozos>(resultado) || avisador.avisos != 0) {
            state.SkipWithError("the split was refused or raised a box");
            return;
        }
        trozos = std::get<ListaTrozos>(resultado).Cuantos();
    }
    state.counters["pico/entrada"] =
        static_cast<double>(MemoriaPico() - antes) / static_cast<double>(bytes);
    state.counters["trozos"] = static_cast<double>(trozos);

    const EntradaPartir entrada = EntradaCompleta(texto, reglas.Ruta());
    for (auto _ : state) {
        ResultadoPartir resultado = Partir(entrada, avisador, pasos);
        benchmark::DoNotOptimize(&resultado);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

BENCHMARK(PartirCompleto)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

long FallosMenores() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_minflt;
}

// One split as a program run does it: the message and every buffer are fresh, so their pages
// are faulted in; the warm loop above reuses pages the allocator already holds and hides
// that cost. Each iteration is one cold split; `fallos` counts minor page faults per split.
void PartirFrio(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const ReglasTemporales reglas;
    const std::string texto = TextoEspanyol(bytes);
    AvisadorContador avisador;
    const PasosPartir pasos;
#if defined(__GLIBC__)
    // A fixed threshold: every large buffer is mapped afresh, as in a new process, instead of
    // coming back from the heap once the allocator has raised its threshold.
    mallopt(M_MMAP_THRESHOLD, 128 << 10);
#endif
    long fallos = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EntradaPartir entrada = EntradaCompleta(texto, reglas.Ruta());
        const long antes = FallosMenores();
        state.ResumeTiming();
        ResultadoPartir resultado = Partir(std::move(entrada), avisador, pasos);
        benchmark::DoNotOptimize(&resultado);
        state.PauseTiming();
        fallos += FallosMenores() - antes;
        state.ResumeTiming();
    }
    state.counters["fallos"] =
        benchmark::Counter(static_cast<double>(fallos), benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

BENCHMARK(PartirFrio)->Arg(1 << 20)->Arg(4 << 20)->Iterations(5)->Unit(benchmark::kMillisecond);

// A message file loaded as trocear loads it: read whole, decoded when it is UTF-8 (arg 1), its
// line ends made CR LF.
void LeerMensaje(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::string texto = TextoEspanyol(bytes);
    const std::filesystem::path ruta =
        std::filesystem::temp_directory_path() / "rebanex-bench-mensaje.txt";
    std::ofstream(ruta, std::ios::binary) << (state.range(1) != 0 ? AUtf8(texto) : texto);
    for (auto _ : state) {
        Lectura leido = ficheros::LeerTexto(ruta.string());
        std::string mensaje = MensajeDeFichero(std::move(leido.contenido));
        benchmark::DoNotOptimize(mensaje.data());
    }
    std::filesystem::remove(ruta);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

BENCHMARK(LeerMensaje)
    ->ArgsProduct({{1 << 20}, {0, 1}})
    ->ArgNames({"bytes", "utf8"})
    ->Unit(benchmark::kMillisecond);

// The Spanish text with a euro now and then and typographic quotes, as typed on a phone.
std::string TextoConSimbolos(std::size_t bytes) {
    std::string texto = TextoEspanyol(bytes);
    for (std::size_t i = 300; i < texto.size(); i += 641) {
        texto[i] = '\x80';
    }
    for (std::size_t i = 500; i < texto.size(); i += 887) {
        texto[i] = '\x93';
    }
    return texto;
}

// The split without and with every piece one SMS: arg 1 turns on the SMS mode and, before it,
// the adaptation to GSM-7 (so that accents cost no UCS-2). Arg 0 of the second range times
// the cut alone on the prepared text, 1 the preparation too.
void PartirSms(benchmark::State& state) {
    const bool sms = state.range(0) != 0, preparar = state.range(1) != 0;
    const std::size_t bytes = 1 << 20;
    const ReglasTemporales reglas;
    AvisadorContador avisador;
    EntradaPartir entrada = EntradaCompleta(TextoConSimbolos(bytes), reglas.Ruta());
    ParametrosCorte p;
    p.IndicadorTrozos = true;
    p.LongitudMensaje = static_cast<long long>(bytes);
    p.Firmados = true;
    p.FirmarEnPosicion = PosicionFirma::AlFinal;
    p.Firma = "Ana";
    p.TrozosSms = sms;
    const auto preparado = [&] {
        std::string texto = *PrepararTexto(entrada.mensaje, entrada, avisador, {}, kSinLimite);
        if (sms) {
            AdaptarGSM(texto, p.Tabla);
        }
        return texto;
    };
    const std::string listo = preparado();
    std::size_t trozos = 0;
    for (auto _ : state) {
        std::string texto = preparar ? preparado() : listo;
        const auto recuento = ContarTrozos(texto, p);
        const auto cortes = GenerarTrozos(texto, p, *recuento);
        ListaTrozos lista(std::move(texto), cortes, p);
        trozos = lista.Cuantos();
        benchmark::DoNotOptimize(&lista);
    }
    state.counters["trozos"] = static_cast<double>(trozos);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

BENCHMARK(PartirSms)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace rebanex::bench

BENCHMARK_MAIN();
