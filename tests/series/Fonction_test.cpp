#include "series/Fonction.h"

#include <gtest/gtest.h>

#include <string>

#include "OutilsSeries.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

const char* const horsSélection = "L'indice n'appartient pas à la sélection.";

TEST(Fonction, TheStoreGrowsWithItemAndLengthAndGuardsItsIndices) {
    Fonction f;
    EXPECT_NE(Fonction().Constantes(), f.Constantes());
    EXPECT_TRUE(f.Item(100).estVide());  // within the capacity of a new store
    for (std::int32_t i : {0, -1, 101}) EXPECT_THROW_MSG(f.Item(i), ErreurIndice, horsSélection) << i;
    f.Item(250, 1.5);
    EXPECT_EQ(std::pair(f.Longueur(), f.Data()->Capacité()), std::pair(250, 350));
    EXPECT_TRUE(f.Item(249).estVide());
    EXPECT_EQ(f.Item(250), Valeur(1.5));
    f.Item(3, "x");
    EXPECT_EQ(f.Longueur(), 250);
    EXPECT_EQ(f.Item(3), Valeur("x"));

    Fonction g = série(simples({1, 2, 3}));
    g.Longueur(1);  // only lowers the count: the value stays in the store
    EXPECT_EQ(g.Item(3), Valeur(3.0f));
    g.Longueur(300);
    EXPECT_EQ(std::pair(g.Longueur(), g.Data()->Capacité()), std::pair(300, 300));
}

TEST(Fonction, SupprimerAllouerAndSharedData) {
    Fonction f = série(simples({1, 2, 3, 4, 5}));
    f.Supprimer(2);
    EXPECT_EQ(valeursDe(f), (std::vector<Valeur>{1.0f, Valeur(), 3.0f, 4.0f, 5.0f}));
    f.Allouer(3);
    EXPECT_EQ(f.Longueur(), 5);
    EXPECT_EQ(f.Item(3), Valeur(3.0f));
    EXPECT_THROW_MSG(f.Item(4), ErreurIndice, horsSélection);
    f.Allouer(0);
    EXPECT_EQ(f.Data()->Capacité(), 1);

    Fonction a = série(simples({1, 2})), b;
    b.Data(a.Data());
    b.Ajouter(3.0f);
    EXPECT_EQ(a.Longueur(), 3);
}

TEST(Fonction, ToStringAndDup) {
    EXPECT_EQ(série({1.5f, Valeur(), "NO_EVAL", std::int16_t{2}}, "Clôture").ToString(),
              "Clôture(1) : 1,5\r\nClôture(2) : \r\nClôture(3) : NO_EVAL\r\nClôture(4) : 2\r\n");
    EXPECT_EQ(Fonction().ToString(), "");
    Fonction f = série({1.0f, 2.0, Valeur()}, "Hausse");
    f.Formule("Clôture>Clôture[-1]");
    f.Tolérance(0.5f);
    f.Constantes()->push_back("EtoileDuSoir=115");
    Fonction copie = f.Dup();
    EXPECT_EQ(copie.Nom(), "Hausse");
    EXPECT_EQ(copie.Formule(), "Clôture>Clôture[-1]");
    EXPECT_EQ(copie.Tolérance(), 0.0625f);
    EXPECT_EQ(valeursDe(copie), valeursDe(f));
    EXPECT_EQ(copie.Data()->Capacité(), 3);
    copie.Constantes()->push_back("Marteau=201");
    EXPECT_EQ(f.Constantes()->size(), 2u);
    copie.Item(1, 9.0f);
    EXPECT_EQ(f.Item(1), Valeur(1.0f));
}

}  // namespace
}  // namespace vantorelle
