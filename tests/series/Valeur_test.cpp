#include "series/Valeur.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "store/Erreur.h"

namespace vantorelle {
namespace {

TEST(Valeur, EachKindAsADouble) {
    struct Cas {
        Valeur valeur;
        double attendu;
    };
    const Cas cas[] = {
        {Valeur(), 0.0},
        {Valeur(2.5), 2.5},
        {Valeur(0.1f), static_cast<double>(0.1f)},
        {Valeur(Monnaie{-12345}), -1.2345},
        {Valeur(std::int16_t{-7}), -7.0},
        {Valeur(std::int32_t{400}), 400.0},
        {Valeur(true), -1.0},
        {Valeur(false), 0.0},
        {Valeur("12,5"), 12.5},
        {Valeur("12.5"), 12.5},
        {Valeur(" -3 "), -3.0},
    };
    for (const auto& c : cas) EXPECT_EQ(c.valeur.enDouble(), c.attendu) << c.valeur.texte();
}

TEST(Valeur, ATextThatIsNotANumberIsATypeMismatch) {
    for (const char* texte : {"NO_EVAL", "", "12,5,1"}) {
        try {
            Valeur(texte).enDouble();
            ADD_FAILURE() << texte;
        } catch (const ErreurConversion& e) {
            EXPECT_EQ(e.what(), std::string("Incompatibilité de type : \"") + texte + "\" n'est pas un nombre");
        }
    }
}

TEST(Valeur, ConversionsToIntegersRoundHalvesToEvenAndOverflow) {
    struct Cas {
        double valeur;
        std::int16_t entier;
    };
    const Cas cas[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-0.5, 0}, {32767.4, 32767}, {-32768.5, -32768}, {1.6, 2}};
    for (const auto& c : cas) {
        EXPECT_EQ(Valeur(c.valeur).enEntier(), c.entier) << c.valeur;
        EXPECT_EQ(Valeur(c.valeur).enLong(), c.entier) << c.valeur;
    }
    for (double horsLimites : {32767.5, -32768.51, 1e10}) {
        try {
            Valeur(horsLimites).enEntier();
            ADD_FAILURE() << horsLimites;
        } catch (const ErreurConversion& e) {
            EXPECT_STREQ(e.what(), "Dépassement de capacité");
        }
    }
    EXPECT_EQ(Valeur(2147483647.4).enLong(), 2147483647);
    EXPECT_THROW(Valeur(2147483647.5).enLong(), ErreurConversion);
    EXPECT_EQ(Valeur(Monnaie{25000}).enEntier(), 2);
}

TEST(Valeur, ConversionToASingleRoundsAndOverflows) {
    EXPECT_EQ(Valeur(0.1).enSimple(), 0.1f);
    EXPECT_EQ(Valeur(std::int16_t{3}).enSimple(), 3.0f);
    EXPECT_EQ(Valeur("1,5").enSimple(), 1.5f);
    EXPECT_EQ(Valeur().enSimple(), 0.0f);
    EXPECT_THROW(Valeur(1e39).enSimple(), ErreurConversion);
}

TEST(Valeur, TextOfEachKind) {
    struct Cas {
        Valeur valeur;
        const char* texte;
    };
    const Cas cas[] = {
        {Valeur(), ""},
        {Valeur(1.0 / 3.0), "0,333333333333333"},
        {Valeur(1.0f / 3.0f), "0,3333333"},
        {Valeur(Monnaie{15000000}), "1500"},
        {Valeur(std::int16_t{-400}), "-400"},
        {Valeur(std::int32_t{213}), "213"},
        {Valeur(true), "Vrai"},
        {Valeur(false), "Faux"},
        {Valeur("NO_EVAL"), "NO_EVAL"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(c.valeur.texte(), c.texte);
        EXPECT_EQ(texteDe(c.valeur), c.texte);
    }
}

}  // namespace
}  // namespace vantorelle
