#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "OutilsSeries.h"
#include "series/Arithmetique.h"
#include "series/Fonction.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

// Twenty closes of a made-up security, in single precision as the quote series hold them.
const std::initializer_list<float> clôtures = {10.5f, 10.8f, 10.6f, 10.9f, 11.2f, 11.0f, 10.7f, 10.4f, 10.6f, 10.3f,
                                               10.1f, 10.5f, 10.9f, 11.3f, 11.1f, 10.8f, 10.2f, 10.0f, 10.4f, 10.9f};

std::vector<Valeur> codes(std::initializer_list<int> valeurs) {
    std::vector<Valeur> v;
    for (int c : valeurs) v.emplace_back(static_cast<std::int16_t>(c));
    return v;
}

std::vector<Valeur> premières(std::size_t n) {
    return std::vector<Valeur>(clôtures.begin(), clôtures.begin() + static_cast<std::ptrdiff_t>(n));
}

Fonction sérieDe(const std::vector<Valeur>& valeurs) {
    Fonction f;
    for (const Valeur& v : valeurs) f.Ajouter(v);
    return f;
}

struct Cas {
    const char* description;
    std::vector<Valeur> entrée;
    std::function<Fonction(const Fonction&)> indicateur;
    const char* nom;
    std::vector<Valeur> attendu;
};

class Indicateur : public testing::TestWithParam<Cas> {};

TEST_P(Indicateur, GivesTheExpectedNameAndValues) {
    const Cas& c = GetParam();
    const Fonction x = sérieDe(c.entrée);
    const Fonction r = c.indicateur(x);
    EXPECT_EQ(r.Nom(), c.nom);
    EXPECT_EQ(valeursDe(r), c.attendu);
    EXPECT_EQ(valeursDe(x), c.entrée) << "the input must not change";
}

std::string nomDuCas(const testing::TestParamInfo<Cas>& info) { return info.param.description; }

const Cas casRSI[] = {
    {"HandComputed", {1.0f, 2.0f, 3.0f, 2.0f}, [](const Fonction& x) { return x.RSI(2); }, "",
     simples({0, 0, 0, 42.86f})},
    {"EmptyValuesCountAsZero", {Valeur(), 2.0f, Valeur(), std::int16_t{1}}, [](const Fonction& x) { return x.RSI(2); },
     "", simples({0, 0, 33.33f, 60})},
    {"OnlyRisesGiveZeros", {1.0f, 2.0f, 2.0f, 4.0f}, [](const Fonction& x) { return x.RSI(2); }, "",
     simples({0, 0, 0, 0})},
    {"PeriodEqualToLengthGivesNothing", premières(14), [](const Fonction& x) { return x.RSI(14); }, "", {}},
    {"OneMoreValueThanThePeriod", premières(15), [](const Fonction& x) { return x.RSI(14); }, "",
     simples({0, 0, 58.21f, 75.05f, 82.6f, 67.86f, 52.67f, 42.44f, 49.48f, 41.32f, 36.94f, 48.66f, 57.22f, 63.73f,
              58.9f})},
    {"Period5", premières(20), [](const Fonction& x) { return x.RSI(5); }, "",
     simples({0, 0, 54.55f, 75.46f, 84.42f, 64.73f, 45.03f, 32.62f, 45.2f, 33.48f, 27.53f, 49.82f, 63.76f, 73.1f,
              62.96f, 49.96f, 32.96f, 28.86f, 45.72f, 60.39f})},
    {"ZeroPeriod", premières(5), [](const Fonction& x) { return x.RSI(0); }, "", {}},
    {"NegativePeriod", premières(5), [](const Fonction& x) { return x.RSI(-3); }, "", {}},
};
INSTANTIATE_TEST_SUITE_P(RSI, Indicateur, testing::ValuesIn(casRSI), nomDuCas);

const Cas casROC[] = {
    {"ZeroBaseGives100", {10.0f, 0.0f, 5.0f}, [](const Fonction& x) { return x.ROC(1); }, "ROC1",
     simples({0, 0, 100})},
    {"MultipliesBeforeDividing", {800.0f, 1003.0f}, [](const Fonction& x) { return x.ROC(1); }, "ROC1",
     simples({0, 125.38f})},  // 100 × 1003 / 800 = 125.375 exactly, whose even neighbour is 125.38
    {"Period3", premières(20), [](const Fonction& x) { return x.ROC(3); }, "ROC3",
     simples({0, 0, 0, 103.81f, 103.7f, 103.77f, 98.17f, 92.86f, 96.36f, 96.26f, 97.12f, 99.06f, 105.83f, 111.88f,
              105.71f, 99.08f, 90.27f, 90.09f, 96.3f, 106.86f})},
    {"PeriodEqualToLength", premières(3), [](const Fonction& x) { return x.ROC(3); }, "ROC3", {}},
    {"ZeroPeriod", premières(3), [](const Fonction& x) { return x.ROC(0); }, "ROC0", {}},
};
INSTANTIATE_TEST_SUITE_P(ROC, Indicateur, testing::ValuesIn(casROC), nomDuCas);

const Cas casMomentum[] = {
    {"Doubling", {1.0f, 2.0f, 4.0f, 8.0f}, [](const Fonction& x) { return x.Momentum(2); }, "Momentum2",
     simples({0, 0, 3, 6})},
    {"Period3", premières(20), [](const Fonction& x) { return x.Momentum(3); }, "Momentum3",
     simples({0, 0, 0, 0.4f, 0.4f, 0.4f, -0.2f, -0.8f, -0.4f, -0.4f, -0.3f, -0.1f, 0.6f, 1.2f, 0.6f, -0.1f, -1.1f,
              -1.1f, -0.4f, 0.7f})},
    {"EmptyAndIntegerValues", {Valeur(), std::int16_t{5}, 2.25, Monnaie{12500}},
     [](const Fonction& x) { return x.Momentum(1); }, "Momentum1", simples({0, 5, -2.75f, -1})},
    {"PeriodEqualToLength", premières(4), [](const Fonction& x) { return x.Momentum(4); }, "Momentum4", {}},
};
INSTANTIATE_TEST_SUITE_P(Momentum, Indicateur, testing::ValuesIn(casMomentum), nomDuCas);

const Cas casMMA[] = {
    {"FixedDivisor", {3.0f, 6.0f, 9.0f, 12.0f}, [](const Fonction& x) { return x.MMA(3); }, "MMA3",
     simples({1, 3, 6, 9})},
    {"Period3", premières(20), [](const Fonction& x) { return x.MMA(3); }, "MMA3",
     simples({3.5f, 7.1f, 10.63f, 10.77f, 10.9f, 11.03f, 10.97f, 10.7f, 10.57f, 10.43f, 10.33f, 10.3f, 10.5f, 10.9f,
              11.1f, 11.07f, 10.7f, 10.33f, 10.2f, 10.43f})},
    {"PeriodOne", {1.5f, 2.5f}, [](const Fonction& x) { return x.MMA(1); }, "MMA1", simples({1.5f, 2.5f})},
    {"PeriodEqualToLength", premières(4), [](const Fonction& x) { return x.MMA(4); }, "MMA4", {}},
    {"NegativePeriod", premières(4), [](const Fonction& x) { return x.MMA(-1); }, "MMA-1", {}},
    {"MixedIntegerKinds", {std::int16_t{3}, 6.0f, 9.0, std::int32_t{12}}, [](const Fonction& x) { return x.MMA(3); },
     "MMA3", simples({1, 3, 6, 9})},
    {"NumericTexts", {"3", "6,0", Valeur(true)}, [](const Fonction& x) { return x.MMA(2); }, "MMA2",
     simples({1.5f, 4.5f, 2.5f})},
    // 1 + 16777217 is added in double, then rounded: 16777218; converting the double to a single first would
    // give 1 + 16777216, a tie that rounds to 16777216.
    {"DoubleAddedToTheSingleSumInDouble", {16777217.0, 1.0f, Valeur()}, [](const Fonction& x) { return x.MMA(2); },
     "MMA2", simples({8388608, 8388609, 0.5f})},
    // The single sum 0.04458 meets currency: it is first rounded to 0.0446, giving 0.09 / 2 = 0.045 → 0.05,
    // where a sum in double would give 0.04499 → 0.04.
    {"CurrencyAddedInFixedPoint", {Monnaie{454}, 0.04458f, 0.0f}, [](const Fonction& x) { return x.MMA(2); }, "MMA2",
     simples({0.02f, 0.05f, 0.02f})},
};
INSTANTIATE_TEST_SUITE_P(MMA, Indicateur, testing::ValuesIn(casMMA), nomDuCas);

const Cas casMACD[] = {
    {"ShortPeriodAboveLongGivesNothing", premières(20), [](const Fonction& x) { return x.MACD(26, 12); }, "MACD26-12",
     {}},
    {"Periods3And5", premières(20), [](const Fonction& x) { return x.MACD(3, 5); }, "MACD3-5",
     simples({1.4f, 2.84f, 4.25f, 2.21f, 0.1f, 0.13f, 0.09f, -0.14f, -0.21f, -0.17f, -0.09f, -0.08f, 0.02f, 0.28f,
              0.32f, 0.15f, -0.16f, -0.35f, -0.3f, -0.03f})},
    {"EqualPeriodsGiveZeros", {1.0f, 2.0f, 3.0f, 4.0f}, [](const Fonction& x) { return x.MACD(3, 3); }, "MACD3-3",
     simples({0, 0, 0, 0})},
    {"SeriesNoLongerThanTheLongPeriod", premières(5), [](const Fonction& x) { return x.MACD(3, 5); }, "MACD3-5", {}},
    {"ZeroPeriod", premières(5), [](const Fonction& x) { return x.MACD(0, 2); }, "MACD0-2", {}},
    {"EmptySeries", {}, [](const Fonction& x) { return x.MACD(1, 1); }, "MACD1-1", {}},
};
INSTANTIATE_TEST_SUITE_P(MACD, Indicateur, testing::ValuesIn(casMACD), nomDuCas);

const Cas casVolatilité[] = {
    {"RiseAndFallThatUndoesIt", {100.0f, 110.0f, 100.0f}, [](const Fonction& x) { return x.Volatilité(5); },
     "Volatilité5", simples({0, 10, -10})},
    {"Unchanged", {100.0f, 100.0f}, [](const Fonction& x) { return x.Volatilité(5); }, "Volatilité5",
     simples({0, 0})},
    {"Closes", premières(20), [](const Fonction& x) { return x.Volatilité(14); }, "Volatilité14",
     simples({0, 2.86f, -1.89f, 2.83f, 2.75f, -1.82f, -2.8f, -2.88f, 1.92f, -2.91f, -1.98f, 3.96f, 3.81f, 3.67f, -1.8f,
              -2.78f, -5.88f, -2, 4, 4.81f})},
    {"ZeroDivisorsGiveZero", {0.0f, 5.0f, 0.0f, Valeur(), 2.0f}, [](const Fonction& x) { return x.Volatilité(1); },
     "Volatilité1", simples({0, 0, 0, 0, 0})},
    {"SingleValue", {100.0f}, [](const Fonction& x) { return x.Volatilité(5); }, "Volatilité5", {}},
    {"ZeroPeriod", {100.0f, 110.0f}, [](const Fonction& x) { return x.Volatilité(0); }, "Volatilité0", {}},
};
INSTANTIATE_TEST_SUITE_P(Volatilite, Indicateur, testing::ValuesIn(casVolatilité), nomDuCas);

const std::initializer_list<float> oscillation = {
    20.7f,  21.55f, 22.42f, 24.47f, 25.47f, 24.56f, 24.05f, 24.17f, 22.64f, 20.06f, 18.85f, 18.19f, 16.23f, 14.66f,
    15.17f, 15.86f, 15.6f,  16.54f, 19.08f, 20.69f, 21.28f, 22.99f, 25.01f, 25.03f, 24.25f, 24.5f,  24.12f, 21.82f,
    19.83f, 19.2f,  17.8f,  15.52f, 14.89f, 15.63f, 15.5f,  15.4f,  17.27f, 19.54f, 20.36f, 21.44f};

const Cas casTendance[] = {
    // A short average over 3 would give 0 at position 7 and 1 at position 19.
    {"Period5HasAShortAverageOver2", premières(20), [](const Fonction& x) { return x.Tendance(5); }, "Tendance5",
     codes({0, 0, 0, 0, 0, 2, 1, 1, 1, 1, 1, 0, 2, 2, 2, 0, 1, 1, 0, 0})},
    {"Period3HasAShortAverageOver2", premières(20), [](const Fonction& x) { return x.Tendance(3); }, "Tendance3",
     codes({0, 0, 0, 0, 2, 0, 1, 1, 0, 0, 1, 0, 2, 2, 0, 1, 1, 1, 0, 2})},
    {"Period4", premières(20), [](const Fonction& x) { return x.Tendance(4); }, "Tendance4",
     codes({0, 0, 0, 0, 2, 2, 0, 1, 1, 1, 1, 0, 2, 2, 2, 0, 1, 1, 0, 2})},
    // A short average over 6 would give 0 at position 28.
    {"Period14HasAShortAverageOver7", std::vector<Valeur>(oscillation.begin(), oscillation.end()),
     [](const Fonction& x) { return x.Tendance(14); }, "Tendance14",
     codes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0,
            0, 0, 2, 2, 2, 2, 2, 2, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0})},
    {"ZeroLongAverageGivesNoTrend", {0.0f, 0.0f, 0.0f, 1.0f, 2.0f, 3.0f, 4.0f},
     [](const Fonction& x) { return x.Tendance(2); }, "Tendance2", codes({0, 0, 0, 0, 2, 2, 2})},
    {"PeriodEqualToLength", premières(14), [](const Fonction& x) { return x.Tendance(14); }, "Tendance14", {}},
    {"PeriodOneHasNoShortAverage", premières(5), [](const Fonction& x) { return x.Tendance(1); }, "Tendance1", {}},
};
INSTANTIATE_TEST_SUITE_P(Tendance, Indicateur, testing::ValuesIn(casTendance), nomDuCas);

const std::vector<Valeur> mélange = {1.5f, Valeur(), "NO_EVAL", Monnaie{30000}, std::int16_t{5}};

const Cas casIntervalle[] = {
    {"MiddleKeepsValuesUnchanged", mélange, [](const Fonction& x) { return x.Intervalle(2, 4); }, "",
     {Valeur(), "NO_EVAL", Monnaie{30000}}},
    {"Whole", mélange, [](const Fonction& x) { return x.Intervalle(1, 5); }, "", mélange},
    {"OnePosition", mélange, [](const Fonction& x) { return x.Intervalle(5, 5); }, "", {std::int16_t{5}}},
    {"StartBeforeTheFirst", mélange, [](const Fonction& x) { return x.Intervalle(0, 2); }, "", {}},
    {"EndAfterTheLast", mélange, [](const Fonction& x) { return x.Intervalle(4, 6); }, "", {}},
    {"StartAfterEnd", mélange, [](const Fonction& x) { return x.Intervalle(4, 3); }, "", {}},
};
INSTANTIATE_TEST_SUITE_P(Intervalle, Indicateur, testing::ValuesIn(casIntervalle), nomDuCas);

TEST(Indicateurs, NamedResultsHaveRoomForExactlyTheirValues) {
    const Fonction x = sérieSimple(clôtures);
    for (const Fonction& r : {x.ROC(3), x.Momentum(3), x.MMA(3), x.MACD(3, 5), x.Volatilité(3), x.Tendance(3)}) {
        EXPECT_EQ(r.Longueur(), 20) << r.Nom();
        EXPECT_EQ(r.Data()->Capacité(), 20) << r.Nom();
    }
    EXPECT_EQ(x.Intervalle(2, 4).Data()->Capacité(), 3);
    EXPECT_EQ(x.MMA(30).Data()->Capacité(), 100);  // a failed guard leaves a new, empty store
}

TEST(Indicateurs, ResultIsIndependentOfItsInput) {
    Fonction x = sérieSimple({3, 6, 9, 12});
    const Fonction r = x.MMA(3);
    x.Item(1, 300.0f);
    EXPECT_EQ(r.Item(1), Valeur(1.0f));
}

TEST(Indicateurs, AnUnchangedValueGivesAPositiveZero) {
    const Fonction r = sérieSimple({5, 5}).Volatilité(1);
    EXPECT_FALSE(std::signbit(std::get<float>(r.Item(2).contenu())));
}

TEST(Indicateurs, ReadingBeyondTheStoreIsAnIndexError) {
    Fonction x = sérieSimple({1, 2, 3, 4, 5});
    x.Allouer(2);  // Longueur stays 5
    EXPECT_THROW(x.RSI(2), ErreurIndice);
    EXPECT_THROW(x.MMA(2), ErreurIndice);
    EXPECT_THROW(x.Intervalle(1, 4), ErreurIndice);
    EXPECT_EQ(x.MMA(5).Longueur(), 0);  // a failed guard reads nothing
}

TEST(Indicateurs, ATextThatIsNotANumberStopsTheIndicator) {
    const Fonction x = série({1.0f, "NO_EVAL", 3.0f});
    for (const auto& indicateur : std::vector<std::function<Fonction()>>{
             [&] { return x.RSI(1); }, [&] { return x.MMA(2); }, [&] { return x.Volatilité(1); }}) {
        try {
            indicateur();
            ADD_FAILURE();
        } catch (const ErreurConversion& e) {
            EXPECT_STREQ(e.what(), "Incompatibilité de type : \"NO_EVAL\" n'est pas un nombre");
        }
    }
}

TEST(Indicateurs, MovingAverageOverManyValuesAndLongPeriods) {
    // Whole numbers keep every sum exact: position i ≥ n averages to i - (n - 1) / 2.
    Fonction x;
    for (int i = 1; i <= 70; ++i) x.Ajouter(static_cast<float>(i));
    for (std::int16_t n : {std::int16_t{5}, std::int16_t{16}, std::int16_t{17}, std::int16_t{40}}) {
        const Fonction r = x.MMA(n);
        ASSERT_EQ(r.Longueur(), 70);
        for (int i = 1; i <= 70; ++i) {
            const int premier = std::max(i - n + 1, 1);
            const double somme = (premier + i) * (i - premier + 1) / 2.0;
            EXPECT_EQ(r.Item(i), Valeur(Round2(static_cast<double>(static_cast<float>(somme / n))))) << n << " " << i;
        }
    }
}

TEST(Indicateurs, HugeValuesOverflowTheSingleSum) {
    const Fonction x = série({3e38f, 3e38f, 1.0f});
    try {
        x.MMA(2);
        ADD_FAILURE();
    } catch (const ErreurConversion& e) {
        EXPECT_STREQ(e.what(), "Dépassement de capacité");
    }
}

TEST(SommeSimple, EachKindFollowsTheMixedKindRule) {
    struct Cas {
        float somme;
        Valeur terme;
        float attendu;
    };
    const Cas cas[] = {
        {1.0f, 16777216.0f, 16777216.0f},  // single + single: the tie rounds to even
        {1.0f, 16777217.0, 16777218.0f},   // single + double: in double, then rounded
        {1.0f, std::int32_t{16777217}, 16777218.0f},
        {0.5f, std::int16_t{2}, 2.5f},
        {0.5f, Valeur(true), -0.5f},
        {0.5f, Valeur(), 0.5f},
        {0.04458f, Monnaie{454}, static_cast<float>(0.09)},  // 0.04458 first becomes 0.0446
        {0.00004999f, Monnaie{0}, 0.0f},
        {0.00015f, Monnaie{0}, static_cast<float>(0.0002)},  // the single is 0.000150000007
    };
    for (const auto& c : cas) EXPECT_EQ(sommeSimple(c.somme, c.terme), c.attendu) << c.terme.texte();
}

}  // namespace
}  // namespace vantorelle
