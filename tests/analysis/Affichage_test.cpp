#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

struct Prix {
    float h, l, c;
};

/// Candles of these prices, the open set to the close, and the trend period.
BourseCollection bougies(const std::vector<Prix>& prix, std::int16_t période = 14) {
    BourseCollection bourse;
    for (const Prix& p : prix) bourse.Ajouter("20240102", p.c, p.h, p.l, p.c, Monnaie{});
    bourse.Options.Item(OptionsAnalyse::Période, std::to_string(période));
    return bourse;
}

Fonction série(const std::vector<Valeur>& valeurs) {
    Fonction f;
    for (const Valeur& v : valeurs) f.Ajouter(v);
    return f;
}

std::vector<Valeur> valeurs(const Fonction& f) {
    std::vector<Valeur> v;
    for (std::int32_t i = 1; i <= f.Longueur(); ++i) v.push_back(f.Item(i));
    return v;
}

const Valeur zéro{std::int16_t{0}};

TEST(VolatilitéTest, TwoCandleRangeInPercentOfTheTwoCandleLow) {
    const struct {
        std::vector<Prix> bougies;
        std::vector<Valeur> attendu;
    } cas[] = {
        {{{11, 10, 10}}, {}},
        {{{11, 10, 10}, {11, 10, 10}}, {zéro, 10.0f}},
        // 12 / 9 − 1 = 0.33333337 in single, × 100 = 33.333336.
        {{{12, 10, 11}, {11, 9, 10}}, {zéro, 33.33f}},
        // In double the same quotient would give 3.13.
        {{{11.22f, 10.88f, 11}, {11.0f, 10.95f, 11}}, {zéro, 3.12f}},
        // The product by 100 rounded to single too: 19.87 otherwise.
        {{{12.43f, 10.37f, 11}, {12.0f, 10.5f, 11}}, {zéro, 19.86f}},
        {{{5, 0, 4}, {6, 1, 5}, {6, 2, 5}}, {zéro, zéro, 500.0f}},
    };
    for (const auto& c : cas) {
        const Fonction v = bougies(c.bougies).Volatilité();
        EXPECT_EQ(valeurs(v), c.attendu) << c.bougies.size();
        EXPECT_EQ(v.Nom(), "");
    }
    // Only the highs and the lows are read.
    BourseCollection bourse = bougies({{11, 10, 10}, {11, 10, 10}, {12, 10, 11}});
    bourse.Clôture.Item(2, "dix");
    EXPECT_EQ(valeurs(bourse.Volatilité()), (std::vector<Valeur>{zéro, 10.0f, 20.0f}));
    bourse.Maximum.Item(2, "onze");
    EXPECT_THROW_MSG(bourse.Volatilité(), ErreurConversion, "Incompatibilité de type : \"onze\" n'est pas un nombre");
}

TEST(StochTest, PercentKOverNCandlesSmoothedOverM) {
    const struct {
        std::vector<Prix> bougies;
        std::int16_t n, m;
        std::vector<Valeur> attendu;
    } cas[] = {
        // %K 50, 75, 50, 87.5, 0, each averaged with the one before over 2.
        {{{10, 8, 9}, {12, 9, 11}, {11, 10, 10}, {13, 11, 12.5f}, {12, 10, 10}}, 3, 2,
         {25.0f, 62.5f, 62.5f, 68.75f, 43.75f}},
        // %K 33.33, 36.67, 66.67.
        {{{12, 9, 10}, {12, 9, 10.1f}, {11.5f, 9.5f, 11}}, 2, 2, {16.67f, 35.0f, 51.67f}},
        // A window without range repeats the value before.
        {{{10, 10, 10}, {12, 10, 11}, {11, 11, 11}, {12, 11, 12}}, 1, 1, {0.0f, 50.0f, 50.0f, 100.0f}},
        // The window low starts at one million: higher prices never lower it.
        {{{3e6f, 2e6f, 2.5e6f}, {3e6f, 2e6f, 2.5e6f}}, 1, 1, {75.0f, 75.0f}},
        {{{10, 8, 9}, {12, 9, 11}, {11, 10, 10}}, 3, 2, {}},
        {{{10, 8, 9}, {12, 9, 11}}, 14, 9, {}},
    };
    for (const auto& c : cas) EXPECT_EQ(valeurs(bougies(c.bougies).Stoch(c.n, c.m)), c.attendu) << c.n;
    std::vector<Prix> prix;
    for (int i = 0; i < 20; ++i) prix.push_back({11.0f + i % 3, 10.0f, 10.5f});
    const BourseCollection bourse = bougies(prix);
    EXPECT_EQ(bourse.Stoch(14, 9).Nom(), "Stoch14,9");
    EXPECT_EQ(bourse.Stoch(14, 9).Longueur(), 20);
    EXPECT_EQ(bourse.Stoch(20, 9).Nom(), "");
}

/// n candles for a series given apart, their prices of no account.
BourseCollection bougiesSansPrix(std::size_t n, std::int16_t période) {
    return bougies(std::vector<Prix>(n, Prix{1, 1, 1}), période);
}

TEST(VariationTest, TheValueWithItsTrendAndItsChange) {
    const struct {
        std::vector<Valeur> x;
        std::int16_t période;
        std::vector<Valeur> attendu;
    } cas[] = {
        {{10.0f, 10.0f, 10.0f, 10.5f}, 2, {10.0f, "10,00 (=+0%)", "10,00 (=+0%)", "10,50 (/+5%)"}},
        {{10.0f, 10.0f, 10.0f, 9.5f}, 2, {10.0f, "10,00 (=+0%)", "10,00 (=+0%)", "09,50 (\\-5%)"}},
        // In double the rise would be 11.87 %.
        {{11.2f, 12.53f, 11.2f}, 14, {11.2f, "12,53 (=+11,88%)", "11,20 (=-10,61%)"}},
        {{10.0f, 0.0f, 5.0f, 5.5f}, 14, {10.0f, "00,00", "05,00", "05,50 (=+10%)"}},
        {{2.0, 2.5}, 14, {2.0, "02,50 (=+25%)"}},
        {{10.0f}, 14, {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(valeurs(bougiesSansPrix(c.x.size(), c.période).Variation(série(c.x))), c.attendu) << c.x.size();
    // The cells run over the candles, even beyond the series.
    EXPECT_EQ(valeurs(bougiesSansPrix(3, 14).Variation(série({10.0f, 11.0f}))),
              (std::vector<Valeur>{10.0f, "11,00 (=+10%)", "00,00"}));
}

TEST(VariationMoyenneTest, TheValueWithItsTrendAndItsPlaceAgainstItsAverage) {
    const struct {
        std::vector<Valeur> x;
        std::int16_t période;
        const char* format;
        std::vector<Valeur> attendu;
    } cas[] = {
        // Averages over 2 (the first halved): 5, 11, 11.5, 12, 14, 14.5, 13, 12.
        {{10.0f, 12.0f, 11.0f, 13.0f, 15.0f, 14.0f, 12.0f, 12.0f}, 2, "00.00",
         {"10,00 (=>5)", "12,00 (=>11)", "11,00 (=<11,5)", "13,00 (/>12)", "15,00 (/>14)", "14,00 (=<14,5)",
          "12,00 (\\<13)", "12,00 (=>12)"}},
        // The average of 0.1 and 0.1 is the single 0.1, just above the double 0.1.
        {{0.1, 0.1, 0.1, 0.1, 0.1, 0.1}, 2, "0.000",
         {"0,100 (=>0,05)", "0,100 (=<0,1)", "0,100 (=<0,1)", "0,100 (=<0,1)", "0,100 (=<0,1)", "0,100 (=<0,1)"}},
        {{1.0f, 2.0f, 3.0f, 4.0f, 5.0f}, 2, "00.00", {}},
        {{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}, 14, "00.00", {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(valeurs(bougiesSansPrix(c.x.size(), c.période).VariationMoyenne(série(c.x), c.format)), c.attendu)
            << c.x.size();
    // The average holds exactly the series' six values: the seventh candle has none.
    EXPECT_THROW_MSG(bougiesSansPrix(7, 2).VariationMoyenne(série({1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}), "00.00"),
                     ErreurIndice, "L'indice n'appartient pas à la sélection.");
}

}  // namespace
}  // namespace vantorelle
