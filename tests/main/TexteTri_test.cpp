#include <gtest/gtest.h>

#include "main/TexteTri.h"

namespace vantorelle {
namespace {

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

TEST(TexteTri, OrderOfThePairs) {
    for (const auto& [avant, après] : paires)
        EXPECT_LT(cléDeTri(avant), cléDeTri(après)) << "\"" << avant << "\" < \"" << après << "\"";
}

TEST(TexteTri, ExactKeys) {
    // Folded letters, then the accent weights, then the case weights; plain lower-case ASCII takes a shortcut.
    const std::pair<const char*, std::string> clés[] = {
        {"", std::string("\0\0", 2)},
        {"a1,", std::string("a1,\0\1\1\1\0\1\1\1", 11)},
        {"Ab", std::string("ab\0\1\1\0\2\1", 8)},
        {"Été", std::string("ete\0\x0B\1\x0B\0\2\1\1", 11)},
    };
    for (const auto& [texte, clé] : clés) EXPECT_EQ(cléDeTri(texte), clé) << texte;
}

}  // namespace
}  // namespace vantorelle
