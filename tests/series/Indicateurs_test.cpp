#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "OutilsSeries.h"
#include "series/Arithmetique.h"
#include "series/Colonne.h"
#include "series/MoyenneMobile.h"
#include "series/TendanceEtMoyenne.h"
#include "store/Erreur.h"
#include "support/Erreurs.h"

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

const std::vector<Valeur> mélange = {1.5f, Valeur(), "NO_EVAL", Monnaie{30000}, std::int16_t{5}};

const Cas cas[] = {
    // RSI
    {"HandComputed", {1.0f, 2.0f, 3.0f, 2.0f}, IND(RSI(2)), "", simples({0, 0, 0, 42.86f})},
    {"EmptyValuesCountAsZero", {Valeur(), 2.0f, Valeur(), std::int16_t{1}}, IND(RSI(2)), "",
     simples({0, 0, 33.33f, 60})},
    {"PeriodEqualToLengthGivesNothing", premières(14), IND(RSI(14)), "", {}},
    {"Period5", premières(8), IND(RSI(5)), "", simples({0, 0, 54.55f, 75.46f, 84.42f, 64.73f, 45.03f, 32.62f})},
    {"ZeroPeriod", premières(5), IND(RSI(0)), "", {}},
    // ROC
    {"ZeroBaseGives100", {10.0f, 0.0f, 5.0f}, IND(ROC(1)), "ROC1", simples({0, 0, 100})},
    // 100 × 1003 / 800 = 125.375 exactly, whose even neighbour is 125.38
    {"MultipliesBeforeDividing", {800.0f, 1003.0f}, IND(ROC(1)), "ROC1", simples({0, 125.38f})},
    {"PeriodEqualToLength", premières(3), IND(ROC(3)), "ROC3", {}},
    // Momentum
    {"Doubling", {1.0f, 2.0f, 4.0f, 8.0f}, IND(Momentum(2)), "Momentum2", simples({0, 0, 3, 6})},
    // MMA
    {"FixedDivisor", {3.0f, 6.0f, 9.0f, 12.0f}, IND(MMA(3)), "MMA3", simples({1, 3, 6, 9})},
    {"PeriodEqualToLength", premières(4), IND(MMA(4)), "MMA4", {}},
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
    {"Periods3And5", premières(8), IND(MACD(3, 5)), "MACD3-5",
     simples({1.4f, 2.84f, 4.25f, 2.21f, 0.1f, 0.13f, 0.09f, -0.14f})},
    {"EqualPeriodsGiveZeros", {1.0f, 2.0f, 3.0f, 4.0f}, IND(MACD(3, 3)), "MACD3-3", simples({0, 0, 0, 0})},
    {"SeriesNoLongerThanTheLongPeriod", premières(5), IND(MACD(3, 5)), "MACD3-5", {}},
    // Volatilité
    {"RiseAndFallThatUndoesIt", {100.0f, 110.0f, 100.0f}, IND(Volatilité(5)), "Volatilité5", simples({0, 10, -10})},
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
        const Fonction r = c.indicateur(série(c.entrée));
        EXPECT_EQ(r.Nom(), c.nom) << c.description;
        EXPECT_EQ(valeursDe(r), c.attendu) << c.description;
    }
    // An unchanged value gives a positive zero.
    EXPECT_FALSE(std::signbit(std::get<float>(série(simples({5, 5})).Volatilité(1).Item(2).contenu())));
}

TEST(Indicators, UnreadableValuesStopTheIndicator) {
    Fonction x = série(simples({1, 2, 3, 4, 5}));
    x.Allouer(2);  // Longueur stays 5
    EXPECT_THROW_MSG(x.MMA(2), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    EXPECT_THROW_MSG(x.Intervalle(1, 4), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    EXPECT_THROW_MSG(série({1.0f, "NO_EVAL", 3.0f}).Volatilité(1), ErreurConversion,
                     "Incompatibilité de type : \"NO_EVAL\" n'est pas un nombre");
    EXPECT_THROW_MSG(série({3e38f, 3e38f, 1.0f}).MMA(2), ErreurConversion, "Dépassement de capacité");
}

/// A random series: singles (0), doubles (1), singles so large that long sums leave the block path (2), or
/// some currency (3).
Fonction sérieAuHasard(std::mt19937& aléa, int taille, int sorte) {
    std::uniform_real_distribution<double> u(-50.0, 400.0);
    Fonction f;
    for (int i = 0; i < taille; ++i) {
        if (sorte == 2 && i % 9 == 4) f.Ajouter(3.0e37f);
        else if (sorte == 3 && i % 5 == 1) f.Ajouter(Monnaie{static_cast<std::int64_t>(aléa() % 10'000'000)});
        else if (sorte == 1) f.Ajouter(u(aléa));
        else f.Ajouter(static_cast<float>(u(aléa)));
    }
    return f;
}

/// Each window summed value by value from i downwards in single, divided in single, rounded with Round2.
std::vector<float> moyennesSimples(const Fonction& f, std::int16_t n) {
    std::vector<float> moyennes;
    for (std::int32_t i = 1; i <= f.Longueur(); ++i) {
        float s = 0.0f;
        for (std::int32_t j = i; j >= 1 && i - j < n; --j) s = sommeSimple(s, f.Item(j));
        moyennes.push_back(Round2(static_cast<float>(static_cast<double>(s) / n)));
    }
    return moyennes;
}

// Whichever way the sums are taken (blocks of singles or of doubles, value by value), both averages of one pass
// are the plain ones, and the trend and the average taken together are those taken apart.
TEST(MovingAverages, AsThePlainSums) {
    std::mt19937 aléa(11);
    for (int sorte = 0; sorte < 4; ++sorte) {
        for (const int taille : {1, 5, 40, 300}) {
            const Fonction f = sérieAuHasard(aléa, taille, sorte);
            const Colonne x(f);
            for (const std::int16_t n : {1, 2, 9, 16, 17, 40}) {
                EXPECT_EQ(moyennesMobiles(x, n), moyennesSimples(f, n)) << sorte << " " << taille << " " << n;
                for (const std::int16_t m : {std::int16_t{1}, static_cast<std::int16_t>((n + 1) / 2), n}) {
                    const MoyennesMobiles ensemble = moyennesMobiles(x, n, m);
                    EXPECT_EQ(ensemble.longue, moyennesSimples(f, n)) << sorte << " " << taille << " " << n;
                    EXPECT_EQ(ensemble.courte, moyennesSimples(f, m)) << sorte << " " << taille << " " << m;
                }
            }
            for (const std::int16_t n : {0, 1, 2, 3, 14}) {
                const TendanceEtMoyenne ensemble = tendanceEtMoyenne(f, n);
                const Fonction tendance = f.Tendance(n), moyenne = f.MMA(n);
                // The texts hold the names and every value.
                EXPECT_EQ(ensemble.tendance.Nom() + ensemble.tendance.ToString(), tendance.Nom() + tendance.ToString());
                EXPECT_EQ(ensemble.moyenne.Nom() + ensemble.moyenne.ToString(), moyenne.Nom() + moyenne.ToString());
            }
        }
    }
}

}  // namespace
}  // namespace vantorelle
