#include "series/Valeur.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

TEST(Valeur, EachKindAsADoubleASingleAndAText) {
    struct Cas {
        Valeur valeur;
        double enDouble;
        const char* texte;
    };
    const Cas cas[] = {
        {Valeur(), 0.0, ""},
        {Valeur(2.5), 2.5, "2,5"},
        {Valeur(1.0 / 3.0), 1.0 / 3.0, "0,333333333333333"},
        {Valeur(0.1f), static_cast<double>(0.1f), "0,1"},
        {Valeur(1.0f / 3.0f), static_cast<double>(1.0f / 3.0f), "0,3333333"},
        {Valeur(Monnaie{-12345}), -1.2345, "-1,2345"},
        {Valeur(Monnaie{15000000}), 1500.0, "1500"},
        {Valeur(std::int16_t{-7}), -7.0, "-7"},
        {Valeur(std::int32_t{400}), 400.0, "400"},
        {Valeur(true), -1.0, "Vrai"},
        {Valeur(false), 0.0, "Faux"},
        {Valeur("12,5"), 12.5, "12,5"},
        {Valeur("12.5"), 12.5, "12.5"},
        {Valeur(" -3 "), -3.0, " -3 "},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(c.valeur.enDouble(), c.enDouble) << c.texte;
        EXPECT_EQ(c.valeur.enSimple(), static_cast<float>(c.enDouble)) << c.texte;
        EXPECT_EQ(c.valeur.texte(), c.texte);
        EXPECT_EQ(texteDe(c.valeur), c.texte);
    }
    EXPECT_THROW_MSG(Valeur(1e39).enSimple(), ErreurConversion, "Dépassement de capacité");
    for (const std::string texte : {"NO_EVAL", "", "12,5,1"})
        EXPECT_THROW_MSG(Valeur(texte).enDouble(), ErreurConversion,
                         "Incompatibilité de type : \"" + texte + "\" n'est pas un nombre");
}

TEST(Valeur, ConversionsToIntegersRoundHalvesToEvenAndOverflow) {
    const std::pair<double, std::int16_t> cas[] = {{2.5, 2},       {3.5, 4},           {-2.5, -2}, {-0.5, 0},
                                                   {32767.4, 32767}, {-32768.5, -32768}, {1.6, 2}};
    for (const auto& [valeur, entier] : cas) {
        EXPECT_EQ(Valeur(valeur).enEntier(), entier) << valeur;
        EXPECT_EQ(Valeur(valeur).enLong(), entier) << valeur;
    }
    for (double horsLimites : {32767.5, -32768.51, 1e10})
        EXPECT_THROW_MSG(Valeur(horsLimites).enEntier(), ErreurConversion, "Dépassement de capacité") << horsLimites;
    EXPECT_EQ(Valeur(2147483647.4).enLong(), 2147483647);
    EXPECT_THROW_MSG(Valeur(2147483647.5).enLong(), ErreurConversion, "Dépassement de capacité");
    EXPECT_EQ(Valeur(Monnaie{25000}).enEntier(), 2);
}

}  // namespace
}  // namespace vantorelle
