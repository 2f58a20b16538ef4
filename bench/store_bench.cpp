#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "store/Arr.h"
#include "store/Fichier.h"
#include "store/MStringSortRoutines.h"
#include "store/TexteNombre.h"
#include "support/DossierTemporaire.h"

namespace {

using namespace vantorelle;

/// A temporary folder for the benchmark files, made on first use and removed at exit.
const test::DossierTemporaire& dossierDesMesures() {
    static const test::DossierTemporaire dossier;
    return dossier;
}

/// A history-like line of exactly 40 bytes with its CR LF, keys increasing with i.
std::string ligneDeQuarante(std::size_t i) {
    std::string ligne = std::to_string(10000000 + i) + "\t12,50\t13,00\t12,00\t12,75\t";
    ligne.resize(38, '7');
    return ligne + "\r\n";
}

/// The path of a file of `lignes` lines of 40 bytes, written once.
const std::string& fichierDeLignes(std::size_t lignes) {
    static std::map<std::size_t, std::string> faits;
    auto [position, nouveau] = faits.try_emplace(lignes);
    if (nouveau) {
        position->second = dossierDesMesures().fichier("lignes" + std::to_string(lignes) + ".txt");
        std::ofstream flux(position->second, std::ios::binary);
        std::string bloc;
        for (std::size_t i = 0; i < lignes; ++i) {
            bloc += ligneDeQuarante(i);
            if (bloc.size() > (1 << 20)) {
                flux << bloc;
                bloc.clear();
            }
        }
        flux << bloc;
    }
    return position->second;
}

constexpr std::size_t lignesDe200Mo = 200'000'000 / 40;

void chargerFichier(benchmark::State& état, bool rapide) {
    const std::string& chemin = fichierDeLignes(lignesDe200Mo);
    for (auto _ : état) {
        auto f = std::make_unique<Fichier>(chemin);
        f->Charger(0, 0, rapide);
        if (f->Data().Count() != static_cast<std::int32_t>(lignesDe200Mo)) état.SkipWithError("lignes perdues");
        benchmark::DoNotOptimize(f->Data().valeurs().data());
        // Freeing the lines is not part of loading them.
        état.PauseTiming();
        f.reset();
        état.ResumeTiming();
    }
    état.SetBytesProcessed(static_cast<std::int64_t>(état.iterations() * lignesDe200Mo * 40));
}

void Fichier_Charger_rapide_200Mo_lignes40(benchmark::State& état) { chargerFichier(état, true); }
void Fichier_Charger_lignes_200Mo_lignes40(benchmark::State& état) { chargerFichier(état, false); }
BENCHMARK(Fichier_Charger_rapide_200Mo_lignes40)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(Fichier_Charger_lignes_200Mo_lignes40)->Unit(benchmark::kMillisecond)->MinTime(2);

void Fichier_TrouveSeek_1000000_lignes(benchmark::State& état) {
    constexpr std::size_t lignes = 1'000'000;
    const Fichier f(fichierDeLignes(lignes));
    std::mt19937 générateur(42);
    std::uniform_int_distribution<std::size_t> ligne(0, lignes - 1);
    std::uint64_t recherches = 0;
    for (auto _ : état) {
        const std::string clé = std::to_string(10000000 + ligne(générateur));
        benchmark::DoNotOptimize(f.TrouveSeek(clé, 50, true));
        ++recherches;
    }
    état.counters["octets_lus_par_recherche"] = static_cast<double>(f.octetsLus()) / static_cast<double>(recherches);
}
BENCHMARK(Fichier_TrouveSeek_1000000_lignes);

std::vector<std::string> textesAuHasard(std::size_t n) {
    std::mt19937 générateur(7);
    std::uniform_int_distribution<int> lettre('a', 'z'), longueur(5, 30);
    std::vector<std::string> textes(n);
    for (std::string& t : textes)
        for (int k = longueur(générateur); k > 0; --k) t += static_cast<char>(lettre(générateur));
    return textes;
}

void trierTextes(benchmark::State& état, bool standard) {
    const std::vector<std::string> source = textesAuHasard(static_cast<std::size_t>(état.range(0)));
    for (auto _ : état) {
        état.PauseTiming();
        std::vector<std::string> textes = source;
        état.ResumeTiming();
        if (standard)
            std::sort(textes.begin(), textes.end());
        else
            MStringSortRoutines::SortStringArray(textes, true, true);
        benchmark::DoNotOptimize(textes.data());
    }
    état.SetItemsProcessed(état.iterations() * état.range(0));
}

void SortStringArray_textes_au_hasard(benchmark::State& état) { trierTextes(état, false); }
void std_sort_textes_au_hasard(benchmark::State& état) { trierTextes(état, true); }
BENCHMARK(SortStringArray_textes_au_hasard)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(std_sort_textes_au_hasard)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void Arr_Add(benchmark::State& état) {
    const auto n = static_cast<std::int32_t>(état.range(0));
    for (auto _ : état) {
        Arr<std::string> a;
        for (std::int32_t i = 0; i < n; ++i) a.Add("valeur");
        benchmark::DoNotOptimize(a.valeurs().data());
    }
    état.SetItemsProcessed(état.iterations() * état.range(0));
}
BENCHMARK(Arr_Add)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

/// What a market scan writes, in equal parts: prices (12.34), percentages (-3.57), averages (1234.567…, all
/// their digits) and volumes (0.123).
std::vector<double> nombresDuMarché(std::size_t n) {
    std::mt19937 générateur(11);
    std::uniform_int_distribution<int> centimes(1, 99'999), pourcentages(-2'000, 2'000), millièmes(1, 9'999);
    std::uniform_real_distribution<double> cours(1, 5'000);
    std::vector<double> nombres(n);
    for (std::size_t i = 0; i < n; ++i) {
        switch (i % 4) {
        case 0: nombres[i] = centimes(générateur) / 100.0; break;
        case 1: nombres[i] = pourcentages(générateur) / 100.0; break;
        case 2: nombres[i] = (cours(générateur) + cours(générateur) + cours(générateur)) / 3; break;
        default: nombres[i] = millièmes(générateur) / 1000.0; break;
        }
    }
    return nombres;
}

constexpr std::size_t nombresParTour = 4096;

/// One text per iteration, going round the mix: the time shown is the time of one call.
template <typename Flottant, typename Texte>
void écrireNombres(benchmark::State& état, Texte texte) {
    const std::vector<double> source = nombresDuMarché(nombresParTour);
    const std::vector<Flottant> nombres(source.begin(), source.end());
    std::size_t i = 0;
    for (auto _ : état) {
        benchmark::DoNotOptimize(texte(nombres[i]));
        i = (i + 1) % nombresParTour;
    }
    état.SetItemsProcessed(état.iterations());
}

void texteSimple_marche_4096_nombres(benchmark::State& état) {
    écrireNombres<float>(état, [](float x) { return texteSimple(x); });
}
void texteDouble_marche_4096_nombres(benchmark::State& état) {
    écrireNombres<double>(état, [](double x) { return texteDouble(x); });
}
void Format_simple_00_00_marche_4096_nombres(benchmark::State& état) {
    écrireNombres<float>(état, [](float x) { return Format(x, "00.00"); });
}
BENCHMARK(texteSimple_marche_4096_nombres);
BENCHMARK(texteDouble_marche_4096_nombres);
BENCHMARK(Format_simple_00_00_marche_4096_nombres);

}  // namespace
