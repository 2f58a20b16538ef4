#include "store/Chaines.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Casse.h"
#include "store/Dates.h"
#include "store/Erreur.h"

namespace vantorelle::test {
namespace {

TEST(Chaines, Remplacer) {
    struct Cas {
        const char* texte;
        const char* recherche;
        const char* remplacement;
        bool casse;
        const char* attendu;
    };
    const Cas cas[] = {
        {"aAa", "a", "b", true, "bAb"},
        {"aAa", "a", "b", false, "bbb"},
        {"aaaa", "aa", "a", true, "aa"},          // left to right, what was inserted is not looked at again
        {"abc", "b", "bb", true, "abbc"},
        {"abc", "", "x", true, "abc"},            // an empty search changes nothing
        {"abc", "", "x", false, "abc"},
        {"", "a", "b", false, ""},
        {"Élan élan", "élan", "x", false, "x x"},  // accented capitals match without regard to case
        {"Élan élan", "élan", "x", true, "Élan x"},
        {"ŒUVRE œuvre", "œuvre", "o", false, "o o"},
        {"1,5;2,5", ",", ".", true, "1.5;2.5"},
        {"{ENTER}", "{enter}", "\n", false, "\n"},
    };
    for (const Cas& c : cas) {
        std::string texte = c.texte;
        Remplacer(texte, c.recherche, c.remplacement, c.casse);
        EXPECT_EQ(texte, c.attendu) << c.texte << " / " << c.recherche << " / casse " << c.casse;
    }
}

TEST(Chaines, ExtraireCompteLesCaracteresDepuisUn) {
    struct Cas {
        const char* texte;
        int début, fin;
        const char* attendu;
    };
    const Cas cas[] = {
        {"abcdef", 2, 4, "bcd"},
        {"abcdef", 1, 1, "a"},
        {"abcdef", 4, 3, ""},   // an empty slice
        {"abcdef", 5, 10, "ef"},
        {"abcdef", 9, 12, ""},
        {"déjà vu", 2, 4, "éjà"},
    };
    for (const Cas& c : cas) EXPECT_EQ(Extraire(c.texte, c.début, c.fin), c.attendu) << c.texte;
}

TEST(Chaines, ExtraireRefuseUnDebutOuUneLongueurNegatifs) {
    EXPECT_EQ(messageDErreur<Erreur>([] { Extraire("abc", 0, 2); }), "Argument ou appel de procédure incorrect");
    EXPECT_EQ(messageDErreur<Erreur>([] { Extraire("abc", 3, 1); }), "Argument ou appel de procédure incorrect");
}

TEST(Chaines, InverserGardeLesCaracteresEntiers) {
    EXPECT_EQ(Inverser("C:/a/b.txt"), "txt.b/a/:C");
    EXPECT_EQ(Inverser("éà€"), "€àé");
    EXPECT_EQ(Inverser(""), "");
}

TEST(Chaines, CasseRepliee) {
    EXPECT_EQ(plierCasse("FRMTÉLÉCHARGER Œ Š Ž Ÿ À×Þ"), "frmtélécharger œ š ž ÿ à×þ");
    EXPECT_EQ(plierCasse("ß€"), "ß€");
    EXPECT_EQ(plierCasse1252("\xC9\x8C\x9F\xD7Z"), "\xE9\x9C\xFF\xD7z");
    EXPECT_TRUE(égauxSansCasse("Base", "BASE"));
    EXPECT_FALSE(égauxSansCasse("base", "bäse"));
}

TEST(Dates, JourSemaineDuDimancheAuSamedi) {
    using namespace std::chrono;
    EXPECT_EQ(JourSemaine(sys_days(2003y / January / 31)), 6);  // a Friday
    EXPECT_EQ(JourSemaine(sys_days(2024y / March / 3)), 1);     // a Sunday
    EXPECT_EQ(JourSemaine(sys_days(2024y / March / 9)), 7);     // a Saturday
    EXPECT_EQ(JourSemaine(sys_days(1899y / December / 30)), 7);
}

}  // namespace
}  // namespace vantorelle::test
