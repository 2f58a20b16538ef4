#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "main/TableauDeBord.h"
#include "main/TexteTri.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;

/// Adds a row named `nom` with the figure and weight given; the other cells tell the rows apart.
void ajouter(T& tableau, const std::string& date, const std::string& nom, const std::string& figure,
             const std::string& poids, bool formules = false) {
    std::vector<std::string> cellules = {date,    "FR" + date, nom,     figure,  "10,00", "01,00",
                                         "0,100", "50,00",     "50,00", poids,   "Hausse | "};
    std::vector<std::string_view> vues(cellules.begin(), cellules.end());
    tableau.Ajouter(std::span(vues.data(), formules ? 11 : 10));
}

std::vector<std::string> dates(const T& tableau) {
    std::vector<std::string> résultat;
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) résultat.emplace_back(tableau.Texte(i, T::Date));
    return résultat;
}

void remplir(T& tableau) {
    ajouter(tableau, "r1", "Beta", "Marteau (/)", "2");
    ajouter(tableau, "r2", "Alpha", "Marteau (/)", "2");
    ajouter(tableau, "r3", "Alpha", "Doji (=)", "2");
    ajouter(tableau, "r4", "Beta", "Doji (=)", "4");
    ajouter(tableau, "r5", "Gamma", "Avalement haussier (/)", "2");
    ajouter(tableau, "r6", "alpha", "Marteau (/)", "2");
}

void trierCommeEnFinDeGénération(T& tableau) {
    tableau.CliquerColonne(T::Nom);
    tableau.CliquerColonne(T::Chandelier);
    tableau.Croissant(true);
    tableau.CliquerColonne(T::Pondération);
}

TEST(TableauDeBord, CellulesEtSousÉléments) {
    T tableau;
    ajouter(tableau, "20240102", "Alcyrane", "Doji (=)", "1");
    ajouter(tableau, "20240103", "Alcyrane", "Doji (=)", "1", true);
    ASSERT_EQ(tableau.Nombre(), 2u);
    EXPECT_EQ(tableau.NombreSousÉléments(0), 9);
    EXPECT_EQ(tableau.NombreSousÉléments(1), 10);
    EXPECT_EQ(tableau.Texte(0, T::Nom), "Alcyrane");
    EXPECT_EQ(tableau.Texte(0, T::Pondération), "1");
    EXPECT_EQ(tableau.Texte(0, T::Formules), "");
    EXPECT_EQ(tableau.Texte(1, T::Formules), "Hausse | ");
    EXPECT_EQ(tableau.Texte(1, T::Volume), "0,100");
    EXPECT_THROW(tableau.Texte(2, T::Date), std::out_of_range);
}

TEST(TableauDeBord, ColonnesDuTableau) {
    const T tableau;
    const char* clés[] = {"date", "code", "nom", "chandelier", "cloture", "volatilite",
                          "volume", "rsi", "stock", "ponderation", "formules"};
    const char* titres[] = {"Date", "Code", "Nom", "Chandelier", "Clôture", "Volatilité",
                            "Volume", "RSI", "Stoch", "Pondération", "Formules"};
    const int largeurs[] = {1764, 1764, 2540, 2540, 2540, 2540, 2469, 2469, 2540, 0, 0};
    for (int c = 0; c < T::nombreColonnes; ++c) {
        EXPECT_EQ(tableau.Définition(c).clé, clés[c]);
        EXPECT_EQ(tableau.Définition(c).titre, titres[c]);
        EXPECT_EQ(tableau.Définition(c).largeur, largeurs[c]);
    }
    EXPECT_EQ(tableau.Titres(),
              "Date\tCode\tNom\tChandelier\tClôture\tVolatilité\tVolume\tRSI\tStoch\tPondération\tFormules");
}

TEST(TableauDeBord, SupprimerTroisLignesSurDix) {
    T tableau;
    for (int k = 1; k <= 10; ++k) ajouter(tableau, std::string("d").append(std::to_string(k)), "N", "Doji (=)", "1");
    tableau.Supprimer({6, 1, 3});
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"d1", "d3", "d5", "d6", "d8", "d9", "d10"}));
}

TEST(TableauDeBord, ChaqueClicInverseLOrdre) {
    T tableau;
    for (const char* d : {"20240103", "20240101", "20240102"}) ajouter(tableau, d, "N", "Doji (=)", "1");
    EXPECT_TRUE(tableau.Croissant());
    tableau.CliquerColonne(T::Date);  // from the initial ascending order, the first click sorts descending
    EXPECT_FALSE(tableau.Croissant());
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"20240103", "20240102", "20240101"}));
    tableau.CliquerColonne(T::Date);
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"20240101", "20240102", "20240103"}));
    tableau.CliquerColonne(T::Nom);  // equal names keep their order
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"20240101", "20240102", "20240103"}));
}

TEST(TableauDeBord, TriDeFinDeGénérationSelonLOrdreHérité) {
    T tableau;
    remplir(tableau);
    trierCommeEnFinDeGénération(tableau);
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"r4", "r5", "r3", "r1", "r2", "r6"}));
    EXPECT_FALSE(tableau.Croissant());

    // The next generation starts from the descending order the previous one left.
    tableau.Vider();
    remplir(tableau);
    trierCommeEnFinDeGénération(tableau);
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"r4", "r5", "r3", "r6", "r2", "r1"}));
}

TEST(TableauDeBord, TexteRangéAprèsLeTri) {
    T tableau;
    ajouter(tableau, "b", "Zèbre", "Marteau (/)", "2");
    ajouter(tableau, "a", "zebre", "Doji (=)", "3", true);
    tableau.CliquerColonne(T::Nom);
    tableau.CliquerColonne(T::Nom);  // ascending: zebre before Zèbre
    EXPECT_EQ(tableau.Texte(0, T::Nom), "zebre");
    EXPECT_EQ(tableau.Texte(0, T::Chandelier), "Doji (=)");
    EXPECT_EQ(tableau.Texte(0, T::Formules), "Hausse | ");
    EXPECT_EQ(tableau.NombreSousÉléments(0), 10);
    EXPECT_EQ(tableau.Texte(1, T::Pondération), "2");
    EXPECT_EQ(tableau.NombreSousÉléments(1), 9);
}

TEST(TableauDeBord, SupprimerHorsDeLaListeNeRetireRien) {
    T tableau;
    remplir(tableau);
    tableau.CliquerColonne(T::Nom);
    const std::vector<std::string> avant = dates(tableau);
    EXPECT_THROW(tableau.Supprimer({1, 6}), ErreurIndice);
    EXPECT_EQ(dates(tableau), avant);
    tableau.Supprimer({0, 0, 5});  // a repeated index removes its row once
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{avant[1], avant[2], avant[3], avant[4]}));
}

TEST(TableauDeBord, TextesLongsEtCelluleTropGrande) {
    T tableau;
    struct Cas {
        std::size_t taille;
    };
    // Around the length that switches to a longer length field.
    for (const Cas cas : {Cas{254}, Cas{255}, Cas{256}, Cas{70000}}) {
        const std::string nom(cas.taille, 'n'), clôture(cas.taille, '7');
        const std::vector<std::string_view> cellules = {"d", "c", nom, "f", clôture};
        tableau.Ajouter(cellules);
        EXPECT_EQ(tableau.Texte(tableau.Nombre() - 1, T::Nom), nom) << cas.taille;
        EXPECT_EQ(tableau.Texte(tableau.Nombre() - 1, T::Clôture), clôture) << cas.taille;
    }
    const std::string énorme(3 << 20, 'x');
    const std::vector<std::string_view> cellules = {"d", "c", "n", "f", énorme};
    try {
        tableau.Ajouter(cellules);
        ADD_FAILURE() << "no error";
    } catch (const Erreur& e) {
        EXPECT_STREQ(e.what(), "Une cellule du tableau de bord dépasse la taille permise.");
    }
    EXPECT_EQ(tableau.Nombre(), 4u);
}

/// The dashboard as a plain list of rows, sorted with std::stable_sort on the keys, for comparison.
class Modèle {
public:
    void ajouter(const std::vector<std::string>& cellules) { lignes_.push_back(cellules); }
    void cliquer(int colonne) {
        colonne_ = colonne;
        croissant_ = !croissant_;
        trié_ = true;
        trier();
    }
    void croissant(bool croissant) {
        croissant_ = croissant;
        if (trié_) trier();  // re-sorting a sorted list changes nothing, so no need to know whether it is
    }
    void supprimer(std::vector<std::size_t> indices) {
        std::sort(indices.rbegin(), indices.rend());
        indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
        for (std::size_t i : indices) lignes_.erase(lignes_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    void vider() { lignes_.clear(); }

    std::size_t nombre() const { return lignes_.size(); }

    void comparer(const T& tableau, const std::string& étape) const {
        ASSERT_EQ(tableau.Nombre(), lignes_.size()) << étape;
        for (std::size_t i = 0; i < lignes_.size(); ++i) {
            ASSERT_EQ(tableau.NombreSousÉléments(i), static_cast<int>(lignes_[i].size()) - 1) << étape << ", ligne " << i;
            for (int c = 0; c < T::nombreColonnes; ++c)
                ASSERT_EQ(tableau.Texte(i, c), texte(i, c)) << étape << ", ligne " << i << ", colonne " << c;
        }
    }

private:
    std::string texte(std::size_t ligne, int colonne) const {
        const auto c = static_cast<std::size_t>(colonne);
        return c < lignes_[ligne].size() ? lignes_[ligne][c] : "";
    }

    void trier() {
        std::vector<std::pair<std::string, std::vector<std::string>>> clés;
        for (std::size_t i = 0; i < lignes_.size(); ++i) clés.emplace_back(cléDeTri(texte(i, colonne_)), lignes_[i]);
        std::stable_sort(clés.begin(), clés.end(),
                         [&](const auto& a, const auto& b) { return croissant_ ? a.first < b.first : b.first < a.first; });
        for (std::size_t i = 0; i < lignes_.size(); ++i) lignes_[i] = std::move(clés[i].second);
    }

    std::vector<std::vector<std::string>> lignes_;
    int colonne_ = 0;
    bool croissant_ = true;
    bool trié_ = false;
};

/// Random rows with many equal keys: names and figures that differ only by accents or case, a malformed
/// byte whose key equals that of the accented letter, numbers that repeat, capitals, accents and control
/// characters among them.
class Tirage {
public:
    std::vector<std::string> ligne() {
        static const std::vector<std::string> noms = {
            "Zèbre", "zebre", "Zebre", "ZÈBRE", "Élan", "elan", "Elan", "éla", "Caf\xE9", "Café", "cafe", "Œuvre",
            "oeuvre", "Alpha", "alpha", "ALPHA", "Beta", ""};
        static const std::vector<std::string> figures = {
            "Marteau (/)", "Doji (=)", "doji (=)", "Étoile du soir (\\)", "Avalement haussier (/)",
            "Harami baissier (\\)", "Harami baissier en croix (\\)"};
        static const std::vector<std::string> nombres = {
            "12,34 (/+1,5%)", "00,52 (=<00,61)", "1,5", "1,50", "1,5 (", "NaN", "nan", "abc", "Abc", "ab",
            "1 234,5 €", "", "-0,1", "x\x01y", "é", "e",
            std::string("e\0\1\0\1z", 6)};  // its key starts with the whole key of "e"
        std::vector<std::string> cellules = {"2024" + std::to_string(10 + tirer(40)), "FR" + std::to_string(tirer(20))};
        cellules.push_back(noms[tirer(noms.size())]);
        cellules.push_back(figures[tirer(figures.size())]);
        for (int c = 0; c < 5; ++c)
            cellules.push_back(tirer(3) == 0 ? std::to_string(tirer(1000)) + "," + std::to_string(tirer(100))
                                             : nombres[tirer(nombres.size())]);
        cellules.push_back(std::string(1, static_cast<char>('1' + tirer(5))));
        cellules.push_back(tirer(2) == 0 ? "Hausse3 | " : "Rebond | Cassure | ");
        // Mostly the scan's 10 or 11 cells, sometimes fewer.
        const std::size_t nombre = tirer(8) == 0 ? 1 + tirer(11) : 10 + tirer(2);
        cellules.resize(nombre);
        return cellules;
    }

    std::size_t tirer(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(aléa_); }

private:
    std::mt19937 aléa_{20240102};
};

void ajouter(T& tableau, const std::vector<std::string>& cellules) {
    const std::vector<std::string_view> vues(cellules.begin(), cellules.end());
    tableau.Ajouter(vues);
}

TEST(TableauDeBord, TrisEtSuppressionsCommeUnTriStableDesClés) {
    T tableau;
    Modèle modèle;
    Tirage tirage;
    for (int k = 0; k < 2000; ++k) {
        const std::vector<std::string> cellules = tirage.ligne();
        ajouter(tableau, cellules);
        modèle.ajouter(cellules);
    }
    modèle.comparer(tableau, "remplissage");
    for (int étape = 0; étape < 250 && !HasFatalFailure(); ++étape) {
        const std::size_t choix = tirage.tirer(100) == 0 ? 19 : tirage.tirer(19);
        std::string nom;
        if (choix < 6) {
            nom = "ajout";
            for (std::size_t k = tirage.tirer(40); k > 0; --k) {
                const std::vector<std::string> cellules = tirage.ligne();
                ajouter(tableau, cellules);
                modèle.ajouter(cellules);
            }
        } else if (choix < 10) {
            const int colonne = static_cast<int>(tirage.tirer(T::nombreColonnes));
            nom = "clic sur " + std::to_string(colonne);
            tableau.CliquerColonne(colonne);
            modèle.cliquer(colonne);
        } else if (choix < 13) {
            const bool croissant = tirage.tirer(2) == 0;
            nom = croissant ? "croissant" : "décroissant";
            tableau.Croissant(croissant);
            modèle.croissant(croissant);
        } else if (choix < 16) {
            nom = "tri de fin de génération";
            trierCommeEnFinDeGénération(tableau);
            modèle.cliquer(T::Nom);
            modèle.cliquer(T::Chandelier);
            modèle.croissant(true);
            modèle.cliquer(T::Pondération);
        } else if (choix < 19) {
            nom = "suppression";
            std::vector<std::size_t> indices;
            for (std::size_t k = tirage.tirer(6); k > 0 && modèle.nombre() > 0; --k)
                indices.push_back(tirage.tirer(modèle.nombre()));
            if (!indices.empty()) indices.push_back(indices.front());
            tableau.Supprimer(indices);
            modèle.supprimer(indices);
        } else {
            nom = "vidage";
            tableau.Vider();
            modèle.vider();
        }
        modèle.comparer(tableau, "étape " + std::to_string(étape) + " (" + nom + ")");
    }
}

TEST(TableauDeBord, LignesEtTextesSurPlusieursBlocs) {
    // Enough rows and text for several blocks of rows and of texts, and dates all different.
    constexpr std::size_t n = 100'000;
    const std::vector<std::string> noms = {"Zèbre", "alpha", "Élan", "Alpha", "zebre", "elan", "Beta"};
    T tableau;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string date = "d" + std::to_string(i), nombre = std::to_string(i * 7) + ",5 (/+0,1%)";
        const std::vector<std::string_view> cellules = {date,   "FR", noms[i % noms.size()], "Doji (=)", nombre,
                                                        nombre, nombre, nombre,             nombre,     "3"};
        tableau.Ajouter(cellules);
    }
    for (std::size_t i = 0; i < n; ++i) {
        EXPECT_EQ(tableau.Texte(i, T::Date), "d" + std::to_string(i));
        EXPECT_EQ(tableau.Texte(i, T::Stoch), std::to_string(i * 7) + ",5 (/+0,1%)");
    }

    tableau.CliquerColonne(T::Nom);
    tableau.CliquerColonne(T::Nom);  // ascending
    ASSERT_EQ(tableau.Nombre(), n);
    std::set<std::string> vues;
    for (std::size_t i = 0; i < n; ++i) {
        vues.emplace(tableau.Texte(i, T::Date));
        if (i == 0) continue;
        const std::string avant = cléDeTri(tableau.Texte(i - 1, T::Nom)), clé = cléDeTri(tableau.Texte(i, T::Nom));
        ASSERT_LE(avant, clé) << i;
        if (avant == clé) {  // equal names keep the order they were added in
            ASSERT_LT(std::stoul(std::string(tableau.Texte(i - 1, T::Date).substr(1))),
                      std::stoul(std::string(tableau.Texte(i, T::Date).substr(1))))
                << i;
        }
    }
    EXPECT_EQ(vues.size(), n);

    // Removing rows of the sorted list removes those shown there.
    const std::vector<std::size_t> retirées = {0, 49'999, 50'000, n - 1};
    std::vector<std::string> restantes;
    for (std::size_t i = 0; i < n; ++i)
        if (std::find(retirées.begin(), retirées.end(), i) == retirées.end())
            restantes.emplace_back(tableau.Texte(i, T::Date));
    tableau.Supprimer(retirées);
    EXPECT_EQ(dates(tableau), restantes);
}

}  // namespace
}  // namespace vantorelle
