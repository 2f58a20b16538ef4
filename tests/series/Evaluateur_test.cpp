#include "series/Evaluateur.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vantorelle {
namespace {

enum class Sorte { Nombre, Booléen, Échec };

struct Cas {
    const char* texte;
    Sorte sorte;
    double valeur = 0;  // the number, or -1 / 0 for a truth value
};

constexpr Cas nombre(const char* texte, double v) { return {texte, Sorte::Nombre, v}; }
constexpr Cas vrai(const char* texte) { return {texte, Sorte::Booléen, -1}; }
constexpr Cas faux(const char* texte) { return {texte, Sorte::Booléen, 0}; }
constexpr Cas échec(const char* texte) { return {texte, Sorte::Échec}; }

void vérifier(const Cas& c) {
    Evaluateur évaluateur;
    const auto r = évaluateur.évaluer(c.texte);
    switch (c.sorte) {
        case Sorte::Échec: EXPECT_FALSE(r.has_value()) << c.texte << " gave " << (r ? r->nombre : 0); break;
        case Sorte::Nombre:
            ASSERT_TRUE(r.has_value()) << c.texte;
            EXPECT_FALSE(r->booléen) << c.texte;
            EXPECT_EQ(r->nombre, c.valeur) << c.texte;
            break;
        case Sorte::Booléen:
            ASSERT_TRUE(r.has_value()) << c.texte;
            EXPECT_TRUE(r->booléen) << c.texte;
            EXPECT_EQ(r->nombre, c.valeur) << c.texte;
            break;
    }
}

TEST(Evaluateur, NumbersAndTruthValues) {
    const Cas cas[] = {
        nombre("12", 12),        nombre(" 12.5 ", 12.5),   nombre(".5", 0.5),         nombre("5.", 5),
        nombre("1E+07", 1e7),    nombre("1.5E-05", 1.5e-5), nombre("2e3", 2000),      nombre("007", 7),
        nombre("1E-400", 0),     nombre("5.E1", 50),
        vrai("True"),            vrai("vrai"),              vrai("VRAI"),              faux("False"),
        faux("fAuX"),            vrai("(Vrai)"),            vrai("+Vrai"),             nombre("-Vrai", 1),
        nombre("Vrai + 1", 0),   nombre("Faux * 3", 0),     vrai("Vrai = -1"),         vrai("Faux = 0"),
        vrai("Vrai < Faux"),     nombre("12.35", 12.35),    vrai("12.35 >= 12.35"),
    };
    for (const auto& c : cas) vérifier(c);
}

TEST(Evaluateur, PrecedenceFollowsClassicBasic) {
    const Cas cas[] = {
        nombre("-2^2", -4),          nombre("2^-2", 0.25),        nombre("2^3^2", 64),
        nombre("2^-2^2", 0.0625),    nombre("-2^-2", -0.25),      nombre("(-2)^2", 4),
        nombre("2*-3^2", -18),       nombre("2+3*4", 14),         nombre("(2+3)*4", 20),
        nombre("1 - - 1", 2),        nombre("2--3", 5),           nombre("---1", -1),
        nombre("8/4/2", 1),          nombre("7\\2", 3),           nombre("10\\3*2", 1),
        nombre("7 Mod 4 \\ 2", 1),   nombre("2*3 Mod 4", 2),      nombre("1+7 Mod 4", 4),
        nombre("10 Mod 3 + 1", 2),   nombre("2^2 Mod 3", 1),      nombre("-7 Mod 3", -1),
        nombre("5 Mod -3", 2),       nombre("-7\\2", -3),         nombre("7.5\\2", 4),
        nombre("6.5\\2", 3),         nombre("2.5 Mod 2", 0),      nombre("3.5 Mod 3", 1),
        vrai("1+2=3 And 2>1"),       vrai("1<2<3"),               faux("3>2>1"),
        vrai("1=1=Vrai"),            vrai("Not 1=2"),             nombre("Not 0", -1),
        nombre("Not 5", -6),         faux("Not Vrai"),            vrai("Not Not Vrai"),
        faux("Vrai And Faux"),       vrai("Vrai Or Faux"),        faux("Vrai Xor Vrai"),
        nombre("12 And 10", 8),      nombre("12 Or 3", 15),       nombre("12 Xor 10", 6),
        nombre("Vrai And 5", 5),     nombre("2 > 1 And 3", 3),    nombre("1 Or 2 And 0", 1),
        nombre("1 Xor 1 Or 1", 0),   faux("Vrai Or Vrai Xor Vrai"), vrai("Not 1 > 2 And 3 > 2"),
        vrai("5 <> 4"),              vrai("5 <= 5"),              faux("4 >= 5"),
        nombre("2147483647 \\ 1", 2147483647), nombre("-2147483648 Mod -1", 0),
        nombre("0^0", 1),            nombre("(-2)^3", -8),        nombre("(-2)^-1", -0.5),
        nombre("5Mod 3", 2),         nombre("1+2*3-4/2^2", 6),
    };
    for (const auto& c : cas) vérifier(c);
}

TEST(Evaluateur, FailuresAreCleanResults) {
    const Cas cas[] = {
        échec(""),              échec("   "),           échec("1/0"),           échec("0/0"),
        échec("5\\0"),          échec("5 Mod 0"),       échec("5 Mod 0.4"),     échec("5\\0.5"),
        échec("1E+400"),        échec("1E308*10"),      échec("10^400"),        échec("(-8)^(1/3)"),
        échec("0^-1"),          échec("(1+2"),          échec("1+2)"),          échec("()"),
        échec("1+"),            échec("*2"),            échec("1 2"),           échec("1 $ 2"),
        échec("abc"),           échec("NO_EVAL"),       échec("Cl\xC3\xB4ture"), échec("12.5[-1]"),
        échec("[-1]"),          échec("1,5"),           échec("1E"),            échec("1E+"),
        échec("=1"),            échec("1=="),           échec("5Mod3"),         échec("1 + Not 0"),
        échec("2147483648 \\ 1"), échec("2147483647.5 Mod 2"), échec("-2147483648 \\ -1"),
        échec("Not 2147483648"), échec("1 And 4294967296"), échec("Vrai Xor 1E+10"),
        échec("1.2.3"),         échec("1\n"),
    };
    for (const auto& c : cas) vérifier(c);
}

std::string répété(const std::string& motif, int n, std::string s = {}) {
    for (int k = 0; k < n; ++k) s += motif;
    return s;
}

TEST(Evaluateur, NestingStopsBeyond256LevelsCountingSignsAndNot) {
    struct Imbrication {
        std::string texte;
        bool réussit;
    };
    const Imbrication cas[] = {
        {répété("(", 256) + "1" + répété(")", 256), true},
        {répété("(", 257) + "1" + répété(")", 257), false},
        {répété("-", 256) + "1", true},
        {répété("-", 257) + "1", false},
        {répété("Not ", 256) + "0", true},
        {répété("Not ", 257) + "0", false},
        {répété("-(", 128) + "1" + répété(")", 128), true},
        {répété("-(", 128, "-") + "1" + répété(")", 128), false},
        {répété("-", 256, "2^") + "1", true},
        {répété("-", 257, "2^") + "1", false},
        {répété("(", 100000) + "1" + répété(")", 100000), false},
    };
    for (const auto& c : cas) {
        Evaluateur évaluateur;
        EXPECT_EQ(évaluateur.évaluer(c.texte).has_value(), c.réussit) << c.texte.substr(0, 40);
    }
}

TEST(Evaluateur, LongFlatExpressionsAreFine) {
    Evaluateur évaluateur;
    const auto somme = évaluateur.évaluer(répété("+1", 100000, "1"));
    ASSERT_TRUE(somme.has_value());
    EXPECT_EQ(somme->nombre, 100001);
    const auto comparaisons = évaluateur.évaluer(répété("<2", 50000, "1"));
    ASSERT_TRUE(comparaisons.has_value());
    EXPECT_TRUE(comparaisons->vrai());
}

TEST(Evaluateur, RandomTextNeverCrashes) {
    const std::string alphabet = "0123456789.+-*/\\^()<>= EeModNtAdrXVaiFux[],";
    std::mt19937 aléa(12345);
    std::uniform_int_distribution<std::size_t> choix(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> longueur(0, 60);
    Evaluateur évaluateur;
    int réussis = 0;
    for (int n = 0; n < 50000; ++n) {
        std::string texte;
        for (int k = longueur(aléa); k > 0; --k) texte += alphabet[choix(aléa)];
        if (évaluateur.évaluer(texte)) ++réussis;
    }
    EXPECT_GT(réussis, 0);
}

}  // namespace
}  // namespace vantorelle
