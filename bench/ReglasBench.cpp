// Rules files of 6, about 1,000 and about 20,000 rules applied to a message, by the engine and
// by the rule-by-rule engine it replaced (kept in the tests), so that one run gives the ratio.
#include <benchmark/benchmark.h>

#include <random>

#include "TextoEspanyol.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReglasUnaAUna.h"

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

void Ahora(std::string& texto, const std::string& reglas, Avisador& avisador) {
    AplicarReemplazos(texto, reglas, "Rebanex.txt", avisador);
}

void Antes(std::string& texto, const std::string& reglas, Avisador& avisador) {
    pruebas::AplicarReglasUnaAUna(texto, reglas, avisador);
}

// range(0): made-up rules before the six; range(1): bytes of text.
template <void (*Aplicar)(std::string&, const std::string&, Avisador&)>
void Reglas(benchmark::State& state) {
    const std::string reglas = ReglasInventadas(static_cast<int>(state.range(0)));
    const auto bytes = static_cast<std::size_t>(state.range(1));
    const std::string texto = TextoEspanyol(bytes);
    SinRespuesta avisador;
    if (Aplicar == Ahora) {  // the same output as before, checked once outside the timing
        std::string ahora = texto, antes = texto;
        Ahora(ahora, reglas, avisador);
        Antes(antes, reglas, avisador);
        if (ahora != antes) {
            state.SkipWithError("the engines disagree");
            return;
        }
    }
    for (auto _ : state) {
        std::string trabajo = texto;
        Aplicar(trabajo, reglas, avisador);
        benchmark::DoNotOptimize(trabajo.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

void Tamanyos(benchmark::internal::Benchmark* b) {
    b->ArgNames({"inventadas", "bytes"})->Unit(benchmark::kMillisecond);
    for (const int64_t inventadas : {0, 1000, 20000}) {
        for (const int64_t bytes : {60000, 1 << 20}) {
            b->Args({inventadas, bytes});
        }
    }
}

BENCHMARK(Reglas<Ahora>)->Name("Reglas")->Apply(Tamanyos);
BENCHMARK(Reglas<Antes>)->Name("ReglasUnaAUna")->Apply(Tamanyos);

}  // namespace

}  // namespace rebanex::bench
