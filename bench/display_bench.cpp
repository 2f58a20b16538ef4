// The display series of the dashboard over one security's daily history.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "HistoriqueGenere.h"
#include "analysis/BourseCollection.h"
#include "store/Arrondi.h"

namespace vantorelle {
namespace {

/// The volume in millions, rounded to 3 decimals, as the dashboard shows it.
Fonction volumeEnMillions(const BourseCollection& bourse) {
    Fonction millions;
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i) millions.Ajouter(Round3(bourse.Volume.Item(i).enDouble() / 1e6));
    return millions;
}

// Items are candles: the report's items_per_second is the rate in candles per second.
void compterBougies(benchmark::State& state) { state.SetItemsProcessed(state.iterations() * state.range(0)); }

void BM_Volatilite(benchmark::State& state) {
    const BourseCollection bourse = bancs::historiqueAléatoire(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(bourse.Volatilité());
    compterBougies(state);
}

void BM_Stoch14_9(benchmark::State& state) {
    const BourseCollection bourse = bancs::historiqueAléatoire(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(bourse.Stoch(14, 9));
    compterBougies(state);
}

void BM_VariationClotures(benchmark::State& state) {
    const BourseCollection bourse = bancs::historiqueAléatoire(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(bourse.Variation(bourse.Clôture));
    compterBougies(state);
}

void BM_VariationMoyenneVolatilite(benchmark::State& state) {
    const BourseCollection bourse = bancs::historiqueAléatoire(static_cast<std::int32_t>(state.range(0)));
    const Fonction volatilité = bourse.Volatilité();
    for (auto _ : state) benchmark::DoNotOptimize(bourse.VariationMoyenne(volatilité, "00.00"));
    compterBougies(state);
}

void BM_VariationMoyenneVolumeEnMillions(benchmark::State& state) {
    const BourseCollection bourse = bancs::historiqueAléatoire(static_cast<std::int32_t>(state.range(0)));
    const Fonction volume = volumeEnMillions(bourse);
    for (auto _ : state) benchmark::DoNotOptimize(bourse.VariationMoyenne(volume, "0.000"));
    compterBougies(state);
}

void BM_ChargePonderation(benchmark::State& state) {
    BourseCollection bourse = bancs::historiqueAléatoire(static_cast<std::int32_t>(state.range(0)));
    const std::int32_t codes[] = {400, 100, 200, 300, 111, 208, 123, 303};
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i) bourse.Chandeliers.Item(i, codes[i % 8]);
    for (auto _ : state) {
        bourse.ChargePondération();
        benchmark::ClobberMemory();
    }
    compterBougies(state);
}

BENCHMARK(BM_Volatilite)->Arg(6500);
BENCHMARK(BM_Stoch14_9)->Arg(6500);
BENCHMARK(BM_VariationClotures)->Arg(6500);
BENCHMARK(BM_VariationMoyenneVolatilite)->Arg(6500);
BENCHMARK(BM_VariationMoyenneVolumeEnMillions)->Arg(6500);
BENCHMARK(BM_ChargePonderation)->Arg(6500);

}  // namespace
}  // namespace vantorelle
