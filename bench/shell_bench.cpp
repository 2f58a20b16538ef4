#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "shell/INI.h"
#include "shell/RacineDonnees.h"
#include "shell/Traducteur.h"
#include "support/EnvironnementEssai.h"

namespace {

using namespace vantorelle;
namespace fs = std::filesystem;

/// A temporary user's environment (settings, program directory, data root), made once and removed at exit.
const test::EnvironnementEssai& environnement() {
    static const test::EnvironnementEssai env;
    static const bool racine = [] {
        INI(env.emplacements(), 1, "Vantorelle").Value("Path", "PathPlotanex", "", env.chemin("racine") + "/");
        return true;
    }();
    (void)racine;
    return env;
}

std::string code(int i) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "FR%010d", i);
    return texte;
}

void BM_ReconstruireTout_50groupes_20000titres(benchmark::State& state) {
    const auto& env = environnement();
    // 50 groups of 400 securities; every fifth security is also listed in the next group.
    for (int g = 0; g < 50; ++g) {
        std::string lignes;
        for (int k = 0; k < 400; ++k) {
            const int i = g * 400 + k;
            lignes += code(i) + "\tSoci\xE9t\xE9 num\xE9ro " + std::to_string(i) + "\r\n";
            if (k % 5 == 0) lignes += code(i + 400) + "\tSoci\xE9t\xE9 suivante\r\n";
        }
        env.écrire("racine/base/groupe/Groupe" + std::to_string(g) + ".txt", lignes);
    }
    for (auto _ : state) ReconstruireTout(env.emplacements());
}
BENCHMARK(BM_ReconstruireTout_50groupes_20000titres)->Unit(benchmark::kMillisecond);

void BM_FichierHisto_20000fichiers(benchmark::State& state) {
    const auto& env = environnement();
    const std::string histo = env.chemin("racine/base/histo");
    if (!fs::exists(histo + "/Valeur 19999_" + code(19999) + ".txt")) {
        for (int i = 0; i < 20000; ++i) env.écrire("racine/base/histo/Valeur " + std::to_string(i) + "_" + code(i) + ".txt", "");
    }
    test::vieillir(histo, 3600);
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(FichierHisto(env.emplacements(), code(i++ % 20000)));
}
BENCHMARK(BM_FichierHisto_20000fichiers)->Unit(benchmark::kMicrosecond);

void BM_INI_LectureMode1(benchmark::State& state) {
    const auto& env = environnement();
    test::vieillir(env.chemin("config/Vantorelle.ini"), 3600);
    const INI ini(env.emplacements(), 1, "Vantorelle");
    for (auto _ : state) benchmark::DoNotOptimize(ini.Value("Path", "PathPlotanex", ""));
}
BENCHMARK(BM_INI_LectureMode1);

class ContrôleMesuré : public ContrôleTraduisible {
public:
    ContrôleMesuré(std::string nom, GenreContrôle genre, std::string texte)
        : nom_(std::move(nom)), genre_(genre), texte_(std::move(texte)) {}
    std::string nom() const override { return nom_; }
    GenreContrôle genre() const override { return genre_; }
    std::string texte() const override { return texte_; }
    void changerTexte(const std::string& texte) override { benchmark::DoNotOptimize(texte.data()); }
    void changerInfoBulle(const std::string& bulle) override { benchmark::DoNotOptimize(bulle.data()); }

private:
    std::string nom_;
    GenreContrôle genre_;
    std::string texte_;
};

class FenêtreMesurée : public FenêtreTraduisible {
public:
    explicit FenêtreMesurée(int nombre) {
        const GenreContrôle genres[] = {GenreContrôle::Libellé, GenreContrôle::Bouton, GenreContrôle::ZoneTexte,
                                        GenreContrôle::CaseÀCocher, GenreContrôle::Cadre, GenreContrôle::Autre};
        for (int i = 0; i < nombre; ++i)
            contrôles_.push_back(std::make_unique<ContrôleMesuré>("ctl" + std::to_string(i), genres[i % 6],
                                                                  "Libellé numéro " + std::to_string(i)));
    }
    std::string nom() const override { return "frmMesure"; }
    void changerTitre(const std::string& titre) override { benchmark::DoNotOptimize(titre.data()); }
    std::vector<ContrôleTraduisible*> contrôles() override {
        std::vector<ContrôleTraduisible*> liste;
        for (auto& c : contrôles_) liste.push_back(c.get());
        return liste;
    }

private:
    std::vector<std::unique_ptr<ContrôleMesuré>> contrôles_;
};

/// Both language files: 20 windows of 60 entries each; in the measured window, half the controls are
/// translated by name, a quarter by caption, and every third has a tool tip in the shared file.
void écrireLangues() {
    const auto& env = environnement();
    std::string principal, partagé;
    for (int f = 0; f < 20; ++f) {
        const std::string section = f == 0 ? "frmMesure" : "frmAutre" + std::to_string(f);
        principal += "[" + section + "]\r\nCaption=Window " + std::to_string(f) + "\r\n";
        partagé += "[" + section + "]\r\n";
        for (int i = 0; i < 60; ++i) {
            if (i % 2 == 0) principal += "ctl" + std::to_string(i) + "=Label " + std::to_string(i) + "\r\n";
            if (i % 4 == 1) principal += "Libell\xE9 num\xE9ro " + std::to_string(i) + "=Caption " + std::to_string(i) + "\r\n";
            if (i % 3 == 0) partagé += "ctl" + std::to_string(i) + ".ToolTipText=Tip " + std::to_string(i) + "\r\n";
        }
    }
    env.écrire("programme/Vantorelle.lng", principal);
    env.écrire("programme/Shared.lng", partagé);
}

void BM_TraduireFormulaire_60controles_enCache(benchmark::State& state) {
    const auto& env = environnement();
    écrireLangues();
    test::vieillir(env.chemin("programme/Vantorelle.lng"), 3600);
    test::vieillir(env.chemin("programme/Shared.lng"), 3600);
    FenêtreMesurée fenêtre(60);
    for (auto _ : state) TraduireFormulaire(env.emplacements(), fenêtre);
}
BENCHMARK(BM_TraduireFormulaire_60controles_enCache)->Unit(benchmark::kMicrosecond);

void BM_TraduireFormulaire_60controles_premiereFois(benchmark::State& state) {
    const auto& env = environnement();
    écrireLangues();
    FenêtreMesurée fenêtre(60);
    long âge = 3600;
    for (auto _ : state) {
        state.PauseTiming();
        // A new date on both files: the translation must read them again.
        test::vieillir(env.chemin("programme/Vantorelle.lng"), ++âge);
        test::vieillir(env.chemin("programme/Shared.lng"), âge);
        state.ResumeTiming();
        TraduireFormulaire(env.emplacements(), fenêtre);
    }
}
BENCHMARK(BM_TraduireFormulaire_60controles_premiereFois)->Unit(benchmark::kMicrosecond);

}  // namespace
