#include <gtest/gtest.h>

#include <array>

#include "main/Statut.h"
#include "store/Erreur.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

using S = CompteursStat;

TEST(Statut, SummaryOfTheCountersTranslated) {
    const struct { int ligne, colonne, nombre; } comptes[] = {
        {S::Chandelier, S::Baisse, 3}, {S::Chandelier, S::Hausse, 5}, {S::Chandelier, S::Neutre, 2},
        {S::Clôture, S::Hausse, 6},    {S::Clôture, S::Baisse, 4},    {S::Volume, S::Hausse, 7}};
    CompteursStat compteurs;
    for (const auto& c : comptes)
        for (int k = 0; k < c.nombre; ++k) compteurs.Ajouter(c.ligne, c.colonne);
    const Traduction crochets = [](const std::string& section, const std::string& texte) {
        return section == sectionInterface ? "[" + texte + "]" : texte;
    };
    EXPECT_EQ(StatusEcrire(compteurs, crochets), "3 [figures baissières], 5 [figures haussières], 2 [figures neutres], "
                                                 "6 [clôtures en hausse], 4 [clôtures en baisse]");
}

TEST(Statut, CountersInsideAndOutsideTheTable) {
    CompteursStat compteurs;
    for (const auto& rc : {std::array{0, 1}, std::array{7, 1}, std::array{1, 0}, std::array{1, 11}}) {
        EXPECT_THROW_MSG(compteurs.Ajouter(rc[0], rc[1]), ErreurIndice, "L'indice n'appartient pas à la sélection.");
        EXPECT_THROW_MSG(compteurs(rc[0], rc[1]), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    }
    compteurs.Ajouter(6, 10), compteurs.Ajouter(1, 1);
    compteurs.Ajouter(S::RSI, S::Plus70, false), compteurs.Ajouter(S::RSI, S::Moins30, true);  // counted if it holds
    EXPECT_EQ(compteurs(6, 10) + compteurs(1, 1) + compteurs(S::RSI, S::Moins30), 3);
    EXPECT_EQ(compteurs(S::RSI, S::Plus70), 0);
    compteurs.Initialiser();
    EXPECT_EQ(compteurs(6, 10) + compteurs(1, 1) + compteurs(S::RSI, S::Moins30), 0);

    // A rise, a fall or neither, in its own column of both groups of three.
    const struct { bool hausse, baisse; int décalage; } cas[] = {{true, false, 0}, {false, true, 1}, {false, false, 2}};
    for (const auto& sens : cas)
        for (const int première : {S::Hausse, S::TendanceHausse}) {
            CompteursStat parSens;
            parSens.AjouterSens(S::Volume, première, sens.hausse, sens.baisse);
            for (int c = 1; c <= CompteursStat::colonnes; ++c)
                EXPECT_EQ(parSens(S::Volume, c), c == première + sens.décalage) << première << ' ' << c;
        }
}

}  // namespace
}  // namespace vantorelle
