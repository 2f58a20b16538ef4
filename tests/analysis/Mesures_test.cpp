#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Communes.h"
#include "support/DossierTemporaire.h"
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

TEST(MesuresTest, BougieBlanche) {
    const BourseCollection bourse = bougies({{10, 13, 9, 12}});
    EXPECT_EQ(bourse.Corps(1), 2);
    EXPECT_EQ(bourse.CorpsHaut(1), 12);
    EXPECT_EQ(bourse.CorpsBas(1), 10);
    EXPECT_EQ(bourse.Ombre(1), 4);
    EXPECT_EQ(bourse.Tête(1), 1);
    EXPECT_EQ(bourse.Queue(1), 1);
}

TEST(MesuresTest, BougieNoireEtDoji) {
    const BourseCollection bourse = bougies({{12, 13, 9, 10}, {10, 11, 9, 10}});
    EXPECT_EQ(bourse.CorpsHaut(1), 12);
    EXPECT_EQ(bourse.CorpsBas(1), 10);
    EXPECT_EQ(bourse.Queue(1), 1);
    EXPECT_EQ(bourse.Corps(2), 0);
    EXPECT_EQ(bourse.CorpsHaut(2), 10);
    EXPECT_EQ(bourse.CorpsBas(2), 10);
    EXPECT_FALSE(bourse.CorpsPetit(2));
}

TEST(MesuresTest, LesMesuresSontEnSimple) {
    const BourseCollection bourse = bougies({{0.1f, 0.3f, 0.1f, 0.2f}});
    EXPECT_EQ(bourse.Corps(1), 0.2f - 0.1f);
    EXPECT_EQ(bourse.Ombre(1), 0.3f - 0.1f);
}

TEST(MesuresTest, HorsDesBougies) {
    BourseCollection bourse = bougies({{10, 13, 9, 12}});
    EXPECT_THROW(bourse.Corps(0), ErreurIndice);
    EXPECT_EQ(bourse.Corps(2), 0) << "a position within the storage reads empty";
    EXPECT_THROW(bourse.Corps(102), ErreurIndice);
    // A value left beyond Nombre by an earlier, longer history is read as it stands.
    bourse.Ajouter("20240103", 5, 9, 4, 8, Monnaie{});
    bourse.Nombre = 1;
    EXPECT_EQ(bourse.Corps(2), 3);
}

TEST(MesuresTest, UneSérieChangéeParSaFonctionEstVue) {
    BourseCollection bourse = bougies({{10, 13, 9, 12}});
    EXPECT_EQ(bourse.Corps(1), 2);
    bourse.Clôture.Item(1, 15.0f);
    EXPECT_EQ(bourse.Corps(1), 5);
    bourse.Ouverture.Item(1, "14");
    EXPECT_EQ(bourse.Corps(1), 1);
    bourse.Ouverture.Item(1, "quatorze");
    EXPECT_THROW(bourse.Corps(1), ErreurConversion);
}

TEST(MesuresTest, UneSérieRemplacéeParUneAutreDeMêmeVersionEstLue) {
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

// ---- Position predicates ----

struct CasPosition {
    const char* nom;
    Prix i, j;
    bool auDessus, auDessous, ombresAuDessus, ombresAuDessous, ombreInclue, corpsInclus;
};

class PositionTest : public testing::TestWithParam<CasPosition> {};

TEST_P(PositionTest, Prédicats) {
    const CasPosition& cas = GetParam();
    const BourseCollection bourse = bougies({cas.i, cas.j});
    EXPECT_EQ(bourse.CorpsAuDessus(1, 2), cas.auDessus);
    EXPECT_EQ(bourse.CorpsAuDessous(1, 2), cas.auDessous);
    EXPECT_EQ(bourse.OmbresAuDessus(1, 2), cas.ombresAuDessus);
    EXPECT_EQ(bourse.OmbresAuDessous(1, 2), cas.ombresAuDessous);
    EXPECT_EQ(bourse.OmbreInclue(1, 2), cas.ombreInclue);
    EXPECT_EQ(bourse.CorpsInclus(1, 2), cas.corpsInclus);
    EXPECT_EQ(bourse.OmbreEtCorpsInclus(1, 2), cas.ombreInclue && cas.corpsInclus);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, PositionTest,
    testing::Values(
        CasPosition{"CorpsAuDessus", {14, 16, 13, 15}, {10, 12, 9, 11}, true, false, true, false, false, false},
        CasPosition{"CorpsQuiSeTouchent", {11, 14, 10, 13}, {9, 12, 8, 11}, false, false, false, false, false, false},
        CasPosition{"NoirAuDessousDeBlanc", {8, 8.5f, 6, 7}, {10, 12, 9, 11}, false, true, false, true, false, false},
        CasPosition{"OmbresQuiSeTouchent", {13, 15, 12, 14}, {10, 12, 9, 11}, true, false, false, false, false, false},
        CasPosition{"CorpsEgaux", {10, 12, 9, 11}, {11, 12, 9, 10}, false, false, false, false, true, true},
        CasPosition{"Inclus", {10.5f, 11.5f, 9.5f, 10.8f}, {10, 12, 9, 11}, false, false, false, false, true, true},
        CasPosition{"OmbreQuiDeborde", {10.5f, 12.5f, 9.5f, 10.8f}, {10, 12, 9, 11}, false, false, false, false,
                    false, true}),
    [](const testing::TestParamInfo<CasPosition>& info) { return std::string(info.param.nom); });

// ---- Tolerance ----

struct CasTolérance {
    float a, b, r;
    const char* tolérance;
    bool attendu;
};

class ToléranceTest : public testing::TestWithParam<CasTolérance> {};

TEST_P(ToléranceTest, Compare) {
    const CasTolérance& cas = GetParam();
    BourseCollection bourse;
    bourse.Options.Item(OptionsAnalyse::Tolérance, cas.tolérance);
    EXPECT_EQ(bourse.ToléranceCompare(cas.a, cas.b, cas.r), cas.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ToléranceTest,
    testing::Values(CasTolérance{10, 10.25f, 4, "0,0625", true}, CasTolérance{10, 10.26f, 4, "0,0625", false},
                    CasTolérance{10.25f, 10, 4, "0.0625", true}, CasTolérance{10, 10, 0, "0,0625", false},
                    CasTolérance{10, 99, -1, "0,0625", false}, CasTolérance{10, 10, 1, "0", true},
                    // 1 / 10 in single is above the double 0.1: a single quotient compared in double.
                    CasTolérance{11, 10, 10, "0,1", false}, CasTolérance{3, 2.5f, 10, "0,1", true}));

TEST(ToléranceTest, OptionLueÀChaqueAppel) {
    BourseCollection bourse;
    EXPECT_TRUE(bourse.ToléranceCompare(10, 10.25f, 4));
    bourse.Options.Item(OptionsAnalyse::Tolérance, "0,05");
    EXPECT_FALSE(bourse.ToléranceCompare(10, 10.25f, 4));
    bourse.Options = OptionsAnalyse::parDéfaut();
    EXPECT_TRUE(bourse.ToléranceCompare(10, 10.25f, 4));
    bourse.Options.Remove(OptionsAnalyse::Tolérance);
    EXPECT_THROW(bourse.ToléranceCompare(10, 10.25f, 4), Erreur);
}

// ---- Small and big bodies ----

TEST(TaillesTest, CorpsPetitAuSeuilDeQuatreTolérances) {
    BourseCollection bourse = bougies({{10, 14, 10, 11}, {10, 14, 10, 10.99f}, {10, 10, 10, 10}});
    bourse.CalculerTailles();  // one candle per period and no average: no body is big
    EXPECT_TRUE(bourse.CorpsPetit(1)) << "a body of a quarter of the range";
    EXPECT_FALSE(bourse.CorpsPetit(2));
    EXPECT_FALSE(bourse.CorpsPetit(3)) << "no range";
    bourse.Options.Item(OptionsAnalyse::Tolérance, "0,1");
    EXPECT_FALSE(bourse.CorpsPetit(1));
    bourse.Options.Item(OptionsAnalyse::Tolérance, "0");
    EXPECT_FALSE(bourse.CorpsPetit(3)) << "still no range";
}

TEST(TaillesTest, CalculerTailles) {
    BourseCollection bourse = bougies({{10, 13, 9, 12}, {12, 12, 0, 11}, {0, 0, 0, 0}});
    bourse.CalculerTailles();
    ASSERT_EQ(bourse.TailleOmbre.Longueur(), 3);
    ASSERT_EQ(bourse.TailleCorps.Longueur(), 3);
    EXPECT_EQ(bourse.TailleOmbre.Item(1), Valeur(44.44f));  // 13 / 9 in double
    EXPECT_EQ(bourse.TailleCorps.Item(1), Valeur(20.0f));
    EXPECT_EQ(bourse.TailleOmbre.Item(2), Valeur(std::int16_t{0})) << "no low";
    EXPECT_EQ(bourse.TailleCorps.Item(2), Valeur(9.09f));
    EXPECT_EQ(bourse.TailleCorps.Item(3), Valeur(std::int16_t{0})) << "no body bottom";
    EXPECT_EQ(bourse.MoyenneCorps.Longueur(), 0) << "no more candles than Période2";
    EXPECT_FALSE(bourse.CorpsGrand(1));
    EXPECT_FALSE(bourse.OmbreGrande(1));
}

TEST(TaillesTest, LeQuotientDuCorpsEstEnSimple) {
    // 67.5 / 46.47 gives 45.26 % through a single quotient, 45.25 % through a double one.
    BourseCollection bourse = bougies({{46.47f, 70, 46, 67.5f}});
    bourse.CalculerTailles();
    EXPECT_EQ(bourse.TailleCorps.Item(1), Valeur(45.26f));
}

TEST(TaillesTest, CorpsPetitEnQuotientSimple) {
    // 7.4144 / 18.536 is just below 0.4, but its single rounds up to 4 × 0.1.
    BourseCollection bourse = bougies({{0, 18.536f, 0, 7.4144f}});
    bourse.Options.Item(OptionsAnalyse::Tolérance, "0,1");
    EXPECT_TRUE(bourse.CorpsPetit(1));
}

TEST(TaillesTest, CorpsGrandContreLaMoyenne) {
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
    EXPECT_THROW(bourse.CorpsGrand(0), ErreurIndice);
}

TEST(TaillesTest, DeNouvellesBougiesDeMêmeNombre) {
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

TEST(TaillesTest, LaTendanceSuitLOption) {
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

TEST(OptionsTest, DéfautsEtClésSensiblesÀLaCasse) {
    const OptionsAnalyse options = OptionsAnalyse::parDéfaut();
    std::vector<std::string> clés;
    for (const auto& [clé, valeur] : options.éléments()) clés.push_back(clé);
    EXPECT_EQ(clés,
              (std::vector<std::string>{"Tolérance", "AvecTendance", "TailleMarubozu", "Période", "Période2"}));
    EXPECT_EQ(options.enDouble("Tolérance"), 0.0625);
    EXPECT_TRUE(options.enBooléen("AvecTendance"));
    EXPECT_EQ(options.enEntier("Période"), 14);
    EXPECT_EQ(options.enEntier("Période2"), 9);
    EXPECT_EQ(options.enEntier("TailleMarubozu"), 1);
    EXPECT_FALSE(options.Contient("tolérance"));
    EXPECT_THROW(OptionsAnalyse::parDéfaut().Add("Période", "3"), Erreur);
}

TEST(OptionsTest, ConversionÀLUsage) {
    OptionsAnalyse options;
    struct Cas {
        const char* texte;
        bool booléen;
    };
    for (const Cas& c : {Cas{"1", true}, Cas{"0", false}, Cas{"Vrai", true}, Cas{"False", false}}) {
        options.Item("AvecTendance", c.texte);
        EXPECT_EQ(options.enBooléen("AvecTendance"), c.booléen) << c.texte;
    }
    options.Item("Période", "14,5");
    EXPECT_EQ(options.enEntier("Période"), 14);
    options.Item("Période", "abc");
    EXPECT_EQ(test::messageDErreur<Erreur>([&] { options.enEntier("Période"); }),
              "Option \"Période\" : Incompatibilité de type : \"abc\" n'est pas un nombre");
    EXPECT_EQ(test::messageDErreur<Erreur>([&] { options.enEntier("Inconnue"); }),
              "L'option \"Inconnue\" n'existe pas.");
}

TEST(OptionsTest, LaVersionChangeÀChaqueModification) {
    OptionsAnalyse options = OptionsAnalyse::parDéfaut();
    const std::uint64_t avant = options.version();
    options.Item("Période", "20");
    EXPECT_NE(options.version(), avant);
    const OptionsAnalyse autre = OptionsAnalyse::parDéfaut();
    EXPECT_NE(autre.version(), OptionsAnalyse::parDéfaut().version());
}

// ---- Communes ----

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
