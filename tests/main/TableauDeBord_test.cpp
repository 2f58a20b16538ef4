#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "Aides.h"
#include "main/TableauDeBord.h"
#include "main/TexteTri.h"
#include "store/Erreur.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;
using Lignes = std::vector<std::string>;

/// The dashboard beside a plain list of rows sorted with std::stable_sort on the keys, each change made to both.
struct AvecModèle {
    T tableau;
    std::vector<Lignes> lignes;  // each with its 11 texts, then its number of sub-items
    int colonne = 0;
    bool croissant = true, trié = false;

    void ajouter(Lignes cellules) {
        tableau.Ajouter(std::vector<std::string_view>(cellules.begin(), cellules.end()));
        const std::size_t sousÉléments = cellules.size() - 1;
        cellules.resize(T::nombreColonnes);
        cellules.push_back(std::to_string(sousÉléments));
        lignes.push_back(std::move(cellules));
    }
    void cliquer(int c) { tableau.CliquerColonne(c), colonne = c, croissant = !croissant, trié = true, trier(); }
    // Re-sorting a sorted list changes nothing, so no need to know whether it is.
    void ordre(bool c) { tableau.Croissant(c), croissant = c, trié ? trier() : void(); }
    void supprimer(std::vector<std::size_t> indices) {
        tableau.Supprimer(indices);
        std::sort(indices.rbegin(), indices.rend());
        indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
        for (std::size_t i : indices) lignes.erase(lignes.begin() + static_cast<std::ptrdiff_t>(i));
    }
    void trier() {
        std::stable_sort(lignes.begin(), lignes.end(), [&](const Lignes& a, const Lignes& b) {
            const std::string ka = cléDeTri(a[colonne]), kb = cléDeTri(b[colonne]);
            return croissant ? ka < kb : kb < ka;
        });
    }
    void comparer(const std::string& étape) const {
        ASSERT_EQ(tableau.Nombre(), lignes.size()) << étape;
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            Lignes ligne;
            for (int c = 0; c < T::nombreColonnes; ++c) ligne.emplace_back(tableau.Texte(i, c));
            ligne.push_back(std::to_string(tableau.NombreSousÉléments(i)));
            ASSERT_EQ(ligne, lignes[i]) << étape << ", ligne " << i;
        }
    }
};

TEST(TableauDeBord, IndexesOutsideTheListLongTextsACellTooLargeAndSeveralBlocks) {
    AvecModèle m;
    for (const char* d : {"d2", "d1", "d3"}) m.ajouter({d, "FR", "N"});
    m.cliquer(T::Date);
    const std::function<void()> actions[] = {[&] { m.tableau.Supprimer({1, 3}); }, [&] { m.tableau.CliquerColonne(-1); },
        [&] { m.tableau.CliquerColonne(11); }, [&] { m.tableau.Ajouter({}); }, [&] { m.ajouter(Lignes(12, "x")); }};
    for (const auto& action : actions)
        EXPECT_THROW_MSG(action(), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    for (const int colonne : {-1, T::nombreColonnes})
        EXPECT_THROW_MSG(m.tableau.Texte(0, colonne), std::out_of_range, "TableauDeBord::Texte: colonne");
    EXPECT_THROW_MSG(test::ajouter(m.tableau, {"d", "c", "n", "f", std::string(3 << 20, 'x')}), Erreur,
                     "Une cellule du tableau de bord dépasse la taille permise.");
    m.comparer("erreurs");
    m.supprimer({0, 0, 2});  // a repeated index removes its row once
    // Around the length that switches to a longer length field.
    for (const std::size_t taille : {254, 255, 256, 70000})
        m.ajouter({"d", "c", std::string(taille, 'n'), "f", std::string(taille, '7')});
    m.comparer("suppression et textes longs");

    // Enough rows and text for several blocks of rows and of texts, and dates all different.
    const Lignes noms = {"Zèbre", "alpha", "Élan", "Alpha", "zebre", "elan", "Beta"};
    for (std::size_t i = 0; i < 100'000; ++i) {
        const std::string nombre = std::to_string(i * 7) + ",5 (/+0,1%)";
        m.ajouter({std::string("d").append(std::to_string(i)), "FR", noms[i % noms.size()], "Doji (=)", nombre, nombre,
                   nombre, nombre, nombre, "3"});
    }
    m.comparer("remplissage");
    m.cliquer(T::Nom);  // ascending, after the one click on the dates
    m.comparer("tri croissant");
    m.supprimer({0, 49'999, 50'000, 99'999});  // rows of the sorted list
    m.comparer("suppression");
}

/// Random rows with many equal keys: names and figures that differ only by accents or case, a malformed
/// byte whose key equals that of the accented letter, numbers that repeat, capitals, accents and control
/// characters among them.
struct Tirage {
    std::mt19937 aléa{20240102};

    Lignes ligne() {
        static const Lignes noms = {"Zèbre", "zebre", "Zebre", "ZÈBRE", "Élan", "elan", "Elan", "éla", "Caf\xE9",
                                    "Café", "cafe", "Œuvre", "oeuvre", "Alpha", "alpha", "ALPHA", "Beta", ""};
        static const Lignes figures = {"Marteau (/)", "Doji (=)", "doji (=)", "Étoile du soir (\\)",
                                       "Avalement haussier (/)", "Harami baissier (\\)", "Harami baissier en croix (\\)"};
        static const Lignes nombres = {
            "12,34 (/+1,5%)", "00,52 (=<00,61)", "1,5", "1,50", "1,5 (", "NaN", "nan", "abc", "Abc", "ab",
            "1 234,5 €", "", "-0,1", "x\x01y", "é", "e",
            std::string("e\0\1\0\1z", 6)};  // its key starts with the whole key of "e"
        Lignes cellules = {"2024" + std::to_string(10 + tirer(40)), "FR" + std::to_string(tirer(20)),
                           noms[tirer(noms.size())], figures[tirer(figures.size())]};
        for (int c = 0; c < 5; ++c)
            cellules.push_back(tirer(3) == 0 ? std::to_string(tirer(1000)) + "," + std::to_string(tirer(100))
                                             : nombres[tirer(nombres.size())]);
        cellules.push_back(std::string(1, static_cast<char>('1' + tirer(5))));
        cellules.push_back(tirer(2) == 0 ? "Hausse3 | " : "Rebond | Cassure | ");
        // Mostly the scan's 10 or 11 cells, sometimes fewer.
        cellules.resize(tirer(8) == 0 ? 1 + tirer(11) : 10 + tirer(2));
        return cellules;
    }
    std::size_t tirer(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(aléa); }
};

TEST(TableauDeBord, SortsAndRemovalsMatchAStableSortOfTheKeys) {
    AvecModèle m;
    Tirage tirage;
    const auto ajouterAuHasard = [&](std::size_t n) { for (; n > 0; --n) m.ajouter(tirage.ligne()); };
    ajouterAuHasard(2000);
    m.comparer("remplissage");
    for (int étape = 0; étape < 250 && !HasFatalFailure(); ++étape) {
        const std::size_t choix = tirage.tirer(100) == 0 ? 19 : tirage.tirer(19);
        // Adding, a click, an order, the sort that ends a generation (from the order the last one left), removing,
        // clearing.
        if (choix < 6) ajouterAuHasard(tirage.tirer(40));
        else if (choix < 10) m.cliquer(static_cast<int>(tirage.tirer(T::nombreColonnes)));
        else if (choix < 13) m.ordre(tirage.tirer(2) == 0);
        else if (choix < 16) m.cliquer(T::Nom), m.cliquer(T::Chandelier), m.ordre(true), m.cliquer(T::Pondération);
        else if (choix == 19) m.tableau.Vider(), m.lignes.clear();
        else {
            std::vector<std::size_t> indices;  // one of them twice
            for (std::size_t k = tirage.tirer(6); k > 0 && !m.lignes.empty(); --k)
                indices.push_back(tirage.tirer(m.lignes.size()));
            if (!indices.empty()) indices.push_back(indices.front());
            m.supprimer(indices);
        }
        m.comparer("étape " + std::to_string(étape) + ", choix " + std::to_string(choix));
    }
}

// ---- The sort key ----

// Each text sorts strictly before the next one of its pair.
const std::pair<const char*, const char*> paires[] = {
    {"", "a"},           {"a", "ab"},
    {" ", "("},          {"(", "0"},                // code-point order of the folded characters
    {"9", "A"},          {"a", "B"},  {"B", "c"},   // digits before letters; case folded first
    {"é", "f"},          {"Étoile", "etoiles"},     // accents removed first
    {"e", "é"},          {"E", "é"},                // then unaccented first: the accent decides before the case
    {"e", "E"},          {"é", "É"},                // then lower case first
    {"è", "é"},                                     // two accents: in code-point order
    {"zebre", "Zèbre"},  {"Zebre", "zèbre"},  {"cote", "côte"},  {"côte", "Côte"},  {"ça", "cb"},
    {"œuvre", "Œuvre"},  {"\xC3\xBF", "\xC5\xB8"},      // ÿ before Ÿ
    {"Harami baissier (\\)", "Harami baissier en croix (\\)"},  {"Doji (=)", "doji longues jambes (=)"},
    {"a\xC3", "a\xC3\xA9z"},  {"", "\x80"},           // a cut-short character, or a byte that starts none, stands for itself
};

TEST(TexteTri, ExactKeysAndTheOrderOfPairs) {
    // Folded letters, then the accent weights, then the case weights; plain lower-case ASCII takes a shortcut.
    const std::pair<const char*, std::string> clés[] = {
        {"", std::string("\0\0", 2)},
        {"a1,", std::string("a1,\0\1\1\1\0\1\1\1", 11)},
        {"Ab", std::string("ab\0\1\1\0\2\1", 8)},
        {"Été", std::string("ete\0\x0B\1\x0B\0\2\1\1", 11)},
    };
    for (const auto& [texte, clé] : clés) EXPECT_EQ(cléDeTri(texte), clé) << texte;
    for (const auto& [avant, après] : paires)
        EXPECT_LT(cléDeTri(avant), cléDeTri(après)) << "\"" << avant << "\" < \"" << après << "\"";
}

}  // namespace
}  // namespace vantorelle
