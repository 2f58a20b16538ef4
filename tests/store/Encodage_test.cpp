#include "store/Encodage.h"

#include <gtest/gtest.h>

#include <string>

namespace vantorelle {
namespace {

TEST(Encodage, ChaqueOctetFaitLAllerRetour) {
    std::string octets;
    for (int b = 0; b < 256; ++b) octets += static_cast<char>(b);
    // Twice, so the bytes past the first eight go through the byte-by-byte path too.
    octets += octets;
    const std::string texte = depuisWindows1252(octets);
    EXPECT_EQ(versWindows1252(texte), octets);
    EXPECT_EQ(longueurWindows1252(texte), octets.size());
}

struct Correspondance {
    std::string octets;
    std::string texte;
};

TEST(Encodage, Table) {
    const Correspondance cas[] = {
        {"", ""},
        {"Soci\xE9t\xE9 G\xE9n\xE9rale", "Société Générale"},
        {"\x80", "€"},
        {"\x9C\x8C\x9F\xFF", "œŒŸÿ"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},
        {"\x85\x96\x97\x93\x94", "…–—“”"},
        {"abcdefgh\xE0", "abcdefghà"},
    };
    for (const Correspondance& c : cas) {
        EXPECT_EQ(depuisWindows1252(c.octets), c.texte) << c.texte;
        EXPECT_EQ(versWindows1252(c.texte), c.octets) << c.texte;
        EXPECT_EQ(longueurWindows1252(c.texte), c.octets.size()) << c.texte;
    }
}

TEST(Encodage, CeQueWindows1252NePeutTenirDevientPointDInterrogation) {
    const Correspondance cas[] = {
        {"?", "日"},        {"a?b", "a😀b"},  {"?", "\u0080"},         {"?", "\xFF"},
        {"??", "\xC0\xAF"}, {"x?", "x\xC3"}, {"???", "\xED\xA0\x80"},
    };
    for (const Correspondance& c : cas) {
        EXPECT_EQ(versWindows1252(c.texte), c.octets);
        EXPECT_EQ(longueurWindows1252(c.texte), c.octets.size());
    }
}

}  // namespace
}  // namespace vantorelle
