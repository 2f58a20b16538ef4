// The user formulas over one security: the substitution of texts against the compiled evaluation.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "HistoriqueGenere.h"
#include "analysis/BourseCollection.h"
#include "series/CalculFormule.h"
#include "series/Fonctions.h"

namespace vantorelle {
namespace {

// 20 rules of 3 to 6 series references with offsets; no name lies inside another.
const std::vector<std::string> règles = {
    "Hausse=Clôture>Clôture[-1] And Clôture[-1]>Clôture[-2]",
    "Baisse=Clôture<Clôture[-1] And Clôture[-1]<Clôture[-2] And Volume>Volume[-1]",
    "Cassure=Clôture>Maximum[-1] And Clôture>Maximum[-2] And Volume>Volume[-5]*1,5",
    "Rupture=Clôture<Minimum[-1] And Clôture<Minimum[-2] And Clôture<Minimum[-3]",
    "Marteaux=Chandeliers=Marteau And Clôture>Clôture[-1] And Volume>0",
    "Gap=Minimum>Maximum[-1] And Volume>Volume[-1]",
    "Trou=Maximum<Minimum[-1] And Volume>Volume[-1]",
    "Etendue=(Maximum-Minimum)/Clôture>0,03 And Clôture>Nom[-1]",
    "Moyenne=(Clôture+Clôture[-1]+Clôture[-2]+Clôture[-3])/4>Clôture[-5]",
    "Elan=Clôture-Clôture[-10]>0 And Clôture[-1]-Clôture[-11]<0",
    "Pondérée=Pondération>=3 And Chandeliers[-1]<>Indéterminée And Clôture>Clôture[-1]",
    "Blanche=Clôture>Nom And Clôture[-1]>Nom[-1] And Clôture[-2]>Nom[-2]",
    "Noire=Clôture<Nom And Clôture[-1]<Nom[-1] And Clôture[-2]<Nom[-2]",
    "Volumineux=Volume>2*Volume[-1] And Volume[-1]>Volume[-2]",
    "Calme=Maximum-Minimum<Maximum[-1]-Minimum[-1] And Maximum[-1]-Minimum[-1]<Maximum[-2]-Minimum[-2]",
    "Rebond=Clôture[-2]>Clôture[-1] And Clôture>Clôture[-1] And Minimum>Minimum[-1]",
    "Sommet=Maximum[-1]>Maximum And Maximum[-1]>Maximum[-2]",
    "Creux=Minimum[-1]<Minimum And Minimum[-1]<Minimum[-2]",
    "Ecart=(Clôture-Nom)^2>(Clôture[-1]-Nom[-1])^2",
    "Signal=Hausse And Volume>Volume[-1] And Not Baisse[-1]",
};

/// The walk of n candles, recognised and weighed.
BourseCollection historique(std::int32_t n) {
    BourseCollection bourse = bancs::historiqueAléatoire(n);
    bourse.CalculerTailles();
    bourse.ChargeChandeliers(1);
    bourse.ChargePondération();
    return bourse;
}

void chargerRègles(Fonctions& fonctions, const BourseCollection& bourse, std::int64_t nombre) {
    const auto constantes = bourse.Constantes();
    for (std::int64_t j = 0; j < nombre; ++j) {
        const std::string& ligne = règles[static_cast<std::size_t>(j)];
        auto f = std::make_unique<Fonction>();
        f->Nom(Fonctions::NomCst(ligne));
        f->Formule(Fonctions::ValeurCst(ligne));
        f->Constantes(constantes);
        fonctions.Add(std::move(f), Fonctions::NomCst(ligne));
    }
}

template <void (*Calculer)(Fonction&, const Fonctions&)>
void BM_Formules(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(1));
    BourseCollection bourse = historique(n);
    Fonctions fonctions;
    chargerRègles(fonctions, bourse, state.range(0));
    const auto nombre = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        // A new security each time: its series are published anew and read afresh.
        bourse.AjouterAuxFonctions(fonctions);
        for (std::int32_t j = 1; j <= nombre; ++j) {
            fonctions.Item(j).Allouer(n);
            fonctions.Item(j).Longueur(n);
        }
        for (std::int32_t j = 1; j <= nombre; ++j) Calculer(fonctions.Item(j), fonctions);
        bourse.SupprimerDesFonctions(fonctions);
        for (Fonction* série : {&bourse.Date, &bourse.Ouverture, &bourse.Maximum, &bourse.Minimum, &bourse.Clôture,
                                &bourse.Volume, &bourse.Chandeliers, &bourse.Pondération})
            série->Item(1, Valeur(série->Item(1)));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

// The texts cost grows with the square of the candle count (an unresolved offset makes every member before
// its series scan every offset up to the count): 6,500 candles take about ten minutes, so two smaller sizes
// show the trend.
BENCHMARK(BM_Formules<CalculFormule::parSubstitution>)
    ->Name("BM_FormulesParSubstitution")
    ->ArgNames({"formules", "bougies"})
    ->Args({20, 250})
    ->Args({20, 500})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Formules<CalculFormule::compilé>)
    ->Name("BM_FormulesCompilées")
    ->ArgNames({"formules", "bougies"})
    ->Args({1, 6500})
    ->Args({20, 6500})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorelle
