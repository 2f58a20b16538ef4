#include <gtest/gtest.h>

#include "main/TexteTri.h"

namespace vantorelle {
namespace {

struct Paire {
    const char* avant;
    const char* après;
};

// Each text sorts strictly before the next one of its pair.
const Paire paires[] = {
    {"", "a"},
    {"a", "ab"},
    {" ", "("},                      // code-point order of the folded characters
    {"(", "0"},
    {"9", "A"},                      // digits before letters
    {"a", "B"},                      // case folded first
    {"B", "c"},
    {"e", "f"},
    {"é", "f"},                      // accents removed first
    {"Étoile", "etoiles"},
    {"e", "é"},                      // then unaccented first
    {"E", "é"},                      // the accent decides before the case
    {"e", "E"},                      // then lower case first
    {"é", "É"},
    {"è", "é"},                      // two accents: in code-point order
    {"zebre", "Zèbre"},
    {"Zebre", "zèbre"},
    {"cote", "côte"},
    {"côte", "Côte"},
    {"Harami baissier (\\)", "Harami baissier en croix (\\)"},
    {"Doji (=)", "doji longues jambes (=)"},
    {"ça", "cb"},
    {"œuvre", "Œuvre"},
    {"\xC3\xBF", "\xC5\xB8"},        // ÿ before Ÿ
};

TEST(TexteTri, OrdreDesPaires) {
    for (const Paire& p : paires) {
        EXPECT_LT(cléDeTri(p.avant), cléDeTri(p.après)) << "\"" << p.avant << "\" < \"" << p.après << "\"";
        EXPECT_GT(cléDeTri(p.après), cléDeTri(p.avant)) << "\"" << p.après << "\" > \"" << p.avant << "\"";
    }
}

TEST(TexteTri, TextesIdentiquesMêmeClé) {
    for (const char* texte : {"", "Doji (=)", "Étoile du soir (\\)", "12,50 (/+1,2%)"})
        EXPECT_EQ(cléDeTri(texte), cléDeTri(std::string(texte)));
}

TEST(TexteTri, OctetsInvalidesSansPlantage) {
    // A byte that does not start a UTF-8 character, and one cut short, still give a key of their own.
    EXPECT_LT(cléDeTri("a\xC3"), cléDeTri("a\xC3\xA9z"));
    EXPECT_NE(cléDeTri("\x80"), cléDeTri(""));
}

}  // namespace
}  // namespace vantorelle
