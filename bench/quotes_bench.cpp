// Loading a security's history file and grouping its candles by week and month.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "HistoriqueGenere.h"
#include "analysis/BourseCollection.h"
#include "support/DossierTemporaire.h"

namespace vantorelle {
namespace {

/// A history of n weekdays of lines of about 40 bytes, written once in a temporary folder.
class HistoireÉcrite {
public:
    explicit HistoireÉcrite(std::int32_t n) {
        chemin_ = dossier_.chemin() / "Alpha_FR0000000001.txt";
        std::ofstream fichier(chemin_, std::ios::binary);
        const auto texte = [](double v) {
            std::string t = std::to_string(std::round(v * 100) / 100);
            t.resize(t.find('.') + 3);
            t[t.find('.')] = ',';
            return t;
        };
        bancs::MarcheAléatoire marche;
        Jour jour = Jour::de(1999, 1, 4);
        for (std::int32_t i = 0; i < n; jour = jour.plus(1)) {
            if (jour.jourDeLaSemaine() == 0 || jour.jourDeLaSemaine() == 6) continue;
            const bancs::BougieTirée b = marche.suivante();
            fichier << jour.texte() << '\t' << texte(b.ouverture) << '\t' << texte(b.haut) << '\t' << texte(b.bas)
                    << '\t' << texte(b.clôture) << '\t' << static_cast<std::int64_t>(b.volume) << "\r\n";
            dernier_ = jour;
            ++i;
        }
    }
    const std::filesystem::path& chemin() const { return chemin_; }
    Jour dernier() const { return dernier_; }

private:
    test::DossierTemporaire dossier_;
    std::filesystem::path chemin_;
    Jour dernier_;
};

const HistoireÉcrite& vingtCinqAns() {
    static const HistoireÉcrite histoire(6500);
    return histoire;
}

/// Bytes this process has read from files so far.
std::uint64_t octetsLus() {
    std::ifstream io("/proc/self/io");
    std::string clé;
    std::uint64_t valeur = 0;
    while (io >> clé >> valeur)
        if (clé == "rchar:") return valeur;
    return 0;
}

/// Loads the window of the history again and again, counting the bytes each load reads.
void chargerLaFenêtre(benchmark::State& state, Jour premier, Jour dernier) {
    const HistoireÉcrite& histoire = vingtCinqAns();
    BourseCollection bourse;
    std::uint64_t octets = 0;
    for (auto _ : state) {
        const std::uint64_t avant = octetsLus();
        bourse.ChargeFichier("FR0000000001", "Alpha", histoire.chemin(), premier, dernier, 0);
        octets += octetsLus() - avant;
    }
    state.counters["bougies"] = bourse.Nombre;
    // Reading /proc/self/io itself counts a few hundred bytes in each measure.
    state.counters["octets_lus"] = static_cast<double>(octets) / static_cast<double>(state.iterations());
}

void BM_FenetreDeDeuxAns_6500Lignes(benchmark::State& state) {
    chargerLaFenêtre(state, vingtCinqAns().dernier().plus(-730), BourseCollection::FinDuFichier);
}
BENCHMARK(BM_FenetreDeDeuxAns_6500Lignes)->Unit(benchmark::kMicrosecond);

// A scan of a past year: the load stops on the first line after the window.
void BM_FenetreDUnAnIlYADixAns_6500Lignes(benchmark::State& state) {
    const Jour dernier = vingtCinqAns().dernier().plus(-3650);
    chargerLaFenêtre(state, dernier.plus(-365), dernier);
}
BENCHMARK(BM_FenetreDUnAnIlYADixAns_6500Lignes)->Unit(benchmark::kMicrosecond);

void BM_HistoireEntiere_6500Lignes(benchmark::State& state) {
    const HistoireÉcrite& histoire = vingtCinqAns();
    BourseCollection bourse;
    for (auto _ : state)
        bourse.ChargeFichier("FR0000000001", "Alpha", histoire.chemin(), BourseCollection::DébutDuFichier,
                             BourseCollection::FinDuFichier, 0);
    state.SetItemsProcessed(state.iterations() * bourse.Nombre);
}
BENCHMARK(BM_HistoireEntiere_6500Lignes)->Unit(benchmark::kMicrosecond);

void BM_Conversion(benchmark::State& state, bool semaines) {
    const HistoireÉcrite& histoire = vingtCinqAns();
    BourseCollection bourse;
    bourse.ChargeFichier("FR0000000001", "Alpha", histoire.chemin(), BourseCollection::DébutDuFichier,
                         BourseCollection::FinDuFichier, 0);
    for (auto _ : state) benchmark::DoNotOptimize(semaines ? bourse.ConvertirEnSemaines() : bourse.ConvertirEnMois());
    state.SetItemsProcessed(state.iterations() * bourse.Nombre);
}
BENCHMARK_CAPTURE(BM_Conversion, EnSemaines_6500Bougies, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Conversion, EnMois_6500Bougies, false)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantorelle
