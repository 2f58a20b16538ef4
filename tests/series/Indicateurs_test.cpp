#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "OutilsSeries.h"
#include "series/Arithmetique.h"
#include "series/Fonction.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

// Twenty closes of a made-up security, in single precision as the quote series hold them.
const std::initializer_list<float> clôtures = {10.5f, 10.8f, 10.6f, 10.9f, 11.2f, 11.0f, 10.7f, 10.4f, 10.6f, 10.3f,
                                               10.1f, 10.5f, 10.9f, 11.3f, 11.1f, 10.8f, 10.2f, 10.0f, 10.4f, 10.9f};

std::vector<Valeur> codes(std::initializer_list<std::int16_t> v) { return std::vector<Valeur>(v.begin(), v.end()); }

std::vector<Valeur> premières(std::size_t n) {
    return std::vector<Valeur>(clôtures.begin(), clôtures.begin() + static_cast<std::ptrdiff_t>(n));
}

#define IND(appel) [](const Fonction& x) { return x.appel; }

struct Cas {
    const char* description;
    std::vector<Valeur> entrée;
    std::function<Fonction(const Fonction&)> indicateur;
    const char* nom;
    std::vector<Valeur> attendu;
};

const std::vector<Valeur> oscillation = simples({
    20.7f,  21.55f, 22.42f, 24.47f, 25.47f, 24.56f, 24.05f, 24.17f, 22.64f, 20.06f, 18.85f, 18.19f, 16.23f, 14.66f,
    15.17f, 15.86f, 15.6f,  16.54f, 19.08f, 20.69f, 21.28f, 22.99f, 25.01f, 25.03f, 24.25f, 24.5f,  24.12f, 21.82f,
    19.83f, 19.2f,  17.8f,  15.52f, 14.89f, 15.63f, 15.5f,  15.4f,  17.27f, 19.54f, 20.36f, 21.44f});
const std::vector<Valeur> mélange = {1.5f, Valeur(), "NO_EVAL", Monnaie{30000}, std::int16_t{5}};

const Cas cas[] = {
    // RSI
    {"HandComputed", {1.0f, 2.0f, 3.0f, 2.0f}, IND(RSI(2)), "", simples({0, 0, 0, 42.86f})},
    {"EmptyValuesCountAsZero", {Valeur(), 2.0f, Valeur(), std::int16_t{1}}, IND(RSI(2)), "",
     simples({0, 0, 33.33f, 60})},
    {"PeriodEqualToLengthGivesNothing", premières(14), IND(RSI(14)), "", {}},
    {"OneMoreValueThanThePeriod", premières(15), IND(RSI(14)), "",
     simples({0, 0, 58.21f, 75.05f, 82.6f, 67.86f, 52.67f, 42.44f, 49.48f, 41.32f, 36.94f, 48.66f, 57.22f, 63.73f,
              58.9f})},
    {"Period5", premières(20), IND(RSI(5)), "",
     simples({0, 0, 54.55f, 75.46f, 84.42f, 64.73f, 45.03f, 32.62f, 45.2f, 33.48f, 27.53f, 49.82f, 63.76f, 73.1f,
              62.96f, 49.96f, 32.96f, 28.86f, 45.72f, 60.39f})},
    {"ZeroPeriod", premières(5), IND(RSI(0)), "", {}},
    // ROC
    {"ZeroBaseGives100", {10.0f, 0.0f, 5.0f}, IND(ROC(1)), "ROC1", simples({0, 0, 100})},
    // 100 × 1003 / 800 = 125.375 exactly, whose even neighbour is 125.38
    {"MultipliesBeforeDividing", {800.0f, 1003.0f}, IND(ROC(1)), "ROC1", simples({0, 125.38f})},
    {"Period3", premières(20), IND(ROC(3)), "ROC3",
     simples({0, 0, 0, 103.81f, 103.7f, 103.77f, 98.17f, 92.86f, 96.36f, 96.26f, 97.12f, 99.06f, 105.83f, 111.88f,
              105.71f, 99.08f, 90.27f, 90.09f, 96.3f, 106.86f})},
    {"PeriodEqualToLength", premières(3), IND(ROC(3)), "ROC3", {}},
    // Momentum
    {"Doubling", {1.0f, 2.0f, 4.0f, 8.0f}, IND(Momentum(2)), "Momentum2", simples({0, 0, 3, 6})},
    {"Period3", premières(20), IND(Momentum(3)), "Momentum3",
     simples({0, 0, 0, 0.4f, 0.4f, 0.4f, -0.2f, -0.8f, -0.4f, -0.4f, -0.3f, -0.1f, 0.6f, 1.2f, 0.6f, -0.1f, -1.1f,
              -1.1f, -0.4f, 0.7f})},
    {"EmptyAndIntegerValues", {Valeur(), std::int16_t{5}, 2.25, Monnaie{12500}}, IND(Momentum(1)), "Momentum1",
     simples({0, 5, -2.75f, -1})},
    {"PeriodEqualToLength", premières(4), IND(Momentum(4)), "Momentum4", {}},
    // MMA
    {"FixedDivisor", {3.0f, 6.0f, 9.0f, 12.0f}, IND(MMA(3)), "MMA3", simples({1, 3, 6, 9})},
    {"Period3", premières(20), IND(MMA(3)), "MMA3",
     simples({3.5f, 7.1f, 10.63f, 10.77f, 10.9f, 11.03f, 10.97f, 10.7f, 10.57f, 10.43f, 10.33f, 10.3f, 10.5f, 10.9f,
              11.1f, 11.07f, 10.7f, 10.33f, 10.2f, 10.43f})},
    {"PeriodEqualToLength", premières(4), IND(MMA(4)), "MMA4", {}},
    {"MixedIntegerKinds", {std::int16_t{3}, 6.0f, 9.0, std::int32_t{12}}, IND(MMA(3)), "MMA3", simples({1, 3, 6, 9})},
    {"NumericTexts", {"3", "6,0", Valeur(true)}, IND(MMA(2)), "MMA2", simples({1.5f, 4.5f, 2.5f})},
    // 1 + 16777217 is added in double, then rounded: 16777218; converting the double to a single first would
    // give 1 + 16777216, a tie that rounds to 16777216.
    {"DoubleAddedToTheSingleSumInDouble", {16777217.0, 1.0f, Valeur()}, IND(MMA(2)), "MMA2",
     simples({8388608, 8388609, 0.5f})},
    // The single sum 0.04458 meets currency: it is first rounded to 0.0446, giving 0.09 / 2 = 0.045 → 0.05,
    // where a sum in double would give 0.04499 → 0.04.
    {"CurrencyAddedInFixedPoint", {Monnaie{454}, 0.04458f, 0.0f}, IND(MMA(2)), "MMA2", simples({0.02f, 0.05f, 0.02f})},
    // MACD
    {"ShortPeriodAboveLongGivesNothing", premières(20), IND(MACD(26, 12)), "MACD26-12", {}},
    {"Periods3And5", premières(20), IND(MACD(3, 5)), "MACD3-5",
     simples({1.4f, 2.84f, 4.25f, 2.21f, 0.1f, 0.13f, 0.09f, -0.14f, -0.21f, -0.17f, -0.09f, -0.08f, 0.02f, 0.28f,
              0.32f, 0.15f, -0.16f, -0.35f, -0.3f, -0.03f})},
    {"EqualPeriodsGiveZeros", {1.0f, 2.0f, 3.0f, 4.0f}, IND(MACD(3, 3)), "MACD3-3", simples({0, 0, 0, 0})},
    {"SeriesNoLongerThanTheLongPeriod", premières(5), IND(MACD(3, 5)), "MACD3-5", {}},
    {"ZeroPeriod", premières(5), IND(MACD(0, 2)), "MACD0-2", {}},
    // Volatilité
    {"RiseAndFallThatUndoesIt", {100.0f, 110.0f, 100.0f}, IND(Volatilité(5)), "Volatilité5", simples({0, 10, -10})},
    {"Closes", premières(20), IND(Volatilité(14)), "Volatilité14",
     simples({0, 2.86f, -1.89f, 2.83f, 2.75f, -1.82f, -2.8f, -2.88f, 1.92f, -2.91f, -1.98f, 3.96f, 3.81f, 3.67f, -1.8f,
              -2.78f, -5.88f, -2, 4, 4.81f})},
    {"ZeroDivisorsGiveZero", {0.0f, 5.0f, 0.0f, Valeur(), 2.0f}, IND(Volatilité(1)), "Volatilité1",
     simples({0, 0, 0, 0, 0})},
    {"SingleValue", {100.0f}, IND(Volatilité(5)), "Volatilité5", {}},
    {"ZeroPeriod", {100.0f, 110.0f}, IND(Volatilité(0)), "Volatilité0", {}},
    // Tendance
    // A short average over 3 would give 0 at position 7 and 1 at position 19.
    {"Period5HasAShortAverageOver2", premières(20), IND(Tendance(5)), "Tendance5",
     codes({0, 0, 0, 0, 0, 2, 1, 1, 1, 1, 1, 0, 2, 2, 2, 0, 1, 1, 0, 0})},
    {"Period3HasAShortAverageOver2", premières(20), IND(Tendance(3)), "Tendance3",
     codes({0, 0, 0, 0, 2, 0, 1, 1, 0, 0, 1, 0, 2, 2, 0, 1, 1, 1, 0, 2})},
    // A short average over 6 would give 0 at position 28.
    {"Period14HasAShortAverageOver7", oscillation, IND(Tendance(14)), "Tendance14",
     codes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0,
            0, 0, 2, 2, 2, 2, 2, 2, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0})},
    {"ZeroLongAverageGivesNoTrend", simples({0, 0, 0, 1, 2, 3, 4}), IND(Tendance(2)), "Tendance2",
     codes({0, 0, 0, 0, 2, 2, 2})},
    {"PeriodEqualToLength", premières(14), IND(Tendance(14)), "Tendance14", {}},
    {"PeriodOneHasNoShortAverage", premières(5), IND(Tendance(1)), "Tendance1", {}},
    // Intervalle
    {"MiddleKeepsValuesUnchanged", mélange, IND(Intervalle(2, 4)), "", {Valeur(), "NO_EVAL", Monnaie{30000}}},
    {"OnePosition", mélange, IND(Intervalle(5, 5)), "", {std::int16_t{5}}},
    {"StartBeforeTheFirst", mélange, IND(Intervalle(0, 2)), "", {}},
    {"EndAfterTheLast", mélange, IND(Intervalle(4, 6)), "", {}},
    {"StartAfterEnd", mélange, IND(Intervalle(4, 3)), "", {}},
};

TEST(Indicators, GiveTheExpectedNameAndValues) {
    for (const Cas& c : cas) {
        const Fonction x = série(c.entrée);
        const Fonction r = c.indicateur(x);
        EXPECT_EQ(r.Nom(), c.nom) << c.description;
        EXPECT_EQ(valeursDe(r), c.attendu) << c.description;
        EXPECT_EQ(valeursDe(x), c.entrée) << c.description << ": the input must not change";
    }
}

TEST(Indicators, ResultsHaveRoomForExactlyTheirValuesInAStoreOfTheirOwn) {
    Fonction x = série(simples(clôtures));
    for (const Fonction& r : {x.ROC(3), x.Momentum(3), x.MMA(3), x.MACD(3, 5), x.Volatilité(3), x.Tendance(3)})
        EXPECT_EQ(std::pair(r.Longueur(), r.Data()->Capacité()), std::pair(20, 20)) << r.Nom();
    EXPECT_EQ(x.Intervalle(2, 4).Data()->Capacité(), 3);
    EXPECT_EQ(x.MMA(30).Data()->Capacité(), 100);  // a failed guard leaves a new, empty store
    const Fonction r = x.MMA(3);
    x.Item(1, 300.0f);
    EXPECT_EQ(r.Item(1), Valeur(3.5f));
    // An unchanged value gives a positive zero.
    EXPECT_FALSE(std::signbit(std::get<float>(série(simples({5, 5})).Volatilité(1).Item(2).contenu())));
}

TEST(Indicators, UnreadableValuesStopTheIndicator) {
    Fonction x = série(simples({1, 2, 3, 4, 5}));
    x.Allouer(2);  // Longueur stays 5
    const char* const horsSélection = "L'indice n'appartient pas à la sélection.";
    EXPECT_THROW_MSG(x.RSI(2), ErreurIndice, horsSélection);
    EXPECT_THROW_MSG(x.MMA(2), ErreurIndice, horsSélection);
    EXPECT_THROW_MSG(x.Intervalle(1, 4), ErreurIndice, horsSélection);
    EXPECT_EQ(x.MMA(5).Longueur(), 0);  // a failed guard reads nothing
    const Fonction texte = série({1.0f, "NO_EVAL", 3.0f});
    const char* const pasUnNombre = "Incompatibilité de type : \"NO_EVAL\" n'est pas un nombre";
    EXPECT_THROW_MSG(texte.RSI(1), ErreurConversion, pasUnNombre);
    EXPECT_THROW_MSG(texte.MMA(2), ErreurConversion, pasUnNombre);
    EXPECT_THROW_MSG(texte.Volatilité(1), ErreurConversion, pasUnNombre);
    EXPECT_THROW_MSG(série({3e38f, 3e38f, 1.0f}).MMA(2), ErreurConversion, "Dépassement de capacité");
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
