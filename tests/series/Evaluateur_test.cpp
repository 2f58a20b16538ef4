#include "series/Evaluateur.h"

#include <gtest/gtest.h>

#include <string>

namespace vantorelle {
namespace {

struct Cas {
    const char* texte;
    bool booléen;
    double valeur;  // the number, or -1 / 0 for a truth value
};

constexpr Cas nombre(const char* texte, double v) { return {texte, false, v}; }
constexpr Cas vrai(const char* texte) { return {texte, true, -1}; }
constexpr Cas faux(const char* texte) { return {texte, true, 0}; }

TEST(Evaluateur, ValuesPrecedenceAndFailures) {
    const Cas cas[] = {
        nombre("12", 12), nombre(" 12.5 ", 12.5), nombre(".5", 0.5), nombre("5.", 5), nombre("1E+07", 1e7),
        nombre("1.5E-05", 1.5e-5), nombre("2e3", 2000), nombre("007", 7), nombre("1E-400", 0), nombre("5.E1", 50),
        vrai("True"), vrai("vrai"), vrai("VRAI"), faux("False"), faux("fAuX"), vrai("(Vrai)"), vrai("+Vrai"),
        nombre("-Vrai", 1), nombre("Vrai + 1", 0), nombre("Faux * 3", 0), vrai("Vrai = -1"), vrai("Faux = 0"),
        vrai("Vrai < Faux"), nombre("12.35", 12.35), vrai("12.35 >= 12.35"),
        // The precedence of classic Basic.
        nombre("-2^2", -4), nombre("2^-2", 0.25), nombre("2^3^2", 64), nombre("2^-2^2", 0.0625), nombre("-2^-2", -0.25),
        nombre("(-2)^2", 4), nombre("2*-3^2", -18), nombre("2+3*4", 14), nombre("(2+3)*4", 20), nombre("1 - - 1", 2),
        nombre("2--3", 5), nombre("---1", -1), nombre("8/4/2", 1), nombre("7\\2", 3), nombre("10\\3*2", 1),
        nombre("7 Mod 4 \\ 2", 1), nombre("2*3 Mod 4", 2), nombre("1+7 Mod 4", 4), nombre("10 Mod 3 + 1", 2),
        nombre("2^2 Mod 3", 1), nombre("-7 Mod 3", -1), nombre("5 Mod -3", 2), nombre("-7\\2", -3), nombre("7.5\\2", 4),
        nombre("6.5\\2", 3), nombre("2.5 Mod 2", 0), nombre("3.5 Mod 3", 1), vrai("1+2=3 And 2>1"), vrai("1<2<3"),
        faux("3>2>1"), vrai("1=1=Vrai"), vrai("Not 1=2"), nombre("Not 0", -1), nombre("Not 5", -6), faux("Not Vrai"),
        vrai("Not Not Vrai"), faux("Vrai And Faux"), vrai("Vrai Or Faux"), faux("Vrai Xor Vrai"),
        nombre("12 And 10", 8), nombre("12 Or 3", 15), nombre("12 Xor 10", 6), nombre("Vrai And 5", 5),
        nombre("2 > 1 And 3", 3), nombre("1 Or 2 And 0", 1), nombre("1 Xor 1 Or 1", 0), faux("Vrai Or Vrai Xor Vrai"),
        vrai("Not 1 > 2 And 3 > 2"), vrai("5 <> 4"), vrai("5 <= 5"), faux("4 >= 5"),
        nombre("2147483647 \\ 1", 2147483647), nombre("-2147483648 Mod -1", 0), nombre("0^0", 1), nombre("(-2)^3", -8),
        nombre("(-2)^-1", -0.5), nombre("5Mod 3", 2), nombre("1+2*3-4/2^2", 6),
    };
    for (const Cas& c : cas) {
        const auto r = Evaluateur().évaluer(c.texte);
        ASSERT_TRUE(r.has_value()) << c.texte;
        EXPECT_EQ(r->booléen, c.booléen) << c.texte;
        EXPECT_EQ(r->nombre, c.valeur) << c.texte;
    }
    // Failures are clean results.
    const char* const échecs[] = {
        "", "   ", "1/0", "0/0", "5\\0", "5 Mod 0", "5 Mod 0.4", "5\\0.5", "1E+400", "1E308*10", "10^400", "(-8)^(1/3)",
        "0^-1", "(1+2", "1+2)", "()", "1+", "*2", "1 2", "1 $ 2", "abc", "NO_EVAL", "Cl\xC3\xB4ture", "12.5[-1]",
        "[-1]", "1,5", "1E", "1E+", "=1", "1==", "5Mod3", "1 + Not 0", "2147483648 \\ 1", "2147483647.5 Mod 2",
        "-2147483648 \\ -1", "Not 2147483648", "1 And 4294967296", "Vrai Xor 1E+10", "1.2.3", "1\n",
    };
    for (const char* texte : échecs) EXPECT_FALSE(Evaluateur().évaluer(texte).has_value()) << texte;
}

std::string répété(const std::string& motif, int n, std::string s = {}) {
    for (int k = 0; k < n; ++k) s += motif;
    return s;
}

TEST(Evaluateur, NestingStopsBeyond256LevelsCountingSignsAndNot) {
    const std::pair<std::string, bool> cas[] = {
        {répété("(", 256) + "1" + répété(")", 256), true},   {répété("(", 257) + "1" + répété(")", 257), false},
        {répété("-", 256) + "1", true},                       {répété("-", 257) + "1", false},
        {répété("Not ", 256) + "0", true},                    {répété("Not ", 257) + "0", false},
        {répété("-(", 128) + "1" + répété(")", 128), true},   {répété("-(", 128, "-") + "1" + répété(")", 128), false},
        {répété("(", 100000) + "1" + répété(")", 100000), false},
    };
    for (const auto& [texte, réussit] : cas)
        EXPECT_EQ(Evaluateur().évaluer(texte).has_value(), réussit) << texte.substr(0, 40);
}

TEST(Evaluateur, LongFlatExpressions) {
    const auto somme = Evaluateur().évaluer(répété("+1", 100000, "1"));
    ASSERT_TRUE(somme.has_value());
    EXPECT_EQ(somme->nombre, 100001);
    EXPECT_TRUE(Evaluateur().évaluer(répété("<2", 50000, "1"))->vrai());
}

}  // namespace
}  // namespace vantorelle
