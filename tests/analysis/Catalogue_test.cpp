#include <gtest/gtest.h>

#include <set>
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
    std::int16_t min, max;
};

const Attendue Figures[] = {
    {100, "Bougie noire", 1, 1},
    {101, "Grand noir", 1, 1},
    {102, "Harami baissier", 2, 2},
    {103, "Sommet en pinces", 2, 5},
    {104, "Harami baissier en croix", 2, 2},
    {105, "Gap descendant", 2, 2},
    {106, "Ligne de séparation baissière", 2, 2},
    {107, "Pendu", 1, 1},
    {108, "Etoile filante", 1, 1},
    {111, "Doji pierre tombale", 1, 1},
    {112, "Passant baissier", 1, 1},
    {113, "Couverture en nuage noir", 2, 2},
    {114, "Avalement baissier", 2, 2},
    {115, "Lignes b. c. à c. gap descendant", 3, 3},
    {116, "Tasuki gap descendant", 3, 3},
    {117, "Etoile doji baissière", 2, 2},
    {118, "Etoile du soir", 3, 3},
    {119, "Etoile doji du soir", 3, 3},
    {120, "Bébé abandonné du soir", 3, 3},
    {121, "Trois corbeaux noirs", 3, 3},
    {122, "Gap ascendant deux corbeaux", 3, 3},
    {123, "8 à 10 nouveaux hauts", 9, 9},
    {125, "Trois méthodes baissière", 4, 12},
    {126, "Sommet en tours", 5, 10},
    {200, "Bougie blanche", 1, 1},
    {201, "Grand blanc", 1, 1},
    {202, "Harami haussier", 2, 2},
    {203, "Creux en pinces", 2, 5},
    {204, "Harami haussier en croix", 2, 2},
    {205, "Gap ascendant", 2, 2},
    {206, "Ligne de séparation haussière", 2, 2},
    {207, "Marteau inversé", 1, 1},
    {208, "Marteau", 1, 1},
    {209, "Marteau Takuri Inversé", 1, 1},
    {210, "Marteau Takuri", 1, 1},
    {212, "Passant haussier", 1, 1},
    {213, "Pénétrante", 2, 2},
    {214, "Avalement haussier", 2, 2},
    {215, "Lignes b. c. à c. gap ascendant", 3, 3},
    {216, "Tasuki gap ascendant", 3, 3},
    {217, "Etoile doji haussière", 2, 2},
    {218, "Etoile du matin", 3, 3},
    {219, "Etoile doji du matin", 3, 3},
    {220, "Bébé abandonné du matin", 3, 3},
    {221, "Trois soldats blancs", 3, 3},
    {224, "Structure en dessous de plat", 5, 5},
    {225, "Trois méthodes haussière", 4, 12},
    {226, "Creux en tours", 5, 10},
    {300, "Doji", 1, 1},
    {301, "Doji longues jambes", 1, 1},
    {302, "Doji porteur d'eau", 1, 1},
    {303, "Hautes vagues", 5, 5},
};

// The weights by group, as the weighting rule gives them.
const std::vector<std::int32_t> PoidsQuatre = {111, 115, 116, 118, 119, 120, 121, 122, 123, 125, 126,
                                               215, 216, 218, 219, 220, 221, 224, 225, 226, 303};
const std::vector<std::int32_t> PoidsTrois = {104, 106, 112, 113, 114, 204, 206, 212, 213, 214, 301, 302};
const std::vector<std::int32_t> PoidsDeux = {103, 105, 107, 108, 117, 203, 205, 207, 208, 209, 210, 217};
const std::vector<std::int32_t> PoidsUn = {101, 102, 201, 202, 300};

std::int16_t poidsAttendu(std::int32_t code) {
    auto dans = [code](const std::vector<std::int32_t>& groupe) {
        return std::find(groupe.begin(), groupe.end(), code) != groupe.end();
    };
    return dans(PoidsQuatre) ? 4 : dans(PoidsTrois) ? 3 : dans(PoidsDeux) ? 2 : dans(PoidsUn) ? 1 : 0;
}

BourseCollection avecCodes(const std::vector<Valeur>& codes) {
    BourseCollection bourse;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        bourse.Ajouter("20240102", 1, 1, 1, 1, Monnaie{});
        bourse.Chandeliers.Item(static_cast<std::int32_t>(i + 1), codes[i]);
    }
    return bourse;
}

TEST(CatalogueTest, LaTableEstLaListeDuManuel) {
    const auto figures = Catalogue::figures();
    ASSERT_EQ(figures.size(), std::size(Figures));
    for (std::size_t k = 0; k < figures.size(); ++k) {
        const Attendue& attendue = Figures[k];
        EXPECT_EQ(figures[k].code, attendue.code);
        EXPECT_EQ(figures[k].nom, attendue.nom) << attendue.code;
        EXPECT_EQ(figures[k].bougiesMin, attendue.min) << attendue.code;
        EXPECT_EQ(figures[k].bougiesMax, attendue.max) << attendue.code;
        EXPECT_EQ(figures[k].poids, poidsAttendu(attendue.code)) << attendue.code;
        EXPECT_EQ(Catalogue::poids(attendue.code), poidsAttendu(attendue.code)) << attendue.code;
    }
}

TEST(CatalogueTest, NomsFamillesEtPoidsParBougie) {
    std::vector<Valeur> codes;
    for (const Attendue& f : Figures) codes.emplace_back(f.code);
    const BourseCollection bourse = avecCodes(codes);
    for (std::size_t k = 0; k < std::size(Figures); ++k) {
        const auto i = static_cast<std::int32_t>(k + 1);
        const std::int32_t code = Figures[k].code;
        EXPECT_EQ(bourse.ChandelierToString(i), Figures[k].nom);
        EXPECT_EQ(bourse.TypeChandelier(i), code < 200 ? 2 : code < 300 ? 1 : 3) << code;
    }
}

TEST(CatalogueTest, CodesHorsDuCatalogue) {
    struct Cas {
        Valeur code;
        std::int32_t famille;
    };
    // The family comes from the first character of the code's text, whatever the code.
    const Cas cas[] = {
        {std::int32_t{400}, 4}, {std::int32_t{109}, 2}, {std::int32_t{222}, 1}, {std::int32_t{1}, 2},
        {std::int32_t{-101}, 4}, {Valeur(), 4},          {Valeur("2x"), 1},       {Valeur(3.5), 3},
        {std::int32_t{0}, 4},
    };
    std::vector<Valeur> codes;
    for (const Cas& c : cas) codes.push_back(c.code);
    const BourseCollection bourse = avecCodes(codes);
    for (std::size_t k = 0; k < std::size(cas); ++k) {
        const auto i = static_cast<std::int32_t>(k + 1);
        EXPECT_EQ(bourse.TypeChandelier(i), cas[k].famille) << cas[k].code.texte();
        EXPECT_EQ(bourse.ChandelierToString(i), "Figure non reportée") << cas[k].code.texte();
    }
    EXPECT_EQ(Catalogue::poids(109), 0);
    EXPECT_EQ(Catalogue::poids(400), 0);
    EXPECT_FALSE(Catalogue::estFigure(124));
    EXPECT_EQ(avecCodes({Valeur(100.0)}).ChandelierToString(1), "Bougie noire") << "codes compare as numbers";
}

TEST(CatalogueTest, Constantes) {
    const BourseCollection bourse;
    const auto constantes = bourse.Constantes();
    ASSERT_EQ(constantes->size(), 53u);
    EXPECT_EQ(constantes->front(), "ChandelierHaussier=1");
    EXPECT_EQ((*constantes)[3], "ChandelierIndéterminé=4");
    EXPECT_EQ((*constantes)[11], "EtoileDuSoir=115");
    EXPECT_EQ((*constantes)[27], "CreuxEnTours=223");
    EXPECT_EQ((*constantes)[50], "DojiDragonfly=301");
    EXPECT_EQ(constantes->back(), "Indéterminée=400");
    std::set<std::string> noms;
    for (const std::string& c : *constantes) noms.insert(c.substr(0, c.find('=')));
    EXPECT_EQ(noms.size(), 53u);
    constantes->clear();
    EXPECT_EQ(bourse.Constantes()->size(), 53u) << "a fresh list on each call";
}

}  // namespace
}  // namespace vantorelle
