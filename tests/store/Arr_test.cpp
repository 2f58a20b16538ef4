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
using Accès = std::initializer_list<std::function<void()>>;

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
    for (const auto& accès : Accès{[&] { a.Item(101); }, [&] { a.Item(0); }, [&] { a.Item(0, "x"); }})
        EXPECT_THROW_MSG(accès(), ErreurIndice, horsIndice);
    a.Item(100, "v"), a.Add("w");
    EXPECT_EQ(std::tuple(a.Capacité(), a.Count(), a.Item(101), a.Item(99)), std::tuple(201, 101, "w", ""));
    EXPECT_THROW_MSG(a.Item(202), ErreurIndice, horsIndice);
}

// FromArray and Allocate set the capacity exactly; lowering the count keeps the values beyond, an allocation
// below the count drops them but keeps the count.
TEST(Arr, CountAllocateRemoveAndClone) {
    Arr<std::string> a = de({"a", "b", "c"});
    a.Count(1), a.Count(3), a.Remove(3);
    EXPECT_THAT(contenu(a), ElementsAre("a", "b", ""));
    EXPECT_THROW_MSG(a.Count(-1), ErreurIndice, horsIndice);
    a.Allocate(2);
    EXPECT_EQ(std::tuple(a.Count(), a.Capacité(), a.Item(2), a.valeurs().size()), std::tuple(3, 2, "b", 2u));
    for (const auto& lecture : Accès{[&] { a.ToString(); }, [&] { a.Sort(true); }, [&] { a.Clone(); }})
        EXPECT_THROW_MSG(lecture(), ErreurIndice, horsIndice);
    a.Allocate(5);
    EXPECT_THAT(contenu(a), ElementsAre("a", "b", ""));
    a.Allocate(0), a.Count(0), a.FromArray({});
    EXPECT_EQ(std::tuple(a.Capacité(), a.Item(1)), std::tuple(1, "a"));  // the single position keeps its value
    a.Count(3);
    EXPECT_THAT(contenu(a), ElementsAre("a", "", ""));
    a.Item(150, "z"), a.Count(2);
    const Arr<std::string> copie = a.Clone();
    EXPECT_EQ(std::tuple(copie.Capacité(), contenu(copie)), std::tuple(2, Textes{"a", ""}));
}

struct Nombre { int valeur = 0; };
std::string texteDe(const Nombre& n) { return n.valeur == 0 ? "" : std::to_string(n.valeur); }

// Always binary, and only up to the count; any value sorts and prints by its text.
TEST(Arr, SortIsBinaryUpToCountAndToStringNumbersTheLines) {
    Arr<std::string> a = de({"b", "B", "a", "z"});
    a.Count(3), a.Sort(false), a.Count(4);
    EXPECT_EQ(a.ToString(), "1 : b\r\n2 : a\r\n3 : B\r\n4 : z\r\n");
    Arr<Nombre> n;
    n.FromArray({{10}, {9}, {}, {100}});
    n.Sort(true);
    EXPECT_EQ(n.ToString(), "1 : \r\n2 : 10\r\n3 : 100\r\n4 : 9\r\n");
}

TEST(Arr, EveryChangeBumpsTheVersionAndOnlyAChange) {
    Arr<std::string> a;
    for (const auto& change : Accès{[&] { a.Item(1, "y"); }, [&] { a.Remove(1); }, [&] { a.Count(3); }, [&] { a.Allocate(10); },
                                    [&] { a.Sort(true); }, [&] { a.FromArray({"a"}); }, [&] { a.valeursModifiables(); },
                                    [&] { a = Arr<std::string>(); }}) {
        const std::uint64_t avant = a.version();
        change();
        EXPECT_GT(a.version(), avant);
    }
    const std::uint64_t avant = a.version();
    a.Item(1), a.ToString(), a.Clone();
    EXPECT_EQ(a.version(), avant);
}

using MStringSortRoutines::Compare;
using MStringSortRoutines::SortStringArray;

// Checked against the standard sort, in sizes about where insertion sort hands over to the quick sort.
TEST(SortStringArray, BinaryGivesByteOrder) {
    std::mt19937 générateur(1);
    std::uniform_int_distribution<int> lettre(0, 4), longueur(0, 4);
    for (std::size_t taille : {0, 2, 61, 62, 500}) {
        for (int essai = 0; essai < 20; ++essai) {
            std::vector<std::string> textes(taille);
            for (std::string& t : textes)
                for (int k = longueur(générateur); k > 0; --k) t += "aAbBz"[lettre(générateur)];
            std::vector<std::string> attendu = textes;
            std::sort(attendu.begin(), attendu.end());
            SortStringArray(textes, true, true);
            ASSERT_EQ(textes, attendu) << taille;
        }
    }
}

// Equal without case, "A" second: insertion sort keeps it there up to 61 texts; the partition of 62 sends it last.
TEST(SortStringArray, CaseInsensitiveIsNotStableBeyond61) {
    for (std::size_t n : {61u, 62u}) {
        std::vector<std::string> uns(n, "a");
        uns[1][0] = 'A';
        SortStringArray(uns, true, false);
        EXPECT_EQ(std::find(uns.begin(), uns.end(), "A") - uns.begin() + 1, n == 61 ? 2 : 62) << n;
    }
}

TEST(Compare, BinaryOrCaseAndAccentsSetAsideFirst) {
    const std::tuple<const char*, const char*, bool, int> cas[] = {
        {"b", "B", true, 1},  {"", "", true, 0},       {"é", "f", true, 1},     {"a", "A", false, 0},  {"b", "A", false, 1},
        {"é", "E", false, 1}, {"É", "é", false, 0},    {"éa", "eb", false, -1}, {"ß", "ss", false, 1}, {"ss", "ST", false, -1},
        {"Œuvre", "oeuvre", false, 1}, {"", "a", false, -1}, {"\xFF", "z", false, 1}};
    for (const auto& [x, y, caseSensitive, attendu] : cas) {
        EXPECT_EQ(Compare(x, y, caseSensitive), attendu) << x << " / " << y;
        EXPECT_EQ(Compare(y, x, caseSensitive), -attendu) << y << " / " << x;
    }
}

constexpr std::size_t grandePage = AllocateurGrandsBlocs<char>::grandePage;

// Sizes about the huge page, where the allocator switches from the usual heap to pages of its own: the first
// byte of every small page and the last byte keep a mark of their own.
TEST(AllocateurGrandsBlocs, EveryRequestedByteIsUsable) {
    for (const std::size_t octets : {grandePage - 1, grandePage, 5 * grandePage + 12345}) {
        AllocateurGrandsBlocs<char> allocateur;
        char* bloc = allocateur.allocate(octets);
        if (octets >= grandePage) { EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bloc) % grandePage, 0u) << octets; }
        const auto marque = [](std::size_t i) { return static_cast<char>(i / 4096 + i % 7); };
        std::vector<std::size_t> positions{octets - 1};
        for (std::size_t i = 0; i < octets; i += 4096) positions.push_back(i);
        for (const std::size_t i : positions) bloc[i] = marque(i);
        for (const std::size_t i : positions) ASSERT_EQ(bloc[i], marque(i)) << octets << " bytes, at " << i;
        allocateur.deallocate(bloc, octets);
    }
}

/// A keyed collection as the program's are: reading a missing key throws.
struct CollectionFactice {
    Textes clés;
    const std::string& Item(std::string_view clé) const { return clés.at(std::ranges::find(clés, clé) - clés.begin()); }
};

TEST(Collections, ExistsInAndEmpty) {
    const CollectionFactice c{{"a", "RSI"}};
    EXPECT_EQ(std::pair(ExisteDans(c, "RSI"), ExisteDans(c, "rsi")), std::pair(true, false));
    Arr<std::string> a = de({"a", "b", "c"});
    ViderCollection(a);
    EXPECT_THAT(contenu(a), ElementsAre("", "", ""));
}

}  // namespace
}  // namespace vantorelle::test
