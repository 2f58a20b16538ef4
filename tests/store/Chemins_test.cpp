#include "store/Chemins.h"

#include <gtest/gtest.h>

namespace vantorelle {
namespace {

TEST(Chemins, PartiesDUnChemin) {
    struct Cas {
        const char* chemin;
        const char* nom;
        const char* répertoire;
        const char* disque;
    };
    const Cas cas[] = {
        {"C:/a/b.txt", "b.txt", "C:/a/", "C"},
        {"/d/base/histo/Alpha_FR0000000001.txt", "Alpha_FR0000000001.txt", "/d/base/histo/", ""},
        {"b.txt", "", "", ""},
        {"/d/base/", "", "", ""},
        {"/", "", "", ""},
        {"", "", "", ""},
        {":x/y", "y", ":x/", ""},
        {"/é/Société Générale_FR0000130809.txt", "Société Générale_FR0000130809.txt", "/é/", ""},
        {"a\\b", "", "", ""},  // "\" is part of a name here
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.chemin);
        EXPECT_EQ(NomCourtDe(c.chemin), c.nom);
        EXPECT_EQ(RépertoireDe(c.chemin), c.répertoire);
        EXPECT_EQ(DisqueDe(c.chemin), c.disque);
    }
}

TEST(Chemins, CombinerNeMetQuUneBarre) {
    struct Cas {
        const char* répertoire;
        const char* nom;
        const char* attendu;
    };
    const Cas cas[] = {
        {"/d/base", "All.txt", "/d/base/All.txt"},
        {"/d/base/", "All.txt", "/d/base/All.txt"},
        {"", "All.txt", "All.txt"},
        {"/", "x", "/x"},
        {"/d/base", "", "/d/base/"},
    };
    for (const Cas& c : cas) EXPECT_EQ(Combiner(c.répertoire, c.nom), c.attendu) << c.répertoire << " + " << c.nom;
}

TEST(Chemins, UnCheminStockeLitLesBarresInverseesCommeDesBarres) {
    EXPECT_EQ(CheminDepuisParamètre("C:\\Plotanex\\"), "C:/Plotanex/");
    EXPECT_EQ(CheminDepuisParamètre("/d/mes données\\base/"), "/d/mes données/base/");
    EXPECT_EQ(CheminDepuisParamètre(""), "");
}

}  // namespace
}  // namespace vantorelle
