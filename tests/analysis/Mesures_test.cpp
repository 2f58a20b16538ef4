#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Communes.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

struct Prix {
    float o, h, l, c;
};

BourseCollection bougies(std::initializer_list<Prix> prix) {
    BourseCollection bourse;
    for (const Prix& p : prix) bourse.Ajouter("20240102", p.o, p.h, p.l, p.c, Monnaie{});
    return bourse;
}

std::vector<Valeur> valeurs(const Fonction& f) {
    std::vector<Valeur> v;
    for (std::int32_t i = 1; i <= f.Longueur(); ++i) v.push_back(f.Item(i));
    return v;
}

TEST(MesuresTest, BodyShadowsAndRange) {
    // Body, body top, body bottom, range, upper and lower shadows.
    const std::pair<Prix, std::array<float, 6>> cas[] = {
        {{10, 13, 9, 12}, {2, 12, 10, 4, 1, 1}},  // white
        {{12, 13, 9, 10}, {2, 12, 10, 4, 1, 1}},  // black
        {{10, 11, 9, 10}, {0, 10, 10, 2, 1, 1}},  // doji
        {{0.1f, 0.3f, 0.1f, 0.2f}, {0.2f - 0.1f, 0.2f, 0.1f, 0.3f - 0.1f, 0.3f - 0.2f, 0}},  // in single
    };
    for (const auto& [p, attendu] : cas) {
        const BourseCollection b = bougies({p});
        EXPECT_EQ((std::array<float, 6>{b.Corps(1), b.CorpsHaut(1), b.CorpsBas(1), b.Ombre(1), b.Tête(1), b.Queue(1)}),
                  attendu)
            << p.o << ' ' << p.c;
    }
}

TEST(MesuresTest, OutsideTheCandlesAndAfterChanges) {
    BourseCollection bourse = bougies({{10, 13, 9, 12}});
    EXPECT_THROW_MSG(bourse.Corps(0), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    EXPECT_EQ(bourse.Corps(2), 0) << "a position within the storage reads empty";
    EXPECT_THROW_MSG(bourse.Corps(102), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    // The measures read a copy of the prices: every change of a series through its function is seen.
    bourse.Clôture.Item(1, 15.0f);
    EXPECT_EQ(bourse.Corps(1), 5);
    bourse.Ouverture.Item(1, "14");
    EXPECT_EQ(bourse.Corps(1), 1);
    bourse.Ouverture.Item(1, "quatorze");
    EXPECT_THROW_MSG(bourse.Corps(1), ErreurConversion, "Incompatibilité de type : \"quatorze\" n'est pas un nombre");
    // A value left beyond Nombre by an earlier, longer history is read as it stands.
    bourse.Ouverture.Item(1, 10.0f);
    bourse.Ajouter("20240103", 5, 9, 4, 8, Monnaie{});
    bourse.Nombre = 1;
    EXPECT_EQ(bourse.Corps(2), 3);
    EXPECT_EQ(bourse.Corps(1), 5);
}

TEST(MesuresTest, ASeriesReplacedByAnotherOfTheSameVersionIsRead) {
    // The new store may take the freed one's place in memory and shows the same version.
    BourseCollection bourse = bougies({{10, 13, 9, 12}});
    EXPECT_EQ(bourse.Corps(1), 2);
    const std::uint64_t version = bourse.Clôture.Data()->version();
    bourse.Clôture = Fonction();
    Fonction clôtures;
    clôtures.Item(1, 15.0f);
    ASSERT_EQ(clôtures.Data()->version(), version);
    bourse.Clôture = std::move(clôtures);
    EXPECT_EQ(bourse.Corps(1), 5);
}

TEST(MesuresTest, PositionPredicates) {
    // Body above, body below, shadows above, shadows below, range inside, body inside: candle 1 against 2.
    using Six = std::array<bool, 6>;
    const std::tuple<const char*, Prix, Prix, Six> cas[] = {
        {"body above", {14, 16, 13, 15}, {10, 12, 9, 11}, {1, 0, 1, 0, 0, 0}},
        {"bodies touching", {11, 14, 10, 13}, {9, 12, 8, 11}, {0, 0, 0, 0, 0, 0}},
        {"black below white", {8, 8.5f, 6, 7}, {10, 12, 9, 11}, {0, 1, 0, 1, 0, 0}},
        {"shadows touching", {13, 15, 12, 14}, {10, 12, 9, 11}, {1, 0, 0, 0, 0, 0}},
        {"equal bodies", {10, 12, 9, 11}, {11, 12, 9, 10}, {0, 0, 0, 0, 1, 1}},
        {"inside", {10.5f, 11.5f, 9.5f, 10.8f}, {10, 12, 9, 11}, {0, 0, 0, 0, 1, 1}},
        {"shadow beyond", {10.5f, 12.5f, 9.5f, 10.8f}, {10, 12, 9, 11}, {0, 0, 0, 0, 0, 1}},
    };
    for (const auto& [nom, i, j, attendu] : cas) {
        const BourseCollection b = bougies({i, j});
        EXPECT_EQ((Six{b.CorpsAuDessus(1, 2), b.CorpsAuDessous(1, 2), b.OmbresAuDessus(1, 2), b.OmbresAuDessous(1, 2),
                       b.OmbreInclue(1, 2), b.CorpsInclus(1, 2)}),
                  attendu)
            << nom;
        EXPECT_EQ(b.OmbreEtCorpsInclus(1, 2), attendu[4] && attendu[5]) << nom;
    }
}

TEST(MesuresTest, ToleranceCompare) {
    const std::tuple<float, float, float, const char*, bool> cas[] = {
        {10, 10.25f, 4, "0,0625", true}, {10, 10.26f, 4, "0,0625", false}, {10.25f, 10, 4, "0.0625", true},
        {10, 10, 0, "0,0625", false},    {10, 99, -1, "0,0625", false},    {10, 10, 1, "0", true},
        // 1 / 10 in single is above the double 0.1: a single quotient compared in double.
        {11, 10, 10, "0,1", false}, {3, 2.5f, 10, "0,1", true},
    };
    BourseCollection bourse;
    for (const auto& [a, b, r, tolérance, attendu] : cas) {
        bourse.Options.Item(OptionsAnalyse::Tolérance, tolérance);  // read again after each change
        EXPECT_EQ(bourse.ToléranceCompare(a, b, r), attendu) << a << " " << b << " " << r << " " << tolérance;
    }
    bourse.Options.Remove(OptionsAnalyse::Tolérance);
    EXPECT_THROW_MSG(bourse.ToléranceCompare(10, 10.25f, 4), Erreur, "L'option \"Tolérance\" n'existe pas.");
}

// ---- Sizes ----

TEST(TaillesTest, SmallBodyAtFourTolerances) {
    // 7.4144 / 18.536 is just below 0.4, but its single rounds up to 4 × 0.1.
    BourseCollection bourse =
        bougies({{10, 14, 10, 11}, {10, 14, 10, 10.99f}, {10, 10, 10, 10}, {0, 18.536f, 0, 7.4144f}});
    bourse.CalculerTailles();  // one candle per period and no average: no body is big
    EXPECT_TRUE(bourse.CorpsPetit(1)) << "a body of a quarter of the range";
    EXPECT_FALSE(bourse.CorpsPetit(2));
    EXPECT_FALSE(bourse.CorpsPetit(3)) << "no range";
    bourse.Options.Item(OptionsAnalyse::Tolérance, "0,1");
    EXPECT_FALSE(bourse.CorpsPetit(1));
    EXPECT_TRUE(bourse.CorpsPetit(4));
    bourse.Options.Item(OptionsAnalyse::Tolérance, "0");
    EXPECT_FALSE(bourse.CorpsPetit(3)) << "still no range";
}

TEST(TaillesTest, SizePercentages) {
    // The range over the low in double (13 / 9), the body over its bottom in single (67.5 / 46.47 gives 45.26 %
    // through a single quotient, 45.25 % through a double one); 0 without a low or a body bottom.
    BourseCollection bourse = bougies({{10, 13, 9, 12}, {12, 12, 0, 11}, {0, 0, 0, 0}, {46.47f, 70, 46, 67.5f}});
    bourse.CalculerTailles();
    const Valeur zéro{std::int16_t{0}};
    EXPECT_EQ(valeurs(bourse.TailleOmbre), (std::vector<Valeur>{44.44f, zéro, zéro, 52.17f}));
    EXPECT_EQ(valeurs(bourse.TailleCorps), (std::vector<Valeur>{20.0f, 9.09f, zéro, 45.26f}));
    EXPECT_EQ(bourse.MoyenneCorps.Longueur(), 0) << "no more candles than Période2";
    EXPECT_FALSE(bourse.CorpsGrand(1));
    EXPECT_FALSE(bourse.OmbreGrande(1));
}

TEST(TaillesTest, BigBodyAgainstTheAverage) {
    // Bodies of 10 %, 20 %, 30 %, 40 % and 50 % of their bottom; averages over 3 divide by 3 from the start.
    BourseCollection bourse = bougies({{10, 11, 10, 11}, {10, 12, 10, 12}, {10, 13, 10, 13}, {10, 14, 10, 14},
                                       {10, 15, 10, 15}, {10, 10.5f, 10, 10.1f}});
    bourse.Options.Item(OptionsAnalyse::Période2, "3");
    bourse.CalculerTailles();
    ASSERT_EQ(bourse.MoyenneCorps.Longueur(), 6);
    EXPECT_EQ(bourse.MoyenneCorps.Item(1), Valeur(3.33f));
    EXPECT_TRUE(bourse.CorpsGrand(1));
    EXPECT_TRUE(bourse.CorpsGrand(5));  // 50 > 40
    EXPECT_FALSE(bourse.CorpsGrand(6));
    EXPECT_FALSE(bourse.CorpsGrand(7)) << "beyond the averages";
    bourse.Options.Item(OptionsAnalyse::TailleMarubozu, "2");
    EXPECT_FALSE(bourse.CorpsGrand(5));  // 50 < 2 × 40
    EXPECT_TRUE(bourse.CorpsGrand(1));   // 10 > 2 × 3.33
    EXPECT_THROW_MSG(bourse.CorpsGrand(0), ErreurIndice, "L'indice n'appartient pas à la sélection.");
}

TEST(TaillesTest, NewCandlesOfTheSameCount) {
    // Recomputed series of the same length must not be mistaken for the earlier ones.
    auto remplir = [](BourseCollection& bourse, int graine) {
        bourse.Nombre = 0;
        for (int k = 0; k < 40; ++k) {
            const float o = 10.0f + static_cast<float>((k * graine) % 7);
            const float c = o + static_cast<float>((k * graine * 3) % 5) - 2.0f;
            bourse.Ajouter("20240102", o, std::max(o, c) + 1, std::min(o, c) - 1, c, Monnaie{});
        }
        bourse.CalculerTailles();
    };
    BourseCollection rechargée, neuve;
    remplir(rechargée, 3);
    for (std::int32_t i = 1; i <= 40; ++i) static_cast<void>(rechargée.CorpsGrand(i) && rechargée.OmbreGrande(i));
    remplir(rechargée, 5);
    remplir(neuve, 5);
    for (std::int32_t i = 1; i <= 40; ++i) {
        EXPECT_EQ(rechargée.CorpsGrand(i), neuve.CorpsGrand(i)) << i;
        EXPECT_EQ(rechargée.OmbreGrande(i), neuve.OmbreGrande(i)) << i;
        EXPECT_EQ(rechargée.CorpsPetit(i), neuve.CorpsPetit(i)) << i;
    }
}

TEST(TaillesTest, TheTrendFollowsItsOption) {
    BourseCollection bourse;
    for (int k = 0; k < 30; ++k) bourse.Ajouter("20240102", 10.0f + k, 11.0f + k, 9.0f + k, 10.5f + k, Monnaie{});
    bourse.Options.Item(OptionsAnalyse::AvecTendance, "0");
    bourse.CalculerTailles();
    EXPECT_EQ(bourse.Tendance.Longueur(), 0);
    bourse.Options.Item(OptionsAnalyse::AvecTendance, "1");
    bourse.CalculerTailles();
    EXPECT_EQ(bourse.Tendance.Longueur(), 30);
    EXPECT_EQ(bourse.Tendance.Item(30), Valeur(std::int16_t{2}));
}

// ---- Options ----

TEST(OptionsTest, DefaultsConversionsAndVersions) {
    OptionsAnalyse options = OptionsAnalyse::parDéfaut();
    std::vector<std::string> clés;
    for (const auto& [clé, valeur] : options.éléments()) clés.push_back(clé);
    EXPECT_EQ(clés, (std::vector<std::string>{"Tolérance", "AvecTendance", "TailleMarubozu", "Période", "Période2"}));
    EXPECT_EQ(options.enDouble("Tolérance"), 0.0625);
    EXPECT_TRUE(options.enBooléen("AvecTendance"));
    EXPECT_EQ(options.enEntier("Période"), 14);
    EXPECT_EQ(options.enEntier("Période2"), 9);
    EXPECT_EQ(options.enEntier("TailleMarubozu"), 1);
    EXPECT_FALSE(options.Contient("tolérance")) << "keys are case-sensitive";
    EXPECT_THROW_MSG(options.Add("Période", "3"), Erreur, "L'option \"Période\" existe déjà.");
    const std::uint64_t avant = options.version();
    for (const auto& [texte, booléen] : {std::pair{"1", true}, {"0", false}, {"Vrai", true}, {"False", false}}) {
        options.Item("AvecTendance", texte);
        EXPECT_EQ(options.enBooléen("AvecTendance"), booléen) << texte;
    }
    EXPECT_NE(options.version(), avant);
    EXPECT_NE(OptionsAnalyse::parDéfaut().version(), OptionsAnalyse::parDéfaut().version());
    options.Item("Période", "14,5");
    EXPECT_EQ(options.enEntier("Période"), 14);
    options.Item("Période", "abc");
    EXPECT_THROW_MSG(options.enEntier("Période"), Erreur,
                     "Option \"Période\" : Incompatibilité de type : \"abc\" n'est pas un nombre");
    EXPECT_THROW_MSG(options.enEntier("Inconnue"), Erreur, "L'option \"Inconnue\" n'existe pas.");
}

TEST(CommunesTest, MaxiMiniEntreContient) {
    EXPECT_EQ(Maxi(3, 5), 5);
    EXPECT_EQ(Mini(3.5f, 2.5f), 2.5f);
    EXPECT_FALSE(Entre(5, 7, 3));
    EXPECT_TRUE(Entre(5, 3, 7));
    EXPECT_TRUE(Entre(3, 3, 3));
    EXPECT_TRUE(Entre(2.5f, 2.5, 3));
    const std::array<int, 3> liste{4, 8, 15};
    EXPECT_TRUE(Contient(8, std::span<const int>(liste)));
    EXPECT_FALSE(Contient(9, {4, 8, 15}));
    EXPECT_TRUE(Contient(15.0, {4.0, 8.0, 15.0}));
}

}  // namespace
}  // namespace vantorelle
