#include "store/Arr.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;

const std::string messageIndice = "L'indice n'appartient pas à la sélection.";

std::vector<std::string> contenu(const Arr<std::string>& a) {
    std::vector<std::string> valeurs;
    for (std::int32_t i = 1; i <= a.Count(); ++i) valeurs.push_back(a.Item(i));
    return valeurs;
}

TEST(Arr, NouveauTableauACentPositionsVides) {
    Arr<std::string> a;
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(a.Item(100), "");
    EXPECT_EQ(messageDErreur<ErreurIndice>([&] { a.Item(101); }), messageIndice);
    EXPECT_THROW(a.Item(0), ErreurIndice);
}

TEST(Arr, EcrireAuDelaDeLaCapaciteLaPorteAPositionPlusCent) {
    Arr<std::string> a;
    a.Item(250, "z");
    EXPECT_EQ(a.Capacité(), 350);
    EXPECT_EQ(a.Count(), 250);
    for (std::int32_t i = 1; i < 250; ++i) ASSERT_EQ(a.Item(i), "") << i;
    EXPECT_EQ(a.Item(350), "");
    EXPECT_THROW(a.Item(351), ErreurIndice);
    EXPECT_THROW(a.Item(0, "x"), ErreurIndice);
}

TEST(Arr, AddNeGranditQueToutesLesCentValeurs) {
    Arr<std::string> a;
    for (int i = 0; i < 100; ++i) a.Add("v");
    EXPECT_EQ(a.Capacité(), 100);
    a.Add("w");
    EXPECT_EQ(a.Capacité(), 201);
    EXPECT_EQ(a.Count(), 101);
    EXPECT_EQ(a.Item(101), "w");
}

TEST(Arr, FromArrayAlloueExactement) {
    Arr<std::string> a;
    a.FromArray({"a", "b", "c"});
    EXPECT_EQ(a.Capacité(), 3);
    EXPECT_THAT(contenu(a), ElementsAre("a", "b", "c"));
    EXPECT_THROW(a.Item(4), ErreurIndice);

    a.FromArray({});
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(a.Capacité(), 1);
    // The single position left keeps what it held.
    EXPECT_EQ(a.Item(1), "a");
}

TEST(Arr, CountLeveAlloueExactementEtBaisseGardeLesValeurs) {
    Arr<std::string> a;
    a.Count(5);
    EXPECT_EQ(a.Capacité(), 5);
    EXPECT_THROW(a.Item(6), ErreurIndice);

    a.FromArray({"a", "b", "c"});
    a.Count(1);
    EXPECT_EQ(a.Capacité(), 3);
    EXPECT_EQ(a.Item(3), "c");
    a.Count(3);
    EXPECT_THAT(contenu(a), ElementsAre("a", "b", "c"));
    EXPECT_THROW(a.Count(-1), ErreurIndice);
}

TEST(Arr, AllocateEnDessousDeCountPerdLesValeursSansBaisserCount) {
    Arr<std::string> a;
    a.FromArray({"a", "b", "c"});
    a.Allocate(2);
    EXPECT_EQ(a.Count(), 3);
    EXPECT_EQ(a.Item(2), "b");
    EXPECT_THROW(a.Item(3), ErreurIndice);
    EXPECT_THROW(a.ToString(), ErreurIndice);
    EXPECT_THROW(a.Sort(true), ErreurIndice);
    EXPECT_THROW(a.Clone(), ErreurIndice);
    a.Allocate(5);
    EXPECT_THAT(std::vector<std::string>(a.valeurs().begin(), a.valeurs().end()), ElementsAre("a", "b", ""));
    a.Allocate(0);
    EXPECT_EQ(a.Capacité(), 1);
    // Raising the count again allocates anew: only the value that fitted is left.
    a.Count(0);
    a.Count(3);
    EXPECT_THAT(contenu(a), ElementsAre("a", "", ""));
}

TEST(Arr, RemoveVideSansDeplacer) {
    Arr<std::string> a;
    a.FromArray({"a", "b", "c"});
    a.Remove(2);
    EXPECT_THAT(contenu(a), ElementsAre("a", "", "c"));
    a.Remove(3);
    EXPECT_EQ(a.Count(), 3);
    EXPECT_THROW(a.Remove(4), ErreurIndice);
}

TEST(Arr, CloneACapaciteCountEtEstIndependant) {
    Arr<std::string> a;
    a.FromArray({"a", "b"});
    a.Item(150, "z");
    a.Count(2);
    Arr<std::string> copie = a.Clone();
    EXPECT_EQ(copie.Capacité(), 2);
    EXPECT_THAT(contenu(copie), ElementsAre("a", "b"));
    copie.Item(1, "x");
    EXPECT_EQ(a.Item(1), "a");
    EXPECT_EQ(Arr<std::string>().Clone().Capacité(), 1);
}

TEST(Arr, ToStringNumeroteLesLignes) {
    Arr<std::string> a;
    EXPECT_EQ(a.ToString(), "");
    a.Add("x");
    a.Add("y");
    EXPECT_EQ(a.ToString(), "1 : x\r\n2 : y\r\n");
}

TEST(Arr, SortEstToujoursBinaire) {
    for (bool casse : {true, false}) {
        Arr<std::string> a;
        a.FromArray({"b", "B", "a"});
        a.Sort(true, casse);
        EXPECT_THAT(contenu(a), ElementsAre("B", "a", "b"));
        a.Sort(false, casse);
        EXPECT_THAT(contenu(a), ElementsAre("b", "a", "B"));
    }
}

TEST(Arr, SortNeTrieQueJusquACount) {
    Arr<std::string> a;
    a.FromArray({"c", "b", "a"});
    a.Count(2);
    a.Sort(true);
    EXPECT_EQ(a.Item(1), "b");
    EXPECT_EQ(a.Item(2), "c");
    EXPECT_EQ(a.Item(3), "a");
}

struct Nombre {
    int valeur = 0;
    bool operator==(const Nombre&) const = default;
};
std::string texteDe(const Nombre& n) { return n.valeur == 0 ? "" : std::to_string(n.valeur); }

TEST(Arr, UneValeurQuelconqueSeTrieEtSEcritParSonTexte) {
    Arr<Nombre> a;
    a.FromArray({{10}, {9}, {}, {100}});
    a.Sort(true);
    std::vector<int> valeurs;
    for (const Nombre& n : a.valeurs()) valeurs.push_back(n.valeur);
    EXPECT_THAT(valeurs, ElementsAre(0, 10, 100, 9));
    EXPECT_EQ(a.ToString(), "1 : \r\n2 : 10\r\n3 : 100\r\n4 : 9\r\n");
}

TEST(Arr, ChaqueModificationChangeLaVersion) {
    Arr<std::string> a;
    const auto changeLaVersion = [&](auto modification) {
        const std::uint64_t avant = a.version();
        modification();
        return a.version() > avant;
    };
    EXPECT_TRUE(changeLaVersion([&] { a.Add("x"); }));
    EXPECT_TRUE(changeLaVersion([&] { a.Item(1, "y"); }));
    EXPECT_TRUE(changeLaVersion([&] { a.Remove(1); }));
    EXPECT_TRUE(changeLaVersion([&] { a.Count(3); }));
    EXPECT_TRUE(changeLaVersion([&] { a.Allocate(10); }));
    EXPECT_TRUE(changeLaVersion([&] { a.Sort(true); }));
    EXPECT_TRUE(changeLaVersion([&] { a.FromArray({"a"}); }));
    EXPECT_TRUE(changeLaVersion([&] { a.valeursModifiables(); }));
    EXPECT_TRUE(changeLaVersion([&] { a = Arr<std::string>(); }));
    EXPECT_FALSE(changeLaVersion([&] {
        a.Item(1);
        a.ToString();
        a.Clone();
    }));
}

TEST(Arr, ValeursCouvreLesPositionsUnACount) {
    Arr<std::string> a;
    a.Item(3, "c");
    EXPECT_THAT(std::vector<std::string>(a.valeurs().begin(), a.valeurs().end()), ElementsAre("", "", "c"));
    a.Allocate(2);
    EXPECT_EQ(a.valeurs().size(), 2u);
}

}  // namespace
}  // namespace vantorelle::test
