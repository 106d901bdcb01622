// A long rules file: 20,000 rules applied one after another to a message.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "TextoEspanyol.h"
#include "transforms/Reemplazos.h"

namespace rebanex::bench {

namespace {

class SinRespuesta : public Avisador {
  public:
    Respuesta Avisar(const Aviso&) override { return Respuesta::Si; }
};

// Made-up words of two to four syllables, of every kind of rule, with the six default rules
// at the end; most never match, as in a big dictionary of abbreviations.
std::string ReglasInventadas(int cuantas) {
    static constexpr const char* kSilabas[] = {"ca", "de", "mi", "to", "pa", "ra", "sa", "lo",
                                               "ne", "ti", "qu", "es", "mo", "ni", "ba", "co"};
    static constexpr const char* kMarcas[] = {"", "", "#", "%", "*"};
    std::minstd_rand azar(7);
    std::string reglas;
    for (int i = 0; i < cuantas; ++i) {
        std::string palabra;
        const int silabas = 2 + static_cast<int>(azar() % 3);
        for (int s = 0; s < silabas; ++s) {
            palabra += kSilabas[azar() % 16];
        }
        reglas += kMarcas[azar() % 5] + palabra + "\t" + palabra.substr(0, 3) + "\r\n";
    }
    reglas += "*dos\t2\r\nporque\txp\r\nque\tq\r\npor\tx\r\nmas\t+\r\nmenos\t-\r\n";
    return reglas;
}

void VeinteMilReglas(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path ruta =
        std::filesystem::temp_directory_path() / "rebanex-bench-reglas.txt";
    std::ofstream(ruta, std::ios::binary) << ReglasInventadas(20000);
    const std::string texto = TextoEspanyol(bytes);
    SinRespuesta avisador;
    for (auto _ : state) {
        std::string trabajo = texto;
        Troceado::AplicarReemplazos(trabajo, ruta.string(), avisador, SIZE_MAX);
        benchmark::DoNotOptimize(trabajo.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
    std::error_code ignorado;
    std::filesystem::remove(ruta, ignorado);
}

BENCHMARK(VeinteMilReglas)->Arg(60000)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace rebanex::bench
