#include <gtest/gtest.h>

#include <optional>

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
    for (std::int32_t i = 1; i <= 3; ++i) bourse.Chandeliers.Item(i, std::int32_t{i == 2 ? code : 400});
    return bourse;
}

TEST(ConfirmationTest, ByFamilyTrendAndNextCandle) {
    struct Cas {
        const char* nom;
        Bougie figure, suivante;
        std::int32_t code;
        std::optional<std::int16_t> tendance;  // trend code at the figure; none: the series holds no value there
        const char* avecTendance;
        bool confirmé;
    };
    const Cas cas[] = {
        {"doji rising, long black", doji, grandeNoire, 300, 2, "1", true},
        {"doji rising, long white", doji, grandeBlanche, 300, 2, "1", false},
        {"doji falling, long white", doji, grandeBlanche, 300, 1, "1", true},
        {"doji falling, long black", doji, grandeNoire, 300, 1, "1", false},
        {"doji no trend, black", doji, grandeNoire, 300, 0, "1", false},
        {"doji no trend, white", doji, grandeBlanche, 300, 0, "1", false},
        {"doji no trend value", doji, grandeNoire, 300, std::nullopt, "0", false},
        // Neutral figures read the trend series even when the trend option is off.
        {"doji rising, option off", doji, grandeNoire, 301, 2, "0", true},
        {"bullish, long white", doji, grandeBlanche, 208, 0, "1", true},
        {"bullish, long black", doji, grandeNoire, 208, 1, "1", false},
        {"bullish, closing lower", doji, grandeBlancheEnBaisse, 208, 1, "1", false},
        {"bullish, small next candle", blancheAuCorpsDe20, petiteBlanche, 201, 1, "1", false},
        {"bearish, long black", doji, grandeNoire, 108, 0, "1", true},
        {"bearish, long white", doji, grandeBlanche, 108, 2, "1", false},
        {"white candle as bullish figure", doji, grandeBlanche, 200, std::nullopt, "1", true},
        {"no figure", doji, grandeBlanche, 400, 1, "1", false},
    };
    for (const Cas& c : cas) {
        BourseCollection bourse = figureSuivieDe(c.figure, c.suivante, c.code);
        bourse.Options.Item(OptionsAnalyse::AvecTendance, c.avecTendance);
        if (c.tendance) bourse.Tendance.Item(2, *c.tendance);
        EXPECT_EQ(bourse.ChandelierConfirmé(2), c.confirmé) << c.nom;
    }
}

TEST(ConfirmationTest, TheLastCandleIsNeverConfirmed) {
    BourseCollection bourse = figureSuivieDe(doji, grandeBlanche, 200);
    bourse.Chandeliers.Item(3, std::int32_t{201});
    EXPECT_TRUE(bourse.ChandelierConfirmé(2));
    EXPECT_FALSE(bourse.ChandelierConfirmé(3));
    EXPECT_FALSE(bourse.ChandelierConfirmé(0));
}

}  // namespace
}  // namespace vantorelle
