#include <gtest/gtest.h>

#include <string>
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

/// One candle per code, its figure code set by hand.
BourseCollection avecCodes(const std::vector<Valeur>& codes) {
    BourseCollection bourse;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        bourse.Ajouter("20240102", 1, 1, 1, 1, Monnaie{});
        bourse.Chandeliers.Item(static_cast<std::int32_t>(i + 1), codes[i]);
    }
    return bourse;
}

TEST(CatalogueTest, TableNamesFamiliesAndWeightsMatchTheManual) {
    const auto figures = Catalogue::figures();
    ASSERT_EQ(figures.size(), std::size(Figures));
    std::vector<Valeur> codes;
    for (const Attendue& f : Figures) codes.emplace_back(f.code);
    BourseCollection bourse = avecCodes(codes);
    bourse.ChargePondération();
    ASSERT_EQ(bourse.Pondération.Longueur(), bourse.Nombre);
    for (std::size_t k = 0; k < figures.size(); ++k) {
        const Attendue& a = Figures[k];
        const auto i = static_cast<std::int32_t>(k + 1);
        SCOPED_TRACE(a.code);
        EXPECT_EQ(figures[k].code, a.code);
        EXPECT_EQ(figures[k].nom, a.nom);
        EXPECT_EQ(figures[k].bougiesMin, a.min);
        EXPECT_EQ(figures[k].bougiesMax, a.max);
        EXPECT_EQ(figures[k].poids, a.poids);
        EXPECT_EQ(Catalogue::poids(a.code), a.poids);
        EXPECT_EQ(bourse.ChandelierToString(i), a.nom);
        EXPECT_EQ(bourse.TypeChandelier(i), a.code < 200 ? 2 : a.code < 300 ? 1 : 3);
        EXPECT_EQ(bourse.Pondération.Item(i), Valeur(a.poids));
    }
}

TEST(CatalogueTest, CodesOutsideTheCatalogue) {
    struct Cas {
        Valeur code;
        std::int32_t famille;  // from the first character of the code's text, whatever the code
        const char* nom;
        std::int16_t poids;
    };
    const char* const Aucune = "Figure non reportée";
    const Cas cas[] = {
        {std::int32_t{400}, 4, Aucune, 0}, {std::int32_t{109}, 2, Aucune, 0}, {std::int32_t{222}, 1, Aucune, 0},
        {std::int32_t{1}, 2, Aucune, 0},   {std::int32_t{-101}, 4, Aucune, 0}, {Valeur(), 4, Aucune, 0},
        {Valeur(3.5), 3, Aucune, 0},       {std::int32_t{0}, 4, Aucune, 0},    {std::int32_t{124}, 2, Aucune, 0},
        {std::int32_t{500}, 4, Aucune, 0},
        // Codes compare as numbers.
        {Valeur(100.0), 2, "Bougie noire", 0}, {Valeur(111.0), 2, "Doji pierre tombale", 4},
        {Valeur("213"), 1, "Pénétrante", 3},   {Valeur(111.5), 2, Aucune, 0},
    };
    std::vector<Valeur> codes;
    for (const Cas& c : cas) codes.push_back(c.code);
    BourseCollection bourse = avecCodes(codes);
    bourse.ChargePondération();
    for (std::size_t k = 0; k < std::size(cas); ++k) {
        const auto i = static_cast<std::int32_t>(k + 1);
        SCOPED_TRACE(cas[k].code.texte());
        EXPECT_EQ(bourse.TypeChandelier(i), cas[k].famille);
        EXPECT_EQ(bourse.ChandelierToString(i), cas[k].nom);
        EXPECT_EQ(bourse.Pondération.Item(i), Valeur(cas[k].poids));
    }
    EXPECT_EQ(avecCodes({Valeur("2x")}).TypeChandelier(1), 1);
    EXPECT_FALSE(Catalogue::estFigure(124));
    EXPECT_EQ(Catalogue::poids(400), 0);
}

}  // namespace
}  // namespace vantorelle
