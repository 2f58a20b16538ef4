#include "store/Arrondi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "store/Erreur.h"

namespace vantorelle {
namespace {

struct CasDouble {
    double entrée;
    double attendu;
};

TEST(ArrondiPair, HalvesGoToTheEvenNeighbour) {
    const CasDouble cas[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},     {3.5, 4},       {-0.5, 0},  {-1.5, -2},
                             {-2.5, -2}, {3.49, 3},  {3.51, 4},    {-3.51, -4},    {7, 7},     {0.49999999999999994, 0},
                             {4503599627370495.5, 4503599627370496}, {1e300, 1e300}};
    for (const auto& c : cas) EXPECT_EQ(arrondiPair(c.entrée), c.attendu) << c.entrée;
}

struct CasRound2 {
    double entrée;
    float attendu;
};

TEST(Round2, RoundsTheHundredfoldDoubleHalvesToEven) {
    const CasRound2 cas[] = {
        {1.115, 1.12f},   // 1.115 × 100 is exactly 111.5 in double
        {0.125, 0.12f},
        {0.875, 0.88f},
        {2.675, 2.68f},
        {1.005, 1.0f},    // 100.49999999999999
        {0.015, 0.02f},
        {0.025, 0.02f},
        {0.035, 0.04f},   // 3.5000000000000004
        {0.045, 0.04f},
        {12.345, 12.34f},
        {0.285, 0.28f},   // 28.499999999999996
        {1.255, 1.25f},
        {8.325, 8.32f},
        {-1.115, -1.12f},
        {-0.125, -0.12f},
        {-0.004, 0.0f},
        {100, 100.0f},
        {1e-9, 0.0f},
        {static_cast<double>(1.115f), 1.12f},  // the single's own value lies above the half
        {static_cast<double>(2.675f), 2.67f},  // and this one below it
        {123456.785, 123456.78f},  // 12345678.5: the even neighbour is below
    };
    for (const auto& c : cas) EXPECT_EQ(Round2(c.entrée), c.attendu) << c.entrée;
}

TEST(Round2, BeyondTheSingleRangeIsAnOverflow) {
    EXPECT_THROW(
        {
            try {
                Round2(1e300);
            } catch (const ErreurConversion& e) {
                EXPECT_STREQ(e.what(), "Dépassement de capacité");
                throw;
            }
        },
        ErreurConversion);
    EXPECT_THROW(Round2(-1e39), ErreurConversion);
    EXPECT_EQ(Round2(3e38), static_cast<float>(3e38));
}

TEST(Round3, RoundsToThousandthsHalvesToEvenInDouble) {
    const CasDouble cas[] = {{1.2345, 1.234}, {0.0005, 0.0},  {0.0015, 0.002},  {2.5, 2.5},
                             {1.0005, 1.0},   {3.1415, 3.142}, {-3.1415, -3.142}, {12.3456789, 12.346},
                             {0.000499, 0.0}, {1234567.891, 1234567.891}};
    for (const auto& c : cas) EXPECT_EQ(Round3(c.entrée), c.attendu) << c.entrée;
}

TEST(VersSimple, RoundsToNearestAndOverflowsBeyondTheRange) {
    EXPECT_EQ(versSimple(0.1), 0.1f);
    EXPECT_EQ(versSimple(-2.5), -2.5f);
    EXPECT_EQ(versSimple(std::numeric_limits<float>::max()), std::numeric_limits<float>::max());
    EXPECT_THROW(versSimple(1e39), ErreurConversion);
    EXPECT_THROW(versSimple(-1e39), ErreurConversion);
    EXPECT_TRUE(std::isinf(versSimple(std::numeric_limits<double>::infinity())));
}

}  // namespace
}  // namespace vantorelle
