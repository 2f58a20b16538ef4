#include "store/Arr.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "store/AllocateurGrandsBlocs.h"
#include "store/Collections.h"
#include "store/MStringSortRoutines.h"
#include "support/Erreurs.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;
using Textes = std::vector<std::string>;

const std::string horsIndice = "L'indice n'appartient pas à la sélection.";

Textes contenu(const Arr<std::string>& a) { return {a.valeurs().begin(), a.valeurs().end()}; }

Arr<std::string> de(Textes valeurs) {
    Arr<std::string> a;
    a.FromArray({valeurs.begin(), valeurs.end()});
    return a;
}

// 100 empty positions at first; a write beyond the capacity takes it to the position + 100.
TEST(Arr, CapacityStartsAtHundredAndGrowsToPositionPlusHundred) {
    Arr<std::string> a;
    EXPECT_EQ(a.Item(100), "");
    for (const auto& accès : std::initializer_list<std::function<void()>>{[&] { a.Item(101); }, [&] { a.Item(0); }, [&] { a.Item(0, "x"); }})
        EXPECT_THROW_MSG(accès(), ErreurIndice, horsIndice);
    for (int i = 0; i < 100; ++i) a.Add("v");
    EXPECT_EQ(a.Capacité(), 100);
    a.Add("w");
    EXPECT_EQ(a.Capacité(), 201);
    EXPECT_EQ(a.Item(101), "w");
    a.Item(250, "z");
    EXPECT_EQ(std::pair(a.Capacité(), a.Count()), std::pair(350, 250));
    for (std::int32_t i = 102; i < 250; ++i) ASSERT_EQ(a.Item(i), "") << i;
    EXPECT_EQ(a.Item(350), "");
    EXPECT_THROW_MSG(a.Item(351), ErreurIndice, horsIndice);
}

// FromArray, Count and Allocate set the capacity exactly; lowering the count keeps the values beyond, an
// allocation below the count drops them but keeps the count.
TEST(Arr, CountAllocateRemoveAndClone) {
    Arr<std::string> a = de({"a", "b", "c"});
    EXPECT_EQ(a.Capacité(), 3);
    a.Count(1);
    a.Count(3);
    EXPECT_THAT(contenu(a), ElementsAre("a", "b", "c"));
    EXPECT_THROW_MSG(a.Count(-1), ErreurIndice, horsIndice);
    a.Allocate(2);
    EXPECT_EQ(a.Count(), 3);
    EXPECT_EQ(a.Item(2), "b");
    EXPECT_EQ(a.valeurs().size(), 2u);
    for (const auto& lecture : std::initializer_list<std::function<void()>>{
             [&] { a.Item(3); }, [&] { a.ToString(); }, [&] { a.Sort(true); }, [&] { a.Clone(); }})
        EXPECT_THROW_MSG(lecture(), ErreurIndice, horsIndice);
    a.Allocate(5);
    EXPECT_THAT(Textes(a.valeurs().begin(), a.valeurs().end()), ElementsAre("a", "b", ""));
    a.Allocate(0);
    EXPECT_EQ(a.Capacité(), 1);
    a.Count(0);
    a.Count(3);  // allocates anew: only the value that fitted is left
    EXPECT_THAT(contenu(a), ElementsAre("a", "", ""));
    a.FromArray({});
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(a.Capacité(), 1);
    EXPECT_EQ(a.Item(1), "a");  // the single position left keeps what it held
    Arr<std::string> b = de({"a", "b", "c"});
    b.Remove(2);
    b.Remove(3);
    EXPECT_THAT(contenu(b), ElementsAre("a", "", ""));
    EXPECT_THROW_MSG(b.Remove(4), ErreurIndice, horsIndice);
    b.Item(150, "z");
    b.Count(2);
    Arr<std::string> copie = b.Clone();
    EXPECT_EQ(copie.Capacité(), 2);
    EXPECT_THAT(contenu(copie), ElementsAre("a", ""));
    copie.Item(1, "x");
    EXPECT_EQ(b.Item(1), "a");
    EXPECT_EQ(Arr<std::string>().Clone().Capacité(), 1);
    Arr<std::string> c;
    c.Count(5);
    EXPECT_EQ(c.Capacité(), 5);
    EXPECT_THROW_MSG(c.Item(6), ErreurIndice, horsIndice);
}

struct Nombre { int valeur = 0; };
std::string texteDe(const Nombre& n) { return n.valeur == 0 ? "" : std::to_string(n.valeur); }

// Always binary, whatever the case flag, and only up to the count.
TEST(Arr, SortIsBinaryUpToCountAndToStringNumbersTheLines) {
    for (bool casse : {true, false}) {
        Arr<std::string> a = de({"b", "B", "a"});
        a.Sort(true, casse);
        EXPECT_THAT(contenu(a), ElementsAre("B", "a", "b"));
        a.Sort(false, casse);
        EXPECT_THAT(contenu(a), ElementsAre("b", "a", "B"));
        EXPECT_EQ(a.ToString(), "1 : b\r\n2 : a\r\n3 : B\r\n");
    }
    Arr<std::string> a = de({"c", "b", "a"});
    a.Count(2), a.Sort(true), a.Count(3);
    EXPECT_THAT(contenu(a), ElementsAre("b", "c", "a"));
    Arr<Nombre> n;  // any value sorts and prints by its text
    n.FromArray({{10}, {9}, {}, {100}});
    n.Sort(true);
    EXPECT_EQ(n.ToString(), "1 : \r\n2 : 10\r\n3 : 100\r\n4 : 9\r\n");
}

TEST(Arr, EveryChangeBumpsTheVersionAndOnlyAChange) {
    Arr<std::string> a;
    const std::pair<std::function<void()>, bool> opérations[] = {{[&] { a.Add("x"); }, true}, {[&] { a.Item(1, "y"); }, true},
        {[&] { a.Remove(1); }, true}, {[&] { a.Count(3); }, true}, {[&] { a.Allocate(10); }, true}, {[&] { a.Sort(true); }, true},
        {[&] { a.FromArray({"a"}); }, true}, {[&] { a.valeursModifiables(); }, true}, {[&] { a = Arr<std::string>(); }, true},
        {[&] { a.Item(1), a.ToString(), a.Clone(); }, false}};
    for (const auto& [opération, change] : opérations) {
        const std::uint64_t avant = a.version();
        opération();
        EXPECT_EQ(a.version() > avant, change);
    }
}

using MStringSortRoutines::Compare;
using MStringSortRoutines::SortStringArray;

class BinarySort : public ::testing::TestWithParam<std::size_t> {};

// Checked against the standard sort, in sizes about where insertion sort hands over to the quick sort.
TEST_P(BinarySort, GivesByteOrderBothWays) {
    std::mt19937 générateur(GetParam());
    std::uniform_int_distribution<int> lettre(0, 4), longueur(0, 4);
    for (int essai = 0; essai < 20; ++essai) {
        std::vector<std::string> textes(GetParam());
        for (std::string& t : textes)
            for (int k = longueur(générateur); k > 0; --k) t += "aAbBz"[lettre(générateur)];
        std::vector<std::string> attendu = textes;
        std::sort(attendu.begin(), attendu.end());
        SortStringArray(textes, true, true);
        ASSERT_EQ(textes, attendu);
        SortStringArray(textes, false, true);
        std::reverse(attendu.begin(), attendu.end());
        ASSERT_EQ(textes, attendu);
    }
}

INSTANTIATE_TEST_SUITE_P(AroundTheThreshold, BinarySort, ::testing::Values(0, 1, 2, 60, 61, 62, 63, 500));

TEST(SortStringArray, CaseInsensitiveOrderAndNoStabilityBeyond61) {
    std::vector<std::string> textes = {"Zèbre", "étage", "Etre", "zebre", "eta", "Œuf", "oeuf", "Ours"};
    SortStringArray(textes, true, false);
    EXPECT_THAT(textes, ElementsAre("eta", "étage", "Etre", "oeuf", "Œuf", "Ours", "zebre", "Zèbre"));
    // Equal without case, "A" second: insertion sort keeps it there; the partition of 62 sends it last.
    for (std::size_t n : {61u, 62u}) {
        std::vector<std::string> uns(n, "a");
        uns[1] = "A";
        SortStringArray(uns, true, false);
        EXPECT_EQ(std::find(uns.begin(), uns.end(), "A") - uns.begin() + 1, n == 61 ? 2 : 62) << n;
    }
}

TEST(Compare, BinaryOrCaseAndAccentsSetAsideFirst) {
    const std::tuple<const char*, const char*, bool, int> cas[] = {
        {"b", "B", true, 1},   {"B", "a", true, -1},    {"abc", "abcd", true, -1},    {"", "", true, 0},
        {"é", "f", true, 1},   {"a", "A", false, 0},    {"b", "A", false, 1},         {"é", "E", false, 1},
        {"É", "é", false, 0},  {"éa", "eb", false, -1}, {"Émile", "Emma", false, -1}, {"Œuvre", "oeuvre", false, 1},
        {"ß", "ss", false, 1}, {"ss", "ST", false, -1}, {"", "a", false, -1},         {"\xFF", "z", false, 1},
    };
    for (const auto& [x, y, caseSensitive, attendu] : cas) {
        EXPECT_EQ(Compare(x, y, caseSensitive), attendu) << x << " / " << y;
        EXPECT_EQ(Compare(y, x, caseSensitive), -attendu) << y << " / " << x;
    }
}

constexpr std::size_t grandePage = AllocateurGrandsBlocs<char>::grandePage;

// Sizes about the huge page, where the allocator switches from the usual heap to pages of its own: every page
// and the last byte keep a mark of their own.
TEST(AllocateurGrandsBlocs, EveryRequestedByteIsUsable) {
    for (const std::size_t octets : {grandePage - 1, grandePage, grandePage + 1, 5 * grandePage + 12345}) {
        AllocateurGrandsBlocs<char> allocateur;
        char* bloc = allocateur.allocate(octets);
        if (octets >= grandePage) { EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bloc) % grandePage, 0u) << octets; }
        std::vector<std::size_t> positions{octets - 1};
        for (std::size_t i = 0; i < octets; i += 4096) positions.push_back(i);
        const auto marque = [](std::size_t i) { return static_cast<char>(i / 4096 + i % 7); };
        for (const std::size_t i : positions) bloc[i] = marque(i);
        for (const std::size_t i : positions) ASSERT_EQ(bloc[i], marque(i)) << octets << " bytes, at " << i;
        allocateur.deallocate(bloc, octets);
    }
}

/// A keyed collection whose members move down when one is removed, as the program's collections do.
struct CollectionFactice {
    std::vector<std::string> clés, retirés;
    const std::string& Item(std::string_view clé) const { return clés.at(std::ranges::find(clés, clé) - clés.begin()); }
    std::int32_t Count() const { return static_cast<std::int32_t>(clés.size()); }
    void Remove(std::int32_t i) { retirés.push_back(clés.at(static_cast<std::size_t>(i) - 1)), clés.erase(clés.begin() + (i - 1)); }
};

TEST(Collections, ExistsInAndEmptyFromTheLast) {
    CollectionFactice c{{"a", "RSI", "c"}, {}};
    EXPECT_TRUE(ExisteDans(c, "RSI"));
    EXPECT_FALSE(ExisteDans(c, "rsi"));
    ViderCollection(c);
    EXPECT_EQ(c.retirés, (Textes{"c", "RSI", "a"}));
}

}  // namespace
}  // namespace vantorelle::test
