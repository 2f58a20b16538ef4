// Figure recognition and weighting over one security's daily history, trend on, with and without the memo.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "HistoriqueGenere.h"
#include "analysis/BourseCollection.h"

namespace vantorelle {
namespace {

/// n daily candles of a random walk with prices in cents: plain candles, dojis, long bodies and candles
/// without a shadow mixed, the same on every run. Sizes and trend computed with the default options.
BourseCollection historiqueQuotidien(std::int32_t n, bool mémo) {
    BourseCollection bourse;
    bourse.AvecMémo(mémo);
    bancs::Tirage aléa(20240607);
    double clôture = 50;
    for (std::int32_t i = 0; i < n; ++i) {
        const double ouverture = clôture * (1 + (aléa() - 0.5) * 0.02);
        const double tirage = aléa();
        const double corps = tirage < 0.1 ? 0 : tirage < 0.7 ? aléa() * 0.01 : 0.01 + aléa() * 0.04;
        clôture = ouverture * (1 + (aléa() < 0.5 ? -corps : corps));
        const double haut = std::max(ouverture, clôture) * (1 + (aléa() < 0.2 ? 0 : aléa() * 0.02));
        const double bas = std::min(ouverture, clôture) * (1 - (aléa() < 0.2 ? 0 : aléa() * 0.02));
        bourse.Ajouter("20000101", bancs::auCentime(ouverture), bancs::auCentime(haut), bancs::auCentime(bas),
                       bancs::auCentime(clôture), Monnaie{});
    }
    bourse.CalculerTailles();
    return bourse;
}

/// What the scan does after loading a security: the figures from the first candle, then their weights. A
/// new security invalidates everything the recognition kept, as touching the options does here.
void reconnaître(benchmark::State& state, bool mémo) {
    BourseCollection bourse = historiqueQuotidien(static_cast<std::int32_t>(state.range(0)), mémo);
    const Valeur tolérance = bourse.Options.Item(OptionsAnalyse::Tolérance);
    for (auto _ : state) {
        bourse.Options.Item(OptionsAnalyse::Tolérance, tolérance);
        bourse.ChargeChandeliers(1);
        bourse.ChargePondération();
        benchmark::ClobberMemory();
    }
    // Items are candles: items_per_second is the rate in candles per second.
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReconnaissanceAvecMemo(benchmark::State& state) { reconnaître(state, true); }
void BM_ReconnaissanceSansMemo(benchmark::State& state) { reconnaître(state, false); }

/// The scan's later reads of one candle's figure, once the candles are recognised.
void BM_ChandelierApresChargement(benchmark::State& state) {
    BourseCollection bourse = historiqueQuotidien(static_cast<std::int32_t>(state.range(0)), true);
    bourse.ChargeChandeliers(1);
    for (auto _ : state)
        for (std::int32_t i = 1; i <= bourse.Nombre; ++i) benchmark::DoNotOptimize(bourse.Chandelier(i));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ReconnaissanceAvecMemo)->Arg(6500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReconnaissanceSansMemo)->Arg(6500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChandelierApresChargement)->Arg(6500)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantorelle
