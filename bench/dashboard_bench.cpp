// The dashboard's row store and its sorts, on a table shaped like a weekly scan of a whole market.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "main/TableauDeBord.h"

namespace vantorelle {
namespace {

constexpr int nombreValeurs = 500;
constexpr int lignesParValeur = 1200;
constexpr int nombreSemaines = 1300;
constexpr int nombreFigures = 60;

/// The cells of 600,000 rows, made once: the texts that repeat come from small pools, the numeric texts are
/// drawn for each row and sit end to end in one buffer.
class LignesDeScan {
public:
    LignesDeScan() {
        for (int s = 0; s < nombreSemaines; ++s) {
            char clé[16];
            std::snprintf(clé, sizeof clé, "%04d%02d", 2000 + s / 52, 1 + s % 52);
            semaines_.emplace_back(clé);
        }
        const char* syllabes[] = {"al", "Bé", "cy", "Dor", "é", "fra", "Gal", "hè", "is", "Ké", "lo", "Mar"};
        for (int v = 0; v < nombreValeurs; ++v) {
            char code[16];
            std::snprintf(code, sizeof code, "FR%010d", 1000 + v * 37);
            codes_.emplace_back(code);
            std::string nom = syllabes[v % 12];
            nom += syllabes[(v / 12) % 12];
            nom += syllabes[(v / 144) % 12];
            noms_.push_back(nom + (v % 3 == 0 ? " SA" : v % 3 == 1 ? " Industries" : ""));
        }
        const char* figures[] = {"Marteau", "Doji", "Étoile du soir", "Avalement", "Harami", "Pendu"};
        const char* signes[] = {" (/)", " (\\)", " (=)"};
        for (int f = 0; f < nombreFigures; ++f) {
            std::string figure = figures[f % 6];
            if (f >= 6) figure.append(" ").append(std::to_string(f / 6));
            figures_.push_back(figure.append(signes[f % 3]));
        }

        std::mt19937 aléa(42);
        const std::size_t n = static_cast<std::size_t>(nombreValeurs) * lignesParValeur;
        lignes_.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            Ligne ligne;
            ligne.valeur = static_cast<std::uint16_t>(i / lignesParValeur);
            ligne.semaine = static_cast<std::uint16_t>((i % lignesParValeur + ligne.valeur * 7) % nombreSemaines);
            ligne.figure = static_cast<std::uint8_t>(aléa() % nombreFigures);
            ligne.poids = static_cast<char>('1' + aléa() % 5);
            ligne.formules = aléa() % 8 == 0;
            for (int c = 0; c < 5; ++c) {
                char texte[32];
                const unsigned r = aléa();
                const int longueur =
                    c % 2 == 0 ? std::snprintf(texte, sizeof texte, "%02u,%02u (/+%u,%u%%)", r % 100, (r >> 8) % 100,
                                               (r >> 16) % 10, (r >> 20) % 10)
                               : std::snprintf(texte, sizeof texte, "%02u,%02u (=<%02u,%02u)", r % 100,
                                               (r >> 8) % 100, (r >> 16) % 100, (r >> 24) % 100);
                ligne.nombres[c] = {static_cast<std::uint32_t>(nombres_.size()), static_cast<std::uint8_t>(longueur)};
                nombres_.append(texte, static_cast<std::size_t>(longueur));
            }
            lignes_.push_back(ligne);
        }
    }

    std::size_t nombre() const { return lignes_.size(); }

    void ajouter(TableauDeBord& tableau, std::size_t i) const {
        const Ligne& ligne = lignes_[i];
        std::array<std::string_view, TableauDeBord::nombreColonnes> cellules;
        cellules[TableauDeBord::Date] = semaines_[ligne.semaine];
        cellules[TableauDeBord::Code] = codes_[ligne.valeur];
        cellules[TableauDeBord::Nom] = noms_[ligne.valeur];
        cellules[TableauDeBord::Chandelier] = figures_[ligne.figure];
        for (int c = 0; c < 5; ++c)
            cellules[TableauDeBord::Clôture + c] =
                std::string_view(nombres_).substr(ligne.nombres[c].début, ligne.nombres[c].longueur);
        cellules[TableauDeBord::Pondération] = std::string_view(&ligne.poids, 1);
        cellules[TableauDeBord::Formules] = "Hausse3 | Cassure | ";
        tableau.Ajouter(std::span(cellules.data(), ligne.formules ? 11 : 10));
    }

    void remplir(TableauDeBord& tableau) const {
        for (std::size_t i = 0; i < lignes_.size(); ++i) ajouter(tableau, i);
    }

private:
    struct Texte {
        std::uint32_t début;
        std::uint8_t longueur;
    };
    struct Ligne {
        std::uint16_t valeur, semaine;
        std::uint8_t figure;
        char poids;
        bool formules;
        std::array<Texte, 5> nombres;
    };
    std::vector<std::string> semaines_, codes_, noms_, figures_;
    std::string nombres_;
    std::vector<Ligne> lignes_;
};

const LignesDeScan& lignesDeScan() {
    static const LignesDeScan lignes;
    return lignes;
}

void BM_TableauDeBordAjouter_600000lignes(benchmark::State& state) {
    const LignesDeScan& lignes = lignesDeScan();
    for (auto _ : state) {
        TableauDeBord tableau;
        lignes.remplir(tableau);
        benchmark::DoNotOptimize(tableau.Nombre());
        state.PauseTiming();  // freeing the table is not adding to it
        { TableauDeBord libéré = std::move(tableau); }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lignes.nombre()));
}
BENCHMARK(BM_TableauDeBordAjouter_600000lignes)->Unit(benchmark::kMillisecond);

/// Times `trier` alone on a freshly filled table at each iteration.
template <class Tri>
void mesurerTri(benchmark::State& state, Tri trier) {
    const LignesDeScan& lignes = lignesDeScan();
    for (auto _ : state) {
        state.PauseTiming();
        auto tableau = std::make_unique<TableauDeBord>();
        lignes.remplir(*tableau);
        state.ResumeTiming();
        trier(*tableau);
        benchmark::DoNotOptimize(tableau->Texte(0, TableauDeBord::Date));
        state.PauseTiming();
        tableau.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lignes.nombre()));
}

void BM_TableauDeBordTriDeFinDeGénération_600000lignes(benchmark::State& state) {
    mesurerTri(state, [](TableauDeBord& tableau) {
        tableau.CliquerColonne(TableauDeBord::Nom);
        tableau.CliquerColonne(TableauDeBord::Chandelier);
        tableau.Croissant(true);
        tableau.CliquerColonne(TableauDeBord::Pondération);
    });
}
BENCHMARK(BM_TableauDeBordTriDeFinDeGénération_600000lignes)->Unit(benchmark::kMillisecond);

// A column of texts that differ on every row: the user's click, not the generation's.
void BM_TableauDeBordClicSurLaClôture_600000lignes(benchmark::State& state) {
    mesurerTri(state, [](TableauDeBord& tableau) { tableau.CliquerColonne(TableauDeBord::Clôture); });
}
BENCHMARK(BM_TableauDeBordClicSurLaClôture_600000lignes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorelle
