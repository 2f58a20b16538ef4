#include <gtest/gtest.h>

#include "main/Statut.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using S = CompteursStat;

TEST(Statut, RésuméDesCompteurs) {
    struct Cas {
        int baissières, haussières, neutres, hausses, baisses;
        const char* attendu;
    } cas[] = {
        {3, 5, 2, 6, 4, "3 figures baissières, 5 figures haussières, 2 figures neutres, 6 clôtures en hausse, 4 clôtures en baisse"},
        {0, 0, 0, 0, 0, "0 figures baissières, 0 figures haussières, 0 figures neutres, 0 clôtures en hausse, 0 clôtures en baisse"},
        {40000, 1, 0, 32768, 2,
         "40000 figures baissières, 1 figures haussières, 0 figures neutres, 32768 clôtures en hausse, 2 clôtures en baisse"},
    };
    for (const Cas& c : cas) {
        CompteursStat compteurs;
        auto ajouter = [&](int r, int col, int n) {
            for (int k = 0; k < n; ++k) compteurs.Ajouter(r, col);
        };
        ajouter(S::Chandelier, S::Baisse, c.baissières);
        ajouter(S::Chandelier, S::Hausse, c.haussières);
        ajouter(S::Chandelier, S::Neutre, c.neutres);
        ajouter(S::Clôture, S::Hausse, c.hausses);
        ajouter(S::Clôture, S::Baisse, c.baisses);
        ajouter(S::Volume, S::Hausse, 7);  // other rows do not show
        EXPECT_EQ(StatusEcrire(compteurs, sansTraduction), c.attendu);
    }
}

TEST(Statut, PhrasesTraduites) {
    CompteursStat compteurs;
    compteurs.Ajouter(S::Chandelier, S::Hausse);
    const Traduction anglais = [](const std::string& section, const std::string& texte) {
        if (section != sectionInterface) return texte;
        if (texte == "figures baissières") return std::string("bearish");
        if (texte == "figures haussières") return std::string("bullish");
        return texte;
    };
    EXPECT_EQ(StatusEcrire(compteurs, anglais),
              "0 bearish, 1 bullish, 0 figures neutres, 0 clôtures en hausse, 0 clôtures en baisse");
}

TEST(Statut, CompteurHorsTableau) {
    CompteursStat compteurs;
    EXPECT_THROW(compteurs.Ajouter(7, 1), ErreurIndice);
    EXPECT_THROW(compteurs(1, 11), ErreurIndice);
    compteurs.Ajouter(6, 10);
    compteurs.Initialiser();
    EXPECT_EQ(compteurs(6, 10), 0);
}

// A rise, a fall or neither, in its own column of both groups of three.
TEST(Statut, CompteurDuSens) {
    struct Cas {
        bool hausse, baisse;
        int décalage;
    };
    for (const Cas& cas : {Cas{true, false, 0}, Cas{false, true, 1}, Cas{false, false, 2}}) {
        for (const int première : {S::Hausse, S::TendanceHausse}) {
            CompteursStat compteurs;
            compteurs.AjouterSens(S::Volume, première, cas.hausse, cas.baisse);
            for (int c = 1; c <= CompteursStat::colonnes; ++c)
                EXPECT_EQ(compteurs(S::Volume, c), c == première + cas.décalage) << première << ' ' << c;
        }
    }
    CompteursStat compteurs;
    compteurs.Ajouter(S::RSI, S::Plus70, false);
    compteurs.Ajouter(S::RSI, S::Moins30, true);
    EXPECT_EQ(compteurs(S::RSI, S::Plus70), 0);
    EXPECT_EQ(compteurs(S::RSI, S::Moins30), 1);
}

}  // namespace
}  // namespace vantorelle
