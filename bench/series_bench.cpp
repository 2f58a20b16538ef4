#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "series/Fonction.h"
#include "store/TexteNombre.h"

namespace vantorelle {
namespace {

/// A random walk of closes with two decimals, in single precision as the quote series hold them.
Fonction clôturesAléatoires(std::int64_t n) {
    std::mt19937 aléa(42);
    std::uniform_int_distribution<int> pas(-30, 30);
    Fonction f;
    f.Allouer(static_cast<std::int32_t>(n));
    int centimes = 5000;
    for (std::int64_t i = 0; i < n; ++i) {
        centimes = std::max(100, centimes + pas(aléa));
        f.Ajouter(static_cast<float>(centimes / 100.0));
    }
    return f;
}

template <class Indicateur>
void mesurer(benchmark::State& state, Indicateur indicateur) {
    const Fonction x = clôturesAléatoires(state.range(0));
    for (auto _ : state) {
        Fonction r = indicateur(x);
        benchmark::DoNotOptimize(r.Longueur());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RSI14(benchmark::State& s) { mesurer(s, [](const Fonction& x) { return x.RSI(14); }); }
void BM_ROC12(benchmark::State& s) { mesurer(s, [](const Fonction& x) { return x.ROC(12); }); }
void BM_Momentum12(benchmark::State& s) { mesurer(s, [](const Fonction& x) { return x.Momentum(12); }); }
void BM_Volatilite14(benchmark::State& s) { mesurer(s, [](const Fonction& x) { return x.Volatilité(14); }); }
void BM_MMA14(benchmark::State& s) { mesurer(s, [](const Fonction& x) { return x.MMA(14); }); }
void BM_MACD12_26(benchmark::State& s) { mesurer(s, [](const Fonction& x) { return x.MACD(12, 26); }); }
void BM_Tendance14(benchmark::State& s) { mesurer(s, [](const Fonction& x) { return x.Tendance(14); }); }
void BM_Dup(benchmark::State& s) { mesurer(s, [](const Fonction& x) { return x.Dup(); }); }

BENCHMARK(BM_RSI14)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ROC12)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Momentum12)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Volatilite14)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MMA14)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MACD12_26)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tendance14)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dup)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_TexteSimple(benchmark::State& state) {
    const Fonction x = clôturesAléatoires(state.range(0));
    for (auto _ : state)
        for (Valeur v : x.Data()->valeurs()) benchmark::DoNotOptimize(texteSimple(std::get<float>(v.contenu())));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Format0000(benchmark::State& state) {
    const Fonction x = clôturesAléatoires(state.range(0));
    for (auto _ : state)
        for (const Valeur& v : x.Data()->valeurs())
            benchmark::DoNotOptimize(Format(std::get<float>(v.contenu()), "00.00"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_TexteSimple)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Format0000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorelle
