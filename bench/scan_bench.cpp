#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "demo/BaseDemo.h"
#include "main/Generateur.h"
#include "main/RemplissageTableau.h"
#include "store/Groupes.h"

namespace vantorelle {
namespace {

namespace fs = std::filesystem;

/// A generated market, written once per machine into the temporary folder and kept there (the benchmarks
/// run on a warm file cache), with settings that point at it.
class Marché {
public:
    Marché(int valeurs, int années)
        : dossier_(fs::temp_directory_path() /
                   ("vantorelle-bench-marche-" + std::to_string(valeurs) + "x" + std::to_string(années))),
          emplacements_({dossier_ / "Vantorelle.ini", dossier_ / "programme", {}, dossier_ / "cache", dossier_ / "etat"}) {
        if (!fs::exists(dossier_ / "complet")) {
            ParamètresDémo p;
            p.valeurs = valeurs;
            p.années = années;
            BaseDémo(p).Écrire(dossier_);
            std::ofstream(dossier_ / "complet") << "ok\n";
        }
        std::ofstream(dossier_ / "Formules10.txt", std::ios::binary)
            << "Hausse3=Cl\xF4ture>Cl\xF4ture[-1] And Cl\xF4ture[-1]>Cl\xF4ture[-2] And Cl\xF4ture[-2]>Cl\xF4ture[-3]\r\n"
               "Rebond=Cl\xF4ture>Cl\xF4ture[-1] And Cl\xF4ture[-1]<Cl\xF4ture[-2]\r\n"
               "Cassure=Cl\xF4ture>Maximum[-1] And Volume>Volume[-1]\r\n"
               "Chute=Cl\xF4ture<Minimum[-1] And Volume>2*Volume[-1]\r\n"
               "Ecart=(Maximum-Minimum)/Cl\xF4ture>0.05\r\n"
               "Gap=Minimum>Maximum[-1]\r\n"
               "Trou=Maximum<Minimum[-1]\r\n"
               "FigureForte=Pond\xE9ration>=3\r\n"
               "Avalement=Chandeliers=214 Or Chandeliers=114\r\n"
               "Indecision=Chandeliers>=300 And Chandeliers<400 And Volume>Volume[-5]\r\n";
        for (const TitreGroupe& t : LireGroupe((dossier_ / "base/groupe/All.txt").string()))
            paramètres_.valeurs.push_back({t.code, t.nom});
        paramètres_.groupe = "All";
    }

    ParamètresScan paramètres(Jour du, Jour au, PériodeBougie bougie, bool confirmation) const {
        ParamètresScan p = paramètres_;
        p.du = du;
        p.au = au;
        p.période = bougie;
        p.confirmation = confirmation;
        return p;
    }

    fs::path formules() const { return dossier_ / "Formules10.txt"; }

    /// The daily lines of the market's histories from `du` on.
    std::int64_t lignesDepuis(Jour du) const {
        std::int64_t n = 0;
        const std::string début = du.texte();
        for (const auto& f : fs::directory_iterator(dossier_ / "base/histo")) {
            std::ifstream flux(f.path(), std::ios::binary);
            for (std::string ligne; std::getline(flux, ligne);) n += ligne.compare(0, 8, début) >= 0;
        }
        return n;
    }

    const Emplacements& emplacements() const { return emplacements_; }

private:
    fs::path dossier_;
    Emplacements emplacements_;
    ParamètresScan paramètres_;
};

const Marché& marché() {
    static const Marché m(500, 25);
    return m;
}

/// A generation; `fils` 0 lets it use every core.
void générer(const ParamètresScan& p, const fs::path* formules, TableauDeBord& tableau, std::size_t fils) {
    Générateur générateur(marché().emplacements(), sansTraduction);
    if (fils > 0) générateur.Fils(fils);
    if (formules) générateur.ChargerFormules(*formules);
    Progression suivi;
    GénérerSurCeFil(générateur, p, tableau, sansTraduction, suivi);
}

void BM_ScanQuotidienConfirmé_500valeurs_25ans_dernièreAnnée(benchmark::State& state) {
    const Marché& m = marché();
    const bool avecFormules = state.range(0) > 0;
    const fs::path formules = m.formules();
    const ParamètresScan p = m.paramètres(Jour::de(2024, 1, 1), Jour::de(2024, 12, 31), PériodeBougie::Jour, true);
    std::size_t lignes = 0;
    for (auto _ : state) {
        TableauDeBord tableau;
        générer(p, avecFormules ? &formules : nullptr, tableau, 1);
        lignes = tableau.Nombre();
    }
    state.counters["lignes"] = static_cast<double>(lignes);
    state.SetLabel(avecFormules ? "10 formules, un cœur" : "sans formules, un cœur");
}
BENCHMARK(BM_ScanQuotidienConfirmé_500valeurs_25ans_dernièreAnnée)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond);

/// Peak resident memory, in MB, of one run of `action` in a child process.
double mémoireDePointe(void (*action)()) {
    const pid_t enfant = fork();
    if (enfant == 0) {
        action();
        _exit(0);
    }
    int statut = 0;
    rusage usage{};
    wait4(enfant, &statut, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

const Jour débutDuMarché = Jour::de(1999, 12, 31);

std::size_t filsDuScanHebdomadaire = 0;

void scanHebdomadaireComplet() {
    TableauDeBord tableau;
    générer(marché().paramètres(débutDuMarché, Jour::de(2024, 12, 31), PériodeBougie::Semaine, false), nullptr, tableau,
            filsDuScanHebdomadaire);
}

/// Argument: the threads, 0 for as many as the machine runs at once.
void BM_ScanHebdomadaireHistoriqueComplet_500valeurs_25ans(benchmark::State& state) {
    const Marché& m = marché();
    filsDuScanHebdomadaire = static_cast<std::size_t>(state.range(0));
    const double pointe = mémoireDePointe(scanHebdomadaireComplet);
    const std::int64_t bougies = m.lignesDepuis(débutDuMarché.plus(-Recul(14, PériodeBougie::Semaine)));
    const ParamètresScan p = m.paramètres(débutDuMarché, Jour::de(2024, 12, 31), PériodeBougie::Semaine, false);
    std::size_t lignes = 0;
    for (auto _ : state) {
        TableauDeBord tableau;
        générer(p, nullptr, tableau, filsDuScanHebdomadaire);
        lignes = tableau.Nombre();
    }
    state.counters["bougies/s"] =
        benchmark::Counter(static_cast<double>(bougies), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["lignes"] = static_cast<double>(lignes);
    state.counters["Mo_pointe"] = pointe;
}
BENCHMARK(BM_ScanHebdomadaireHistoriqueComplet_500valeurs_25ans)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace
}  // namespace vantorelle
