#include "store/MStringSortRoutines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace vantorelle {
namespace {

using MStringSortRoutines::Compare;
using MStringSortRoutines::SortStringArray;

std::vector<std::string> textesAuHasard(std::size_t n, unsigned graine) {
    std::mt19937 générateur(graine);
    std::uniform_int_distribution<int> lettre(0, 5), longueur(0, 4);
    std::vector<std::string> textes(n);
    for (std::string& t : textes)
        for (int k = longueur(générateur); k > 0; --k) t += "aAbBz"[lettre(générateur) % 5];
    return textes;
}

class TriBinaire : public ::testing::TestWithParam<std::size_t> {};

TEST_P(TriBinaire, DonneLOrdreDesOctetsDansLesDeuxSens) {
    for (unsigned graine = 1; graine <= 20; ++graine) {
        std::vector<std::string> textes = textesAuHasard(GetParam(), graine);
        std::vector<std::string> attendu = textes;
        std::sort(attendu.begin(), attendu.end());
        SortStringArray(textes, true, true);
        ASSERT_EQ(textes, attendu) << "graine " << graine;
        SortStringArray(textes, false, true);
        std::reverse(attendu.begin(), attendu.end());
        ASSERT_EQ(textes, attendu) << "graine " << graine;
    }
}

INSTANTIATE_TEST_SUITE_P(AutourDuSeuil, TriBinaire, ::testing::Values(0, 1, 2, 60, 61, 62, 63, 500));

TEST(SortStringArray, AuDelaDe61ElementsLeTriNEstPlusStable) {
    // Equal without case, "A" second: insertion sort keeps it there; the partition of 62 sends it last.
    for (std::size_t n : {61u, 62u}) {
        std::vector<std::string> textes(n, "a");
        textes[1] = "A";
        SortStringArray(textes, true, false);
        const auto position = std::find(textes.begin(), textes.end(), "A") - textes.begin() + 1;
        EXPECT_EQ(position, n == 61 ? 2 : 62) << n << " éléments";
    }
}

TEST(SortStringArray, SansCasseOrdonneLesLettresAvantLesAccents) {
    std::vector<std::string> textes = {"Zèbre", "étage", "Etre", "zebre", "eta", "Œuf", "oeuf", "Ours"};
    SortStringArray(textes, true, false);
    EXPECT_THAT(textes, ::testing::ElementsAre("eta", "étage", "Etre", "oeuf", "Œuf", "Ours", "zebre", "Zèbre"));
}

struct Comparaison {
    const char* x;
    const char* y;
    bool caseSensitive;
    int attendu;
};

TEST(Compare, Table) {
    const Comparaison cas[] = {
        {"b", "B", true, 1},   {"B", "a", true, -1},    {"abc", "abcd", true, -1},    {"", "", true, 0},
        {"é", "f", true, 1},   {"a", "A", false, 0},    {"b", "A", false, 1},         {"é", "E", false, 1},
        {"É", "é", false, 0},  {"éa", "eb", false, -1}, {"Émile", "Emma", false, -1}, {"Œuvre", "oeuvre", false, 1},
        {"ß", "ss", false, 1}, {"ss", "ST", false, -1}, {"", "a", false, -1},         {"\xFF", "z", false, 1},
    };
    for (const Comparaison& c : cas) {
        EXPECT_EQ(Compare(c.x, c.y, c.caseSensitive), c.attendu) << c.x << " / " << c.y;
        EXPECT_EQ(Compare(c.y, c.x, c.caseSensitive), -c.attendu) << c.y << " / " << c.x;
    }
}

}  // namespace
}  // namespace vantorelle
