#include <gtest/gtest.h>

#include "analysis/Jour.h"

namespace vantorelle {
namespace {

TEST(JourTest, CalendrierEtArithmétique) {
    struct Cas {
        Jour jour;
        int jourDeLaSemaine;  // 0 Sunday
        int quantième;
    };
    const Cas cas[] = {
        {Jour::de(1970, 1, 1), 4, 1},    {Jour::de(2000, 1, 1), 6, 1},    {Jour::de(2000, 12, 31), 0, 366},
        {Jour::de(2024, 3, 1), 5, 61},   {Jour::de(2023, 3, 1), 3, 60},   {Jour::de(1900, 1, 1), 1, 1},
        {Jour::de(2028, 12, 31), 0, 366}, {Jour(), 6, 364},  // the zero date is Saturday 30 December 1899
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(c.jour.jourDeLaSemaine(), c.jourDeLaSemaine) << c.jour.texte();
        EXPECT_EQ(c.jour.quantième(), c.quantième) << c.jour.texte();
    }
    EXPECT_EQ(Jour::de(2024, 2, 28).plus(1), Jour::de(2024, 2, 29));
    EXPECT_EQ(Jour::de(2024, 2, 29).plus(1), Jour::de(2024, 3, 1));
    EXPECT_EQ(Jour::de(2000, 1, 1).plus(-1), Jour::de(1999, 12, 31));
    EXPECT_EQ(Jour::de(2024, 1, 15).plus(-730), Jour::de(2022, 1, 15));
    EXPECT_EQ(Jour::de(1970, 1, 1).numéro(), 0);
    EXPECT_EQ(Jour::de(2024, 2, 30), Jour());
    EXPECT_EQ(Jour::de(2024, 1, 5).texte(), "20240105");
    EXPECT_EQ(Jour::de(812, 7, 4).texte(), "08120704");
    EXPECT_LT(Jour(), Jour::de(1, 1, 1));
    EXPECT_LT(Jour::de(2023, 12, 31), Jour::de(2024, 1, 1));
}

}  // namespace
}  // namespace vantorelle
