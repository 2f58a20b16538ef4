#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "analysis/BourseCollection.h"

namespace vantorelle {
namespace {

struct Bougie {
    float o, h, l, c;
};

const Bougie doji{10, 10.5f, 9.5f, 10};
const Bougie grandeNoire{10, 10, 8, 8.2f};
const Bougie grandeBlanche{10, 12, 10, 11.8f};
const Bougie grandeBlancheEnBaisse{7, 9.7f, 7, 9.5f};  // long and white, but closing below the doji
const Bougie blancheAuCorpsDe20{10, 12.5f, 9.5f, 12};
const Bougie petiteBlanche{12, 12.6f, 11.9f, 12.5f};  // a body well below the average of the two

/// A doji, then the figure candle holding the code (candle 2), then the candle that may confirm it; body
/// sizes averaged over 2 candles.
BourseCollection figureSuivieDe(const Bougie& figure, const Bougie& suivante, std::int32_t code) {
    BourseCollection bourse;
    for (const Bougie& b : {doji, figure, suivante}) bourse.Ajouter("20240102", b.o, b.h, b.l, b.c, Monnaie{});
    bourse.Options.Item(OptionsAnalyse::Période2, "2");
    bourse.CalculerTailles();
    for (std::int32_t i = 1; i <= 3; ++i) bourse.Chandeliers.Item(i, std::int32_t{400});
    bourse.Chandeliers.Item(2, code);
    return bourse;
}

// ---- ChandelierConfirmé ----

struct CasConfirmation {
    const char* nom;
    Bougie figure, suivante;
    std::int32_t code;
    std::optional<std::int16_t> tendance;  // trend code at the figure; none: the series holds no value there
    const char* avecTendance;
    bool confirmé;
};

class ConfirmationTest : public testing::TestWithParam<CasConfirmation> {};

TEST_P(ConfirmationTest, Figure) {
    const CasConfirmation& cas = GetParam();
    BourseCollection bourse = figureSuivieDe(cas.figure, cas.suivante, cas.code);
    bourse.Options.Item(OptionsAnalyse::AvecTendance, cas.avecTendance);
    if (cas.tendance) bourse.Tendance.Item(2, *cas.tendance);
    EXPECT_EQ(bourse.ChandelierConfirmé(2), cas.confirmé);
}

const CasConfirmation casConfirmation[] = {
    {"DojiHausseSuiviDUneGrandeNoire", doji, grandeNoire, 300, 2, "1", true},
    {"DojiHausseSuiviDUneGrandeBlanche", doji, grandeBlanche, 300, 2, "1", false},
    {"DojiBaisseSuiviDUneGrandeBlanche", doji, grandeBlanche, 300, 1, "1", true},
    {"DojiBaisseSuiviDUneGrandeNoire", doji, grandeNoire, 300, 1, "1", false},
    {"DojiSansTendanceNoire", doji, grandeNoire, 300, 0, "1", false},
    {"DojiSansTendanceBlanche", doji, grandeBlanche, 300, 0, "1", false},
    {"DojiSansValeurDeTendance", doji, grandeNoire, 300, std::nullopt, "0", false},
    // Neutral figures read the trend series even when the trend option is off.
    {"DojiHausseTendanceDesactivee", doji, grandeNoire, 301, 2, "0", true},
    {"HaussiereSuivieDUneGrandeBlanche", doji, grandeBlanche, 208, 0, "1", true},
    {"HaussiereSuivieDUneGrandeNoire", doji, grandeNoire, 208, 1, "1", false},
    {"HaussiereClotureEnBaisse", doji, grandeBlancheEnBaisse, 208, 1, "1", false},
    {"HaussierePetiteBougieSuivante", blancheAuCorpsDe20, petiteBlanche, 201, 1, "1", false},
    {"BaissiereSuivieDUneGrandeNoire", doji, grandeNoire, 108, 0, "1", true},
    {"BaissiereSuivieDUneGrandeBlanche", doji, grandeBlanche, 108, 2, "1", false},
    {"BougieBlancheCommeFigureHaussiere", doji, grandeBlanche, 200, std::nullopt, "1", true},
    {"AucuneFigure", doji, grandeBlanche, 400, 1, "1", false},
};

INSTANTIATE_TEST_SUITE_P(Cas, ConfirmationTest, testing::ValuesIn(casConfirmation),
                         [](const auto& info) { return info.param.nom; });

TEST(Confirmation, LaDernièreBougieNEstJamaisConfirmée) {
    BourseCollection bourse = figureSuivieDe(doji, grandeBlanche, 200);
    bourse.Chandeliers.Item(3, std::int32_t{201});
    EXPECT_TRUE(bourse.ChandelierConfirmé(2));
    EXPECT_FALSE(bourse.ChandelierConfirmé(3));
    EXPECT_FALSE(bourse.ChandelierConfirmé(0));
}

// ---- TendanceValide ----

struct CasTendanceValide {
    const char* nom;
    const char* avecTendance;
    std::optional<std::int16_t> tendance;
    std::int16_t attendue;
    bool valide;
};

class TendanceValideTest : public testing::TestWithParam<CasTendanceValide> {};

TEST_P(TendanceValideTest, Bougie) {
    const CasTendanceValide& cas = GetParam();
    BourseCollection bourse;
    bourse.Ajouter("20240102", 10, 11, 9, 10, Monnaie{});
    bourse.Options.Item(OptionsAnalyse::AvecTendance, cas.avecTendance);
    if (cas.tendance) bourse.Tendance.Item(1, *cas.tendance);
    EXPECT_EQ(bourse.TendanceValide(1, cas.attendue), cas.valide);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, TendanceValideTest,
    testing::Values(CasTendanceValide{"HausseAttendueTrouvee", "1", 2, 2, true},
                    CasTendanceValide{"HausseAttendueBaisseTrouvee", "1", 1, 2, false},
                    CasTendanceValide{"BaisseAttendueTrouvee", "1", 1, 1, true},
                    CasTendanceValide{"BaisseAttendueSansTendance", "1", 0, 1, false},
                    CasTendanceValide{"SansValeurDeTendance", "1", std::nullopt, 2, false},
                    CasTendanceValide{"TendanceDesactivee", "0", 1, 2, true},
                    CasTendanceValide{"TendanceDesactiveeSansValeur", "0", std::nullopt, 1, true}),
    [](const auto& info) { return info.param.nom; });

// ---- ChargePondération ----

TEST(Pondération, PoidsDeChaqueCode) {
    struct Poids {
        std::int16_t poids;
        std::vector<std::int32_t> codes;
    };
    const Poids table[] = {
        {4, {111, 115, 116, 118, 119, 120, 121, 122, 123, 125, 126, 215, 216, 218, 219, 220, 221, 224, 225, 226, 303}},
        {3, {104, 106, 112, 113, 114, 204, 206, 212, 213, 214, 301, 302}},
        {2, {103, 105, 107, 108, 117, 203, 205, 207, 208, 209, 210, 217}},
        {1, {101, 102, 201, 202, 300}},
        {0, {100, 200, 400, 109, 124, 211, 222, 223, 0, 99, 500}},
    };
    BourseCollection bourse;
    std::vector<std::int16_t> attendus;
    for (const Poids& ligne : table)
        for (std::int32_t code : ligne.codes) {
            bourse.Ajouter("20240102", 10, 11, 9, 10, Monnaie{});
            bourse.Chandeliers.Item(bourse.Nombre, code);
            attendus.push_back(ligne.poids);
        }
    bourse.ChargePondération();
    ASSERT_EQ(bourse.Pondération.Longueur(), bourse.Nombre);
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i)
        EXPECT_EQ(bourse.Pondération.Item(i), Valeur(attendus[static_cast<std::size_t>(i) - 1]))
            << "code " << bourse.Chandeliers.Item(i).texte();
}

TEST(Pondération, CodesComparésCommeDesNombres) {
    BourseCollection bourse;
    const Valeur codes[] = {111.0, "213", 111.5, Valeur()};
    for (const Valeur& code : codes) {
        bourse.Ajouter("20240102", 10, 11, 9, 10, Monnaie{});
        bourse.Chandeliers.Item(bourse.Nombre, code);
    }
    bourse.ChargePondération();
    const std::int16_t attendus[] = {4, 3, 0, 0};
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i)
        EXPECT_EQ(bourse.Pondération.Item(i), Valeur(attendus[i - 1])) << i;
}

TEST(Pondération, RienSansBougie) {
    BourseCollection bourse;
    bourse.ChargePondération();
    EXPECT_EQ(bourse.Pondération.Longueur(), 0);
}

}  // namespace
}  // namespace vantorelle
