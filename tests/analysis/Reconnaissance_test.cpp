#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Catalogue.h"
#include "analysis/Reconnaissance.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle::essais {
namespace {

struct Bougie {
    float o, h, l, c;
};
using Bougies = std::vector<Bougie>;

/// How the trend stands at the candles of a case.
enum class Marche {
    Neutre,         // trend option on, trend code 0
    Baisse,         // trend option on, trend code 1
    Hausse,         // trend option on, trend code 2
    SansTendance,   // trend option off, the trend series never computed
    SansMaisHausse  // trend option off, the trend series holding 2 all the same
};

/// The options as the scan writes them: texts, the trend flag as "1" or "0".
void réglerOptions(BourseCollection& bourse, bool avecTendance, const std::string& tolérance,
                          const std::string& tailleMarubozu = "1", const std::string& période2 = "9") {
    bourse.Options.Clear();
    bourse.Options.Add(OptionsAnalyse::AvecTendance, avecTendance ? "1" : "0");
    bourse.Options.Add(OptionsAnalyse::Période, "14");
    bourse.Options.Add(OptionsAnalyse::Période2, période2);
    bourse.Options.Add(OptionsAnalyse::TailleMarubozu, tailleMarubozu);
    bourse.Options.Add(OptionsAnalyse::Tolérance, tolérance);
}

/// Quiet candles before a case: dojis of a 1 % range, which keep the body average at 0 and are no part of
/// the figures tested after them.
constexpr int longueurPréambule = 15;
constexpr Bougie dojiCalme{100, 100.5f, 99.5f, 100};

/// The preamble then the candles of the case; the trend code of the case at every candle after the preamble.
BourseCollection historique(const Bougies& bougies, Marche marche, const std::string& tolérance = "0,0625",
                                   bool mémo = true, int préambule = longueurPréambule) {
    BourseCollection bourse;
    bourse.AvecMémo(mémo);
    réglerOptions(bourse, marche != Marche::SansTendance && marche != Marche::SansMaisHausse, tolérance);
    Bougies toutes(static_cast<std::size_t>(préambule), dojiCalme);
    toutes.insert(toutes.end(), bougies.begin(), bougies.end());
    for (std::size_t k = 0; k < toutes.size(); ++k)
        bourse.Ajouter("2024" + std::to_string(1000 + k), toutes[k].o, toutes[k].h, toutes[k].l, toutes[k].c,
                       Monnaie{});
    bourse.CalculerTailles();
    if (marche != Marche::SansTendance) {
        const std::int16_t code = marche == Marche::Baisse ? 1 : marche == Marche::Neutre ? 0 : 2;
        for (std::int32_t i = 1; i <= bourse.Nombre; ++i)
            bourse.Tendance.Item(i, static_cast<std::int16_t>(i > préambule ? code : 0));
    }
    return bourse;
}

constexpr Bougie grandBlanc{100, 105.2f, 99.8f, 105};  // body 5 of a 5.4 range
constexpr Bougie grandNoir{105, 105.2f, 99.8f, 100};

/// The figures expected at the last candle of a sequence, written "H107 S208+107 B209+207@0": for each trend
/// situation (N neutral, B falling, H rising, S the option off, X the option off but the series rising), the
/// figure the priority order gives, after '+' the simpler figures that hold there too, after '@' a tolerance.
struct Attendu {
    Marche marche;
    std::int32_t code;
    std::vector<std::int32_t> aussi;
    std::string tolérance = "0,0625";
};

std::vector<Attendu> attendus(const std::string& texte) {
    std::vector<Attendu> résultat;
    std::istringstream mots(texte);
    for (std::string mot; mots >> mot;) {
        Attendu& a = résultat.emplace_back(Attendu{static_cast<Marche>(std::string_view("NBHSX").find(mot[0])), 0, {}});
        if (const auto arobase = mot.find('@'); arobase != std::string::npos) {
            a.tolérance = mot.substr(arobase + 1);
            mot.resize(arobase);
        }
        std::istringstream codes(mot.substr(1));
        codes >> a.code;
        char plus;
        for (std::int32_t code; codes >> plus >> code;) a.aussi.push_back(code);
    }
    return résultat;
}

/// A hand-built sequence, to follow the preamble; each figure ends on its last candle.
struct Séquence {
    const char* nom;
    Bougies bougies;
    std::string attendus;
};

/// Eight closes each higher than the one before, the first above the preamble's close unless given lower.
Bougies hausses(float premièreClôture) {
    Bougies bougies;
    for (int k = 1; k <= 8; ++k) {
        const float c = 100 + 0.5f * static_cast<float>(k);
        bougies.push_back({c - 0.3f, c + 0.2f, c - 0.5f, k == 1 ? premièreClôture : c});
    }
    return bougies;
}

const std::vector<Séquence> séquences = {
    // ---- Plain and long candles ----
    {"noire", {grandBlanc, {106, 107, 105.1f, 105.6f}}, "N100 S100"},
    {"blanche", {{100, 101, 94.8f, 95}, {94, 94.9f, 93, 94.5f}}, "N200 S200"},
    {"grand noir", {{100, 101, 94.8f, 95}}, "N101+100 S101+100"},
    {"grand blanc", {{100, 105.2f, 99, 105}}, "N201+200 S201+200"},
    // A big body, but less than half the range: that test applies with the trend option only.
    {"grande ombre", {{100, 103, 93, 98.5f}}, "N100 S101"},
    {"doji", {{100, 100.9f, 99.3f, 100}}, "N300 S300"},
    {"doji longues jambes", {{100, 101, 97, 100}}, "N301+300"},
    {"doji porteur d'eau", {{100, 101.9f, 97.9f, 100}}, "N302+301+300 S302+301+300"},
    {"sans étendue", {{100, 100, 100, 100}}, "H400"},
    // ---- One-candle shapes ----
    // Body 0.3 of the range, no upper shadow; without the trend the hammer ranks before the hanging man.
    {"marteau", {{99.55f, 100.05f, 98.55f, 100}}, "H107 B208 S208+107 N200"},
    {"marteau au tiers exact", {{99, 100, 97, 100}}, "B208"},  // body 1 of a range of 3
    // Body under a quarter of the range.
    {"marteau takuri", {{99.7f, 100.05f, 98.5f, 100}}, "B210+208 S210+208+107 H107"},
    // Body 0.3 of the range, no lower shadow.
    {"marteau inversé", {{99.7f, 100.7f, 99.2f, 99.25f}}, "H108 B207 S108+207"},
    {"takuri inversé", {{99.55f, 100.75f, 99.2f, 99.25f}}, "B209+207 S209+108+207 H108"},
    {"doji pierre tombale", {{99.25f, 100.75f, 99.2f, 99.25f}}, "H111+108+300 S111+209+108 B209+207+300 N300"},
    {"doji sans tête", {{100, 100, 98.5f, 100}}, "H107+300"},
    {"passant noir", {{100, 100.05f, 94.8f, 95}}, "H112+101 S112+101 B101"},
    {"passant blanc", {{95, 101.2f, 94.95f, 100}}, "B212+201 S212+201 H201"},
    // ---- Two-candle figures ----
    {"harami baissier", {grandBlanc, {103, 104, 101, 102}}, "H102+100 S102+101 B100"},
    {"harami baissier en croix", {grandBlanc, {102.5f, 103.5f, 101.5f, 102.5f}}, "H104+102+300 S104+102 N300"},
    {"harami haussier", {grandNoir, {102, 104, 101, 103}}, "B202+200 S202+201"},
    {"harami haussier en croix", {grandNoir, {102.5f, 103.5f, 101.5f, 102.5f}}, "B204+202+300 S204+202"},
    {"gap descendant", {{99, 99.3f, 98, 98.5f}}, "B105 S105 H100"},
    {"gap ascendant", {{101, 102, 100.7f, 101.5f}}, "H205 S205"},
    {"séparation baissière", {grandBlanc, {99.5f, 100, 94.3f, 94.5f}}, "B106+101 S106+101"},
    {"séparation haussière", {grandNoir, {105.5f, 110.8f, 105, 110.5f}}, "H206+201 S206+201"},
    {"nuage noir", {grandBlanc, {106, 106.5f, 101.5f, 102}}, "H113+101 S113+101"},
    {"pénétrante", {grandNoir, {99, 103.5f, 98.5f, 103}}, "B213+201 S213+201"},
    // The middle of the previous body taken in single precision: in double the comparison would fail.
    {"nuage noir au milieu exact", {{99.9f, 105.5f, 99.7f, 105.3f}, {106, 106.5f, 102.4f, 102.600006f}}, "H113+101"},
    {"pénétrante au milieu exact", {{105.3f, 105.5f, 99.9f, 100.1f}, {99.5f, 103.2f, 99, 102.69999695f}}, "B213+201"},
    // The second candle of an engulfing is a long one too: the engulfing ranks first.
    {"avalement baissier", {{101, 102, 100.6f, 101.5f}, {102, 102.5f, 97.5f, 98}}, "H114+101 S114+113+101"},
    {"avalement haussier", {{101.5f, 102, 100.6f, 101}, {98, 102.5f, 97.5f, 102}}, "B214+201 S214+213+201"},
    {"étoile doji baissière", {grandBlanc, {106, 107, 105.5f, 106}}, "H117+205+300 S117+205"},
    {"étoile doji haussière", {grandNoir, {99, 99.8f, 98.5f, 99}}, "B217+300 S217"},
    // ---- Tweezers: a higher high, or a lower low, between the two breaks them ----
    {"sommet en pinces", {{101, 103, 100.8f, 102.5f}, {102.5f, 102.8f, 101.5f, 102}, {102, 103.02f, 101, 101.5f}},
     "H103+100 S103+101 B100"},
    {"sommet dépassé", {{101, 103, 100.8f, 102.5f}, {102.5f, 103.5f, 101.5f, 102}, {102, 103.02f, 101, 101.5f}},
     "H100"},
    {"creux en pinces", {{102.5f, 102.7f, 100, 101}, {101, 102, 100.7f, 101.5f}, {101.5f, 102.5f, 99.98f, 102}},
     "B203+200 S203+201"},
    {"creux percé", {{102.5f, 102.7f, 100, 101}, {101, 102, 99.9f, 101.5f}, {101.5f, 102.5f, 99.98f, 102}}, "B200"},
    // ---- Three-candle figures ----
    {"étoile du soir", {grandBlanc, {106, 107, 105.7f, 106.4f}, {106.2f, 106.5f, 100.8f, 101}},
     "H118+101 S118+101 N101"},
    {"étoile doji du soir", {grandBlanc, {106, 107, 105.7f, 106}, {105.8f, 106.5f, 100.6f, 100.8f}},
     "H119+118+101@0 H101"},
    {"bébé abandonné du soir", {grandBlanc, {106, 107, 105.7f, 106}, {105.5f, 105.6f, 100.6f, 100.8f}},
     "H120+119+118@0 S120+119+118@0 H112"},
    {"étoile du matin", {grandNoir, {99, 99.3f, 98, 98.6f}, {98.8f, 104.2f, 98.5f, 104}}, "B218+201 S218+201"},
    {"étoile doji du matin", {grandNoir, {99, 99.3f, 98, 99}, {99.2f, 104.4f, 99.1f, 104.2f}}, "B219+218+201@0 B212"},
    {"bébé abandonné du matin", {grandNoir, {99, 99.3f, 98, 99}, {99.5f, 104.7f, 99.4f, 104.5f}},
     "B220+219+218@0 B212"},
    {"trois corbeaux", {{106, 106.5f, 102.98f, 103}, {104, 104.4f, 100.98f, 101}, {102, 102.3f, 98.99f, 99}},
     "H121+101 S121 B101"},
    {"trois soldats", {{100, 103.02f, 99.5f, 103}, {102, 105.01f, 101.5f, 105}, {104, 107.01f, 103.5f, 107}},
     "N221+201 S221"},
    {"deux corbeaux", {grandBlanc, {107, 107.5f, 106.2f, 106.5f}, {107.5f, 107.8f, 105.7f, 106}}, "H122+101 S122"},
    {"côte à côte en baisse", {grandNoir, {97, 97.7f, 96.8f, 97.5f}, {97.02f, 97.7f, 96.8f, 97.52f}}, "B115+200 S115"},
    {"côte à côte en hausse", {grandBlanc, {106, 106.7f, 105.8f, 106.5f}, {106.02f, 106.7f, 105.8f, 106.52f}},
     "H215+200 S215"},
    {"tasuki en baisse", {grandNoir, {97.5f, 97.7f, 96.8f, 97}, {97.3f, 98, 97.1f, 97.8f}}, "B116+200 S116"},
    {"tasuki en hausse", {grandBlanc, {106, 106.7f, 105.8f, 106.5f}, {106.3f, 106.5f, 105.6f, 105.8f}},
     "H216+100 S216"},
    // ---- Longer figures ----
    {"huit nouveaux hauts", hausses(100.5f), "H123+200 S123"},
    {"sept nouveaux hauts", hausses(99.9f), "H200"},
    {"structure en dessous de plat", {grandBlanc, {107, 107.3f, 106.2f, 106.5f}, {106.5f, 106.8f, 105.7f, 106},
                                  {106, 106.3f, 105.2f, 105.5f}, {106.1f, 106.8f, 105.9f, 106.6f}},
     "N224+200 S224+103"},
    {"trois méthodes baissière", {grandNoir, {101, 102, 100.5f, 101.4f}, {101.5f, 102.3f, 101.2f, 101.9f},
                              {102, 102.8f, 101.7f, 102.4f}, {102.5f, 102.7f, 97.3f, 97.5f}},
     "N125+101 S125 H125+112"},
    // The second small candle reaches above the long black one.
    {"trois méthodes sorties du cadre", {grandNoir, {101, 102, 100.5f, 101.4f}, {101.5f, 105.3f, 101.2f, 101.9f},
                                     {102, 102.8f, 101.7f, 102.4f}, {102.5f, 102.7f, 97.3f, 97.5f}},
     "N101"},
    {"trois méthodes haussière", {grandBlanc, {104, 104.5f, 103, 103.6f}, {103.5f, 104, 102.6f, 103.1f},
                              {103, 103.4f, 102.2f, 102.6f}, {102.5f, 108.2f, 102.3f, 108}},
     "N225+201 S225"},
    {"sommet en tours", {grandBlanc, {105.5f, 106, 105.2f, 105.8f}, {105.8f, 106.2f, 105.4f, 106},
                     {106, 106.3f, 105.3f, 105.6f}, {105, 105.1f, 99.7f, 100}},
     "H126+101 S126 N101"},
    {"creux en tours", {grandNoir, {99.5f, 99.9f, 99.1f, 99.2f}, {99.2f, 99.6f, 98.8f, 99.4f},
                    {99.4f, 99.8f, 99, 99.1f}, {100, 105.3f, 99.9f, 105.1f}},
     "B226+201 S226 N201"},
    // Three long-legged dojis with equal highs and lows among candles that are not collected; the long white
    // Candle between reaches higher and lower, so no tweezers. The trend series is read whatever the option.
    {"hautes vagues", {{100, 104, 96, 100}, {97, 104.5f, 95.5f, 103.5f}, {100, 104, 96, 100},
                   {101, 101.5f, 100.5f, 101.2f}, {100, 104.02f, 96, 100}},
     "H303+300 B303+300 N300 S300 X303"},
    // The same at a tenth of the prices: ranges below 1 count as well.
    {"hautes vagues à dix", {{10, 10.4f, 9.6f, 10}, {9.7f, 10.45f, 9.55f, 10.35f}, {10, 10.4f, 9.6f, 10},
                         {10.1f, 10.15f, 10.05f, 10.12f}, {10, 10.402f, 9.6f, 10}},
     "H303+300"},
};

/// The candles of the sequence of that name.
const Bougies& séquence(std::string_view nom) {
    for (const Séquence& s : séquences)
        if (s.nom == nom) return s.bougies;
    throw std::invalid_argument(std::string(nom));
}

TEST(ReconnaissanceFigures, EachSequenceUnderEachTrend) {
    for (const Séquence& s : séquences)
        for (const Attendu& a : attendus(s.attendus))
            for (const bool mémo : {true, false}) {
                SCOPED_TRACE(testing::Message() << s.nom << ": " << s.attendus << ", trend " << static_cast<int>(a.marche)
                                                << ", code " << a.code << (mémo ? ", memo" : ""));
                const BourseCollection bourse = historique(s.bougies, a.marche, a.tolérance, mémo);
                const std::int32_t i = bourse.Nombre;
                EXPECT_EQ(bourse.Chandelier(i), a.code);
                EXPECT_EQ(bourse.EstChandelier(i, a.code), a.code != 400);
                for (const std::int32_t code : a.aussi) EXPECT_TRUE(bourse.EstChandelier(i, code)) << code;
            }
}

/// Every test runs with and without the memo.
class ReconnaissanceInterface : public testing::TestWithParam<bool> {
protected:
    BourseCollection historiqueDe(const Bougies& bougies, int préambule = longueurPréambule) const {
        return historique(bougies, Marche::Neutre, "0,0625", GetParam(), préambule);
    }
};

INSTANTIATE_TEST_SUITE_P(Memo, ReconnaissanceInterface, testing::Values(true, false),
                         [](const auto& info) { return info.param ? "WithMemo" : "WithoutMemo"; });

TEST_P(ReconnaissanceInterface, TheEdgesOfTheCandlesAndOfTheCatalogue) {
    // Nothing holds outside the candles or the catalogue.
    const BourseCollection bourse = historiqueDe({grandNoir});
    const std::int32_t n = bourse.Nombre;
    ASSERT_TRUE(bourse.EstChandelier(n, 101));
    for (const std::int32_t i : {-1, 0, n + 1}) {
        EXPECT_FALSE(bourse.EstChandelier(i, 100)) << i;
        EXPECT_EQ(bourse.Chandelier(i), 400) << i;
    }
    for (const std::int32_t code : {0, 109, 110, 124, 211, 222, 223, 400, 1101})
        EXPECT_FALSE(bourse.EstChandelier(n, code)) << code;

    // The first candle holds only one-candle figures. Trend off, so that every trend test holds; quiet candles
    // after, so that the averages exist.
    const std::pair<Bougie, std::int32_t> cas[] = {{grandNoir, 112},
                                                  {grandBlanc, 212},
                                                  {{99.55f, 100.05f, 98.55f, 100}, 208},
                                                  {{99.25f, 100.75f, 99.2f, 99.25f}, 111},
                                                  {dojiCalme, 300}};
    for (const auto& [bougie, attendu] : cas) {
        Bougies bougies(10, dojiCalme);
        bougies.front() = bougie;
        const BourseCollection première = historique(bougies, Marche::SansTendance, "0,0625", GetParam(), 0);
        EXPECT_EQ(première.Chandelier(1), attendu);
        for (const std::int32_t code : ordreDesFigures) {
            if (Catalogue::trouve(code)->bougiesMin > 1) {
                EXPECT_FALSE(première.EstChandelier(1, code)) << code;
            }
        }
    }

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
    EXPECT_EQ(bourse.Chandeliers.Item(16), Valeur(std::int32_t{201}));
    EXPECT_EQ(bourse.Chandeliers.Item(n + 1), Valeur(std::int32_t{7}));
}

TEST_P(ReconnaissanceInterface, AnUnreadableOptionLetsFiguresThatReadNoneAnswer) {
    // A figure that reads no option answers as written, even when computing every candle would fail.
    BourseCollection bourse = historiqueDe({{100, 100.3f, 99.7f, 99.9f}});
    bourse.Options.Item(OptionsAnalyse::Tolérance, "beaucoup");
    EXPECT_TRUE(bourse.EstChandelier(bourse.Nombre, 100));
    EXPECT_THROW_MSG(bourse.Chandelier(bourse.Nombre), ErreurConversion,
                     "Option \"Tolérance\" : Incompatibilité de type : \"beaucoup\" n'est pas un nombre");
}

/// Every answer of the recognition, with and without the memo, must be the same.
void comparer(const BourseCollection& avec, const BourseCollection& sans) {
    ASSERT_TRUE(avec.AvecMémo());
    ASSERT_FALSE(sans.AvecMémo());
    ASSERT_EQ(avec.Nombre, sans.Nombre);
    std::vector<std::int32_t> codes(ordreDesFigures.begin(), ordreDesFigures.end());
    codes.insert(codes.end(), {109, 400, 0});
    for (std::int32_t i = -1; i <= avec.Nombre + 1; ++i) {
        ASSERT_EQ(avec.Chandelier(i), sans.Chandelier(i)) << "bougie " << i;
        for (const std::int32_t code : codes)
            ASSERT_EQ(avec.EstChandelier(i, code), sans.EstChandelier(i, code)) << "bougie " << i << ", " << code;
        for (const std::int32_t code : {101, 201, 100, 300, 208, 303, 400})
            ASSERT_EQ(avec.TrouveChandelier(i, code), sans.TrouveChandelier(i, code)) << "bougie " << i << ", " << code;
    }
}

// ---- Long random histories, options varied ----

/// Candles on a grid of 0.05 (equal prices happen), with dojis, long bodies and missing shadows mixed in, and
/// now and then one of the hand-built sequences of the rarer figures.
Bougies historiqueAléatoire(std::mt19937& aléa, int n) {
    const char* const rares[] = {"côte à côte en baisse", "côte à côte en hausse", "tasuki en baisse",
                                 "tasuki en hausse", "bébé abandonné du matin", "bébé abandonné du soir",
                                 "hautes vagues", "trois corbeaux", "trois soldats", "sommet en tours",
                                 "creux en tours", "structure en dessous de plat"};
    std::uniform_real_distribution<double> u(0, 1);
    const auto grille = [](double x) { return static_cast<float>(std::round(x * 20) / 20); };
    Bougies bougies;
    double prix = 100;
    while (static_cast<int>(bougies.size()) < n) {
        if (u(aléa) < 0.02) {
            const Bougies& rare = séquence(rares[aléa() % std::size(rares)]);
            bougies.insert(bougies.end(), rare.begin(), rare.end());
            prix = rare.back().c;
            continue;
        }
        const double tirage = u(aléa);
        const double corps = tirage < 0.15 ? 0 : tirage < 0.6 ? u(aléa) * 0.6 : 1 + u(aléa) * 4;
        const double sens = u(aléa) < 0.5 ? -1 : 1;
        const double o = prix + (u(aléa) - 0.5) * 2;
        const double c = o + sens * corps;
        const double tête = u(aléa) < 0.3 ? 0 : u(aléa) * 2;
        const double queue = u(aléa) < 0.3 ? 0 : u(aléa) * 2;
        bougies.push_back({grille(o), grille(std::max(o, c) + tête), grille(std::min(o, c) - queue), grille(c)});
        prix = std::clamp(c, 40.0, 160.0);
    }
    return bougies;
}

struct Réglages {
    std::string tolérance, tailleMarubozu, période2;
    bool avecTendance;
    bool tendanceAléatoire;  // the trend series set at random instead of computed (or left empty)
};

BourseCollection construire(const Bougies& bougies, const Réglages& r, std::mt19937 aléa, bool mémo) {
    BourseCollection bourse;
    bourse.AvecMémo(mémo);
    réglerOptions(bourse, r.avecTendance, r.tolérance, r.tailleMarubozu, r.période2);
    for (const Bougie& b : bougies) bourse.Ajouter("20240102", b.o, b.h, b.l, b.c, Monnaie{});
    bourse.CalculerTailles();
    if (r.tendanceAléatoire) {
        std::uniform_int_distribution<int> code(0, 2);
        for (std::int32_t i = 1; i <= bourse.Nombre; ++i) bourse.Tendance.Item(i, static_cast<std::int16_t>(code(aléa)));
    }
    return bourse;
}

/// Changes of what the figures read, made alike to both collections: the memo must follow each.
const std::function<void(BourseCollection&)> changements[] = {
    [](BourseCollection& b) {
        for (std::int32_t i = 1; i <= b.Nombre; i += 7) b.Maximum.Item(i, b.Maximum.Item(i).enSimple() + 0.5f);
    },
    [](BourseCollection& b) { b.Options.Item(OptionsAnalyse::Tolérance, b.tolérance() == 0 ? "0,25" : "0"); },
    [](BourseCollection& b) { b.Options.Item(OptionsAnalyse::AvecTendance, b.avecTendance() ? "0" : "1"); },
    [](BourseCollection& b) {
        for (std::int32_t i = 1; i <= b.Nombre; ++i) b.Tendance.Item(i, static_cast<std::int16_t>(i % 3));
    },
    [](BourseCollection& b) { b.Options.Item(OptionsAnalyse::TailleMarubozu, b.tailleMarubozu() == 2 ? "1" : "2"); },
    [](BourseCollection& b) { b.MoyenneCorps = b.TailleCorps.MMA(1); },
    [](BourseCollection& b) {
        OptionsAnalyse options = b.Options;
        options.Item(OptionsAnalyse::Tolérance, b.tolérance() == 0 ? "0,25" : "0");
        b.Options = options;
    },
    [](BourseCollection& b) { b.Nombre -= 1; },
};

TEST(ReconnaissanceMemo, RandomHistoriesGiveTheSameAnswers) {
    std::mt19937 aléa(20240607);
    const std::vector<std::string> tolérances{"0", "0,0625", "0.1", "0,25"}, tailles{"0", "1", "2"},
        périodes{"3", "9"};
    std::set<std::int32_t> vus;
    const auto tirer = [&aléa](const std::vector<std::string>& valeurs) { return valeurs[aléa() % valeurs.size()]; };
    for (int essai = 0; essai < 24; ++essai) {
        const Réglages r{tirer(tolérances), tirer(tailles), tirer(périodes), aléa() % 2 == 0, aléa() % 2 == 0};
        SCOPED_TRACE("essai " + std::to_string(essai));
        const Bougies bougies = historiqueAléatoire(aléa, 800);
        BourseCollection avec = construire(bougies, r, aléa, true);
        BourseCollection sans = construire(bougies, r, aléa, false);
        comparer(avec, sans);

        const std::int32_t début = 1 + static_cast<std::int32_t>(aléa() % 50);
        avec.ChargeChandeliers(début);
        sans.ChargeChandeliers(début);
        for (std::int32_t i = 1; i <= avec.Nombre; ++i) {
            ASSERT_EQ(avec.Chandeliers.Item(i), sans.Chandeliers.Item(i)) << i;
            vus.insert(avec.Chandeliers.Item(i).enLong());
        }
        const auto& changer = changements[static_cast<std::size_t>(essai) % std::size(changements)];
        changer(avec);
        changer(sans);
        comparer(avec, sans);
    }
    // Histories no longer than the averaging period have no averages, so no big candle.
    for (const int n : {1, 3, 9, 10, 12}) {
        const Bougies bougies = historiqueAléatoire(aléa, n);
        const Réglages r{"0,0625", "1", "9", n % 2 == 0, false};
        comparer(construire(bougies, r, aléa, true), construire(bougies, r, aléa, false));
    }
    // The comparison means something only if the histories hold every figure.
    for (const std::int32_t code : ordreDesFigures) EXPECT_TRUE(vus.count(code)) << code;
}

}  // namespace
}  // namespace vantorelle::essais
