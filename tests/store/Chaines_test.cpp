#include "store/Chaines.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>

#include "store/Casse.h"
#include "store/Chemins.h"
#include "store/Dates.h"
#include "store/Encodage.h"
#include "store/Erreur.h"
#include "support/Erreurs.h"

namespace vantorelle::test {
namespace {

TEST(Chaines, Replace) {
    // Left to right, and what was inserted is not looked at again; accented capitals match without case.
    const std::tuple<const char*, const char*, const char*, bool, const char*> cas[] = {
        {"aAa", "a", "b", true, "bAb"},   {"aAa", "a", "b", false, "bbb"},  {"aaaa", "aa", "a", true, "aa"},
        {"abc", "b", "bb", true, "abbc"}, {"abc", "", "x", true, "abc"},    {"abc", "", "x", false, "abc"},
        {"", "a", "b", false, ""},        {"Élan élan", "élan", "x", false, "x x"},
        {"Élan élan", "élan", "x", true, "Élan x"}, {"ŒUVRE œuvre", "œuvre", "o", false, "o o"},
        {"{ENTER}", "{enter}", "\n", false, "\n"},
    };
    for (const auto& [avant, recherche, remplacement, casse, attendu] : cas) {
        std::string texte = avant;
        Remplacer(texte, recherche, remplacement, casse);
        EXPECT_EQ(texte, attendu) << avant << " / " << recherche << " / casse " << casse;
    }
}

// Characters counted from 1, an inclusive end.
TEST(Chaines, ExtractReverseAndFoldCase) {
    const std::tuple<const char*, int, int, const char*> cas[] = {
        {"abcdef", 2, 4, "bcd"}, {"abcdef", 1, 1, "a"},  {"abcdef", 4, 3, ""},
        {"abcdef", 5, 10, "ef"}, {"abcdef", 9, 12, ""}, {"déjà vu", 2, 4, "éjà"}};
    for (const auto& [texte, début, fin, attendu] : cas) EXPECT_EQ(Extraire(texte, début, fin), attendu) << texte;
    for (auto [début, fin] : {std::pair{0, 2}, {3, 1}})
        EXPECT_THROW_MSG(Extraire("abc", début, fin), Erreur, "Argument ou appel de procédure incorrect");
    EXPECT_EQ(Inverser("C:/a/b.txt") + Inverser("éà€"), "txt.b/a/:C€àé");
    EXPECT_EQ(plierCasse("AZ@[ FRMTÉLÉCHARGER Œ Š Ž Ÿ À×Þ ß€"), "az@[ frmtélécharger œ š ž ÿ à×þ ß€");
    EXPECT_EQ(plierCasse1252("AZ@[\xC0\xC9\xD7\xDE\xDF\x8A\x8C\x8E\x9F"), "az@[\xE0\xE9\xD7\xFE\xDF\x9A\x9C\x9E\xFF");
    EXPECT_TRUE(égauxSansCasse("Base", "BASE") && !égauxSansCasse("base", "bäse"));
    using std::chrono::year, std::chrono::sys_days;  // a Sunday, then a Saturday
    EXPECT_EQ(JourSemaine(sys_days(year(2024) / 3 / 3)) * 10 + JourSemaine(sys_days(year(2024) / 3 / 9)), 17);
}

TEST(Chemins, PartsOfAPath) {
    // A last "/" leaves no name, nor a folder; "\" is part of a name.
    const std::tuple<const char*, const char*, const char*, const char*> cas[] = {{"C:/a/b.txt", "b.txt", "C:/a/", "C"},
        {"/é/Société Générale_FR0000130809.txt", "Société Générale_FR0000130809.txt", "/é/", ""}, {"b.txt", "", "", ""},
        {"/d/base/", "", "", ""}, {"/", "", "", ""}, {"", "", "", ""}, {":x/y", "y", ":x/", ""}, {"a\\b", "", "", ""}};
    for (const auto& [chemin, nom, répertoire, disque] : cas) {
        EXPECT_EQ(NomCourtDe(chemin), nom) << chemin;
        EXPECT_EQ(RépertoireDe(chemin), répertoire) << chemin;
        EXPECT_EQ(DisqueDe(chemin), disque) << chemin;
    }
    for (auto [dossier, attendu] : {std::pair{"/d/base", "/d/base/All.txt"}, {"/d/base/", "/d/base/All.txt"}, {"", "All.txt"}})
        EXPECT_EQ(Combiner(dossier, "All.txt"), attendu);
    EXPECT_EQ(CheminDepuisParamètre("C:\\Plotanex\\"), "C:/Plotanex/");
}

TEST(Encodage, Windows1252BothWays) {
    std::string tous;
    for (int b = 0; b < 256; ++b) tous += static_cast<char>(b);
    // Twice, so the bytes past the first eight go through the byte-by-byte path too.
    tous += tous;
    // Without a round trip: what Windows-1252 cannot hold, or invalid UTF-8, becomes "?".
    const std::tuple<std::string, std::string, bool> cas[] = {{"", "", true},
        {"Soci\xE9t\xE9 G\xE9n\xE9rale", "Société Générale", true}, {"\x80\x9C\x8C\x9F\xFF", "€œŒŸÿ", true},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D", true}, {"\x85\x96\x97\x93\x94", "…–—“”", true},
        {"abcdefgh\xE0", "abcdefghà", true}, {tous, depuisWindows1252(tous), false}, {"?", "日", false}, {"a?b", "a😀b", false},
        {"?", "\u0080", false}, {"?", "\xFF", false}, {"??", "\xC0\xAF", false}, {"x?", "x\xC3", false}, {"???", "\xED\xA0\x80", false}};
    for (const auto& [octets, texte, allerRetour] : cas) {
        if (allerRetour) { EXPECT_EQ(depuisWindows1252(octets), texte) << texte; }
        EXPECT_EQ(versWindows1252(texte), octets) << texte;
        EXPECT_EQ(longueurWindows1252(texte), octets.size()) << texte;
    }
}

}  // namespace
}  // namespace vantorelle::test
