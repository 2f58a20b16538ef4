#include <gtest/gtest.h>

#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Catalogue.h"
#include "analysis/Reconnaissance.h"
#include "ReconnaissanceBougies.h"

namespace vantorelle::essais {
namespace {

/// Every test runs with and without the memo.
class ReconnaissanceInterface : public testing::TestWithParam<bool> {
protected:
    BourseCollection historiqueDe(const Bougies& bougies, int préambule = longueurPréambule) const {
        return historique(bougies, Marche::Neutre, "0,0625", GetParam(), préambule);
    }
};

INSTANTIATE_TEST_SUITE_P(Memo, ReconnaissanceInterface, testing::Values(true, false),
                         [](const auto& info) { return info.param ? "WithMemo" : "WithoutMemo"; });

TEST_P(ReconnaissanceInterface, NothingHoldsOutsideTheCandlesOrTheCatalogue) {
    const BourseCollection bourse = historiqueDe({grandNoir});
    const std::int32_t n = bourse.Nombre;
    ASSERT_TRUE(bourse.EstChandelier(n, 101));
    for (const std::int32_t i : {-1, 0, n + 1}) {
        EXPECT_FALSE(bourse.EstChandelier(i, 100)) << i;
        EXPECT_EQ(bourse.Chandelier(i), 400) << i;
    }
    for (const std::int32_t code : {0, 109, 110, 124, 211, 222, 223, 400, 1101})
        EXPECT_FALSE(bourse.EstChandelier(n, code)) << code;
}

TEST_P(ReconnaissanceInterface, TheFirstCandleHoldsOnlyOneCandleFigures) {
    // Trend off, so that every trend test holds; quiet candles after, so that the averages exist.
    const std::pair<Bougie, std::int32_t> cas[] = {{grandNoir, 112},
                                                  {grandBlanc, 212},
                                                  {{99.55f, 100.05f, 98.55f, 100}, 208},
                                                  {{99.25f, 100.75f, 99.2f, 99.25f}, 111},
                                                  {dojiCalme, 300}};
    for (const auto& [bougie, attendu] : cas) {
        Bougies bougies(10, dojiCalme);
        bougies.front() = bougie;
        const BourseCollection bourse = historique(bougies, Marche::SansTendance, "0,0625", GetParam(), 0);
        EXPECT_EQ(bourse.Chandelier(1), attendu);
        for (const std::int32_t code : ordreDesFigures) {
            if (Catalogue::trouve(code)->bougiesMin > 1) {
                EXPECT_FALSE(bourse.EstChandelier(1, code)) << code;
            }
        }
    }
}

TEST_P(ReconnaissanceInterface, TheThreeMethodsHoldFromCandleTwelve) {
    // The breakout at candle 11 looks for the long candle from candle 10, below 11 where nothing is found.
    EXPECT_EQ(historiqueDe(séquence("trois méthodes baissière"), 6).Chandelier(11), 101);
    EXPECT_EQ(historiqueDe(séquence("trois méthodes baissière"), 7).Chandelier(12), 125);
}

TEST_P(ReconnaissanceInterface, ChargeChandeliersFromAnIndex) {
    BourseCollection bourse = historiqueDe({grandBlanc, grandNoir, dojiCalme});
    const std::int32_t n = bourse.Nombre;
    bourse.ChargeChandeliers(17);
    ASSERT_EQ(bourse.Chandeliers.Longueur(), n);
    for (std::int32_t j = 1; j < 17; ++j) EXPECT_EQ(bourse.Chandeliers.Item(j), Valeur(std::int32_t{400})) << j;
    EXPECT_EQ(bourse.Chandeliers.Item(17), Valeur(std::int32_t{101}));
    EXPECT_EQ(bourse.Chandeliers.Item(18), Valeur(std::int32_t{300}));
    // Over values already held: from beyond the candles nothing changes, and values beyond Nombre stay.
    for (std::int32_t j = 1; j <= n + 3; ++j) bourse.Chandeliers.Item(j, std::int32_t{7});
    bourse.ChargeChandeliers(n + 1);
    for (std::int32_t j = 1; j <= n + 3; ++j) EXPECT_EQ(bourse.Chandeliers.Item(j), Valeur(std::int32_t{7})) << j;
    bourse.ChargeChandeliers(1);
    for (std::int32_t j = 1; j <= n; ++j) EXPECT_EQ(bourse.Chandeliers.Item(j), Valeur(bourse.Chandelier(j))) << j;
    EXPECT_EQ(bourse.Chandeliers.Item(1), Valeur(std::int32_t{300}));
    EXPECT_EQ(bourse.Chandeliers.Item(16), Valeur(std::int32_t{201}));
    EXPECT_EQ(bourse.Chandeliers.Item(n + 1), Valeur(std::int32_t{7}));
}

}  // namespace
}  // namespace vantorelle::essais
