#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Catalogue.h"
#include "analysis/Reconnaissance.h"
#include "ReconnaissanceBougies.h"

namespace vantorelle::essais {
namespace {

class ReconnaissanceInterface : public testing::TestWithParam<bool> {
protected:
    BourseCollection historiqueDe(const std::vector<Bougie>& bougies, int préambule = longueurPréambule) const {
        return historique(bougies, Marche::Neutre, "0,0625", GetParam(), préambule);
    }
};

INSTANTIATE_TEST_SUITE_P(Memo, ReconnaissanceInterface, testing::Values(true, false),
                         [](const auto& info) { return info.param ? "AvecMemo" : "SansMemo"; });

TEST(ReconnaissanceOrdre, SuitLesRangsDuHautVersLeBasHaussiereAvantBaissiere) {
    std::vector<std::int32_t> marche;
    for (std::int32_t n = 26; n >= 1; --n)
        for (const std::int32_t code : {200 + n, 100 + n})
            if (Catalogue::estFigure(code)) marche.push_back(code);
    for (const std::int32_t code : {303, 302, 301, 300, 200, 100}) marche.push_back(code);
    EXPECT_EQ(std::vector<std::int32_t>(ordreDesFigures.begin(), ordreDesFigures.end()), marche);

    std::vector<std::int32_t> catalogue;
    for (const Figure& figure : Catalogue::figures()) catalogue.push_back(figure.code);
    std::vector<std::int32_t> triés(ordreDesFigures.begin(), ordreDesFigures.end());
    std::sort(triés.begin(), triés.end());
    EXPECT_EQ(triés, catalogue);
}

TEST_P(ReconnaissanceInterface, HorsDesBougiesOuHorsDuCatalogueRienNeTient) {
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

TEST_P(ReconnaissanceInterface, LaPremiereBougieNePorteQuUneFigureDUneBougie) {
    struct CasPremière {
        Bougie bougie;
        std::int32_t attendu;
    };
    // Trend off, so that every trend test holds; quiet candles after, so that the averages exist.
    for (const CasPremière& cas : {CasPremière{grandNoir, 112}, CasPremière{grandBlanc, 212},
                                   CasPremière{{99.55f, 100.05f, 98.55f, 100}, 208},
                                   CasPremière{{99.25f, 100.75f, 99.2f, 99.25f}, 111},
                                   CasPremière{dojiCalme, 300}}) {
        std::vector<Bougie> bougies(10, dojiCalme);
        bougies.front() = cas.bougie;
        const BourseCollection bourse = historique(bougies, Marche::SansTendance, "0,0625", GetParam(), 0);
        EXPECT_EQ(bourse.Chandelier(1), cas.attendu);
        for (const std::int32_t code : ordreDesFigures) {
            if (Catalogue::trouve(code)->bougiesMin > 1) {
                EXPECT_FALSE(bourse.EstChandelier(1, code)) << code;
            }
        }
    }
}

TEST_P(ReconnaissanceInterface, TrouveLaPlusProcheEnRemontantDixBougiesAuPlus) {
    // Long black candles at 16 and 20 after the quiet preamble.
    const BourseCollection bourse = historiqueDe({grandNoir, dojiCalme, dojiCalme, dojiCalme, grandNoir});
    ASSERT_TRUE(bourse.EstChandelier(16, 101));
    ASSERT_TRUE(bourse.EstChandelier(20, 101));
    EXPECT_EQ(bourse.TrouveChandelier(20, 101), 20);
    EXPECT_EQ(bourse.TrouveChandelier(19, 101), 16);
    EXPECT_EQ(bourse.TrouveChandelier(26, 101), 0);  // beyond the candles
    EXPECT_EQ(bourse.TrouveChandelier(17, 201), 0);
    EXPECT_EQ(bourse.TrouveChandelier(20, 109), 0);
}

TEST_P(ReconnaissanceInterface, TrouveNeRegardeQueDixBougiesEnArriere) {
    std::vector<Bougie> bougies{grandNoir};
    bougies.insert(bougies.end(), 11, dojiCalme);
    const BourseCollection bourse = historiqueDe(bougies);
    EXPECT_EQ(bourse.TrouveChandelier(26, 101), 16);
    EXPECT_EQ(bourse.TrouveChandelier(27, 101), 0);
}

TEST_P(ReconnaissanceInterface, TrouveRendZeroAvantLaBougieOnze) {
    const BourseCollection bourse = historiqueDe({grandNoir, dojiCalme}, 9);
    ASSERT_TRUE(bourse.EstChandelier(10, 101));
    EXPECT_EQ(bourse.TrouveChandelier(10, 101), 0);
    EXPECT_EQ(bourse.TrouveChandelier(11, 101), 10);
}

TEST_P(ReconnaissanceInterface, LesTroisMethodesTiennentAPartirDeLaBougieDouze) {
    // The breakout at candle 11 looks for the long candle from candle 10, below 11: nothing found.
    const BourseCollection auOnze = historiqueDe(troisMéthodesBaissière, 6);
    EXPECT_EQ(auOnze.Chandelier(11), 101);
    const BourseCollection auDouze = historiqueDe(troisMéthodesBaissière, 7);
    EXPECT_EQ(auDouze.Chandelier(12), 125);
}

TEST_P(ReconnaissanceInterface, ChargeChandeliersDepuisUnIndice) {
    BourseCollection bourse = historiqueDe({grandBlanc, grandNoir, dojiCalme});
    bourse.ChargeChandeliers(17);
    ASSERT_EQ(bourse.Chandeliers.Longueur(), bourse.Nombre);
    for (std::int32_t j = 1; j < 17; ++j) EXPECT_EQ(bourse.Chandeliers.Item(j), Valeur(std::int32_t{400})) << j;
    EXPECT_EQ(bourse.Chandeliers.Item(17), Valeur(std::int32_t{101}));
    EXPECT_EQ(bourse.Chandeliers.Item(18), Valeur(std::int32_t{300}));
}

TEST_P(ReconnaissanceInterface, ChargeChandeliersDesLaPremiere) {
    BourseCollection bourse = historiqueDe({grandBlanc, grandNoir});
    bourse.ChargeChandeliers(1);
    for (std::int32_t j = 1; j <= bourse.Nombre; ++j)
        EXPECT_EQ(bourse.Chandeliers.Item(j), Valeur(bourse.Chandelier(j))) << j;
    EXPECT_EQ(bourse.Chandeliers.Item(1), Valeur(std::int32_t{300}));
}

TEST_P(ReconnaissanceInterface, ChargeChandeliersAuDelaDesBougiesNeChangeRien) {
    BourseCollection bourse = historiqueDe({grandBlanc});
    for (std::int32_t j = 1; j <= bourse.Nombre + 3; ++j) bourse.Chandeliers.Item(j, std::int32_t{7});
    bourse.ChargeChandeliers(bourse.Nombre + 1);
    for (std::int32_t j = 1; j <= bourse.Nombre + 3; ++j)
        EXPECT_EQ(bourse.Chandeliers.Item(j), Valeur(std::int32_t{7})) << j;
}

TEST_P(ReconnaissanceInterface, ChargeChandeliersLaisseLesValeursAuDelaDeNombre) {
    BourseCollection bourse = historiqueDe({grandBlanc});
    for (std::int32_t j = 1; j <= bourse.Nombre + 3; ++j) bourse.Chandeliers.Item(j, std::int32_t{7});
    bourse.ChargeChandeliers(1);
    EXPECT_EQ(bourse.Chandeliers.Item(bourse.Nombre), Valeur(std::int32_t{201}));
    EXPECT_EQ(bourse.Chandeliers.Item(bourse.Nombre + 1), Valeur(std::int32_t{7}));
}

}  // namespace
}  // namespace vantorelle::essais
