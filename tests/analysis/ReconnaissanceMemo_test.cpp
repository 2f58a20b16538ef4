#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Reconnaissance.h"
#include "ReconnaissanceBougies.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle::essais {
namespace {

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

TEST(ReconnaissanceMemo, AnUnreadableOptionLetsFiguresAnswerWithoutTheMemo) {
    // A figure that reads no option answers as written, even when computing every candle would fail.
    for (const bool mémo : {true, false}) {
        BourseCollection bourse = historique({{100, 100.3f, 99.7f, 99.9f}}, Marche::Neutre, "0,0625", mémo);
        bourse.Options.Item(OptionsAnalyse::Tolérance, "beaucoup");
        EXPECT_TRUE(bourse.EstChandelier(bourse.Nombre, 100));
        EXPECT_THROW_MSG(bourse.Chandelier(bourse.Nombre), ErreurConversion,
                         "Option \"Tolérance\" : Incompatibilité de type : \"beaucoup\" n'est pas un nombre");
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
            const std::int32_t code = avec.Chandeliers.Item(i).enLong();
            vus.insert(code);
            // Some figures exist only under some options.
            if (r.tolérance != "0") {
                for (const std::int32_t interdit : {119, 219, 120, 220}) EXPECT_NE(code, interdit) << i;
            }
            if (!r.avecTendance) {
                for (const std::int32_t interdit : {107, 207}) EXPECT_NE(code, interdit) << i;
            }
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
