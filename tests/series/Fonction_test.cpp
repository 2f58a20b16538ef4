#include "series/Fonction.h"

#include <gtest/gtest.h>

#include <string>

#include "OutilsSeries.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

TEST(Fonction, StartsEmptyWithItsOwnListAndStore) {
    Fonction f;
    EXPECT_EQ(f.Formule(), "");
    EXPECT_EQ(f.Nom(), "");
    EXPECT_EQ(f.Tolérance(), 0.0625f);
    EXPECT_EQ(f.Longueur(), 0);
    ASSERT_NE(f.Constantes(), nullptr);
    EXPECT_TRUE(f.Constantes()->empty());
    EXPECT_EQ(f.Data()->Capacité(), 100);
    EXPECT_NE(Fonction().Constantes(), f.Constantes());
}

TEST(Fonction, ItemOutsideTheStoreIsAnIndexError) {
    Fonction f;
    EXPECT_TRUE(f.Item(100).estVide());  // within the capacity of a new store
    for (std::int32_t i : {0, -1, 101}) {
        try {
            f.Item(i);
            ADD_FAILURE() << i;
        } catch (const ErreurIndice& e) {
            EXPECT_STREQ(e.what(), "L'indice n'appartient pas à la sélection.");
        }
    }
}

TEST(Fonction, ItemSetGrowsTheStoreAndTheLength) {
    Fonction f;
    f.Item(250, 1.5);
    EXPECT_EQ(f.Longueur(), 250);
    EXPECT_EQ(f.Data()->Capacité(), 350);
    EXPECT_TRUE(f.Item(249).estVide());
    EXPECT_EQ(f.Item(250), Valeur(1.5));
    f.Item(3, "x");
    EXPECT_EQ(f.Longueur(), 250);
    EXPECT_EQ(f.Item(3), Valeur("x"));
}

TEST(Fonction, LengthSetGrowsOrOnlyLowersTheCount) {
    Fonction f = sérieSimple({1, 2, 3});
    f.Longueur(1);
    EXPECT_EQ(f.Longueur(), 1);
    EXPECT_EQ(f.Item(3), Valeur(3.0f));  // kept in the store
    f.Longueur(300);
    EXPECT_EQ(f.Longueur(), 300);
    EXPECT_EQ(f.Data()->Capacité(), 300);
}

TEST(Fonction, SupprimerEmptiesAValueInPlace) {
    Fonction f = sérieSimple({1, 2, 3});
    f.Supprimer(2);
    EXPECT_EQ(valeursDe(f), (std::vector<Valeur>{1.0f, Valeur(), 3.0f}));
    EXPECT_EQ(f.Longueur(), 3);
}

TEST(Fonction, AllouerSetsTheRoomAndKeepsTheLength) {
    Fonction f = sérieSimple({1, 2, 3, 4, 5});
    f.Allouer(2);
    EXPECT_EQ(f.Longueur(), 5);
    EXPECT_EQ(f.Item(2), Valeur(2.0f));
    EXPECT_THROW(f.Item(3), ErreurIndice);
    f.Allouer(0);
    EXPECT_EQ(f.Data()->Capacité(), 1);
}

TEST(Fonction, ToStringListsNameIndexAndValue) {
    const Fonction f = série({1.5f, Valeur(), "NO_EVAL", std::int16_t{2}}, "Clôture");
    EXPECT_EQ(f.ToString(), "Clôture(1) : 1,5\r\nClôture(2) : \r\nClôture(3) : NO_EVAL\r\nClôture(4) : 2\r\n");
    EXPECT_EQ(Fonction().ToString(), "");
}

TEST(Fonction, DupCopiesValuesAndSharesTheConstantList) {
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

TEST(Fonction, DataIsSharedNotCopied) {
    Fonction a = sérieSimple({1, 2});
    Fonction b;
    b.Data(a.Data());
    b.Ajouter(3.0f);
    EXPECT_EQ(a.Longueur(), 3);
}

}  // namespace
}  // namespace vantorelle
