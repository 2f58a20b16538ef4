#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Catalogue.h"

namespace vantorelle {
namespace {

// The figures as the users' manual lists them, typed apart from the program's table.
struct Attendue {
    std::int32_t code;
    const char* nom;
    std::int16_t min, max, poids;
};

const Attendue Figures[] = {
    {100, "Bougie noire", 1, 1, 0}, {101, "Grand noir", 1, 1, 1}, {102, "Harami baissier", 2, 2, 1},
    {103, "Sommet en pinces", 2, 5, 2}, {104, "Harami baissier en croix", 2, 2, 3}, {105, "Gap descendant", 2, 2, 2},
    {106, "Ligne de séparation baissière", 2, 2, 3}, {107, "Pendu", 1, 1, 2}, {108, "Etoile filante", 1, 1, 2},
    {111, "Doji pierre tombale", 1, 1, 4}, {112, "Passant baissier", 1, 1, 3},
    {113, "Couverture en nuage noir", 2, 2, 3}, {114, "Avalement baissier", 2, 2, 3},
    {115, "Lignes b. c. à c. gap descendant", 3, 3, 4}, {116, "Tasuki gap descendant", 3, 3, 4},
    {117, "Etoile doji baissière", 2, 2, 2}, {118, "Etoile du soir", 3, 3, 4}, {119, "Etoile doji du soir", 3, 3, 4},
    {120, "Bébé abandonné du soir", 3, 3, 4}, {121, "Trois corbeaux noirs", 3, 3, 4},
    {122, "Gap ascendant deux corbeaux", 3, 3, 4}, {123, "8 à 10 nouveaux hauts", 9, 9, 4},
    {125, "Trois méthodes baissière", 4, 12, 4}, {126, "Sommet en tours", 5, 10, 4}, {200, "Bougie blanche", 1, 1, 0},
    {201, "Grand blanc", 1, 1, 1}, {202, "Harami haussier", 2, 2, 1}, {203, "Creux en pinces", 2, 5, 2},
    {204, "Harami haussier en croix", 2, 2, 3}, {205, "Gap ascendant", 2, 2, 2},
    {206, "Ligne de séparation haussière", 2, 2, 3}, {207, "Marteau inversé", 1, 1, 2}, {208, "Marteau", 1, 1, 2},
    {209, "Marteau Takuri Inversé", 1, 1, 2}, {210, "Marteau Takuri", 1, 1, 2}, {212, "Passant haussier", 1, 1, 3},
    {213, "Pénétrante", 2, 2, 3}, {214, "Avalement haussier", 2, 2, 3},
    {215, "Lignes b. c. à c. gap ascendant", 3, 3, 4}, {216, "Tasuki gap ascendant", 3, 3, 4},
    {217, "Etoile doji haussière", 2, 2, 2}, {218, "Etoile du matin", 3, 3, 4}, {219, "Etoile doji du matin", 3, 3, 4},
    {220, "Bébé abandonné du matin", 3, 3, 4}, {221, "Trois soldats blancs", 3, 3, 4},
    {224, "Structure en dessous de plat", 5, 5, 4}, {225, "Trois méthodes haussière", 4, 12, 4},
    {226, "Creux en tours", 5, 10, 4}, {300, "Doji", 1, 1, 1}, {301, "Doji longues jambes", 1, 1, 3},
    {302, "Doji porteur d'eau", 1, 1, 3}, {303, "Hautes vagues", 5, 5, 4},
};

TEST(CatalogueTest, TheManualsFiguresThenCodesOutsideTheCatalogue) {
    struct Cas {
        Valeur code;
        std::int32_t famille;  // from the first character of the code's text, whatever the code
        const char* nom;
        std::int16_t poids;
    };
    std::vector<Cas> cas;
    const auto figures = Catalogue::figures();
    ASSERT_EQ(figures.size(), std::size(Figures));
    for (std::size_t k = 0; k < figures.size(); ++k) {
        const Attendue& a = Figures[k];
        const Figure& f = figures[k];
        EXPECT_EQ(std::tuple(f.code, std::string_view(f.nom), f.bougiesMin, f.bougiesMax, f.poids),
                  std::tuple(a.code, std::string_view(a.nom), a.min, a.max, a.poids));
        cas.push_back({a.code, a.code < 200 ? 2 : a.code < 300 ? 1 : 3, a.nom, a.poids});
    }
    const char* const Aucune = "Figure non reportée";
    cas.insert(cas.end(), {
        {std::int32_t{400}, 4, Aucune, 0}, {std::int32_t{109}, 2, Aucune, 0}, {std::int32_t{222}, 1, Aucune, 0},
        {std::int32_t{1}, 2, Aucune, 0},   {std::int32_t{-101}, 4, Aucune, 0}, {Valeur(), 4, Aucune, 0},
        {Valeur(3.5), 3, Aucune, 0},
        // Codes compare as numbers.
        {Valeur(100.0), 2, "Bougie noire", 0}, {Valeur(111.0), 2, "Doji pierre tombale", 4},
        {Valeur("213"), 1, "Pénétrante", 3},   {Valeur(111.5), 2, Aucune, 0},
    });
    // One candle per code, its figure code set by hand.
    BourseCollection bourse;
    for (const Cas& c : cas) {
        bourse.Ajouter("20240102", 1, 1, 1, 1, Monnaie{});
        bourse.Chandeliers.Item(bourse.Nombre, c.code);
    }
    bourse.ChargePondération();
    ASSERT_EQ(bourse.Pondération.Longueur(), bourse.Nombre);
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i) {
        const Cas& c = cas[static_cast<std::size_t>(i - 1)];
        SCOPED_TRACE(c.code.texte());
        EXPECT_EQ(bourse.TypeChandelier(i), c.famille);
        EXPECT_EQ(bourse.ChandelierToString(i), c.nom);
        EXPECT_EQ(bourse.Pondération.Item(i), Valeur(c.poids));
    }
    bourse.Chandeliers.Item(1, "2x");
    EXPECT_EQ(bourse.TypeChandelier(1), 1);
}

// ---- Confirmation by the next candle ----

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
        {"doji no trend value", doji, grandeNoire, 300, std::nullopt, "0", false},
        // Neutral figures read the trend series even when the trend option is off.
        {"doji rising, option off", doji, grandeNoire, 301, 2, "0", true},
        {"bullish, long white", doji, grandeBlanche, 208, 0, "1", true},
        {"bullish, closing lower", doji, grandeBlancheEnBaisse, 208, 1, "1", false},
        {"bullish, small next candle", blancheAuCorpsDe20, petiteBlanche, 201, 1, "1", false},
        {"bearish, long black", doji, grandeNoire, 108, 0, "1", true},
        {"no figure", doji, grandeBlanche, 400, 1, "1", false},
    };
    for (const Cas& c : cas) {
        BourseCollection bourse = figureSuivieDe(c.figure, c.suivante, c.code);
        bourse.Options.Item(OptionsAnalyse::AvecTendance, c.avecTendance);
        if (c.tendance) bourse.Tendance.Item(2, *c.tendance);
        EXPECT_EQ(bourse.ChandelierConfirmé(2), c.confirmé) << c.nom;
    }
    // The last candle has no next one; outside the candles nothing is confirmed.
    BourseCollection bourse = figureSuivieDe(doji, grandeBlanche, 200);
    bourse.Chandeliers.Item(3, std::int32_t{201});
    EXPECT_TRUE(bourse.ChandelierConfirmé(2));
    EXPECT_FALSE(bourse.ChandelierConfirmé(3));
    EXPECT_FALSE(bourse.ChandelierConfirmé(0));
}

}  // namespace
}  // namespace vantorelle
