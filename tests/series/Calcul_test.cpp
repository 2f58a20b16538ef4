#include "series/CalculFormule.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "OutilsSeries.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using test::Cours;
using test::Scène;

const Valeur noEval("NO_EVAL");
constexpr Scène::Chemin chemins[] = {Scène::Chemin::Substitution, Scène::Chemin::Compilé};

/// Closes, with other series by name ("" the volatility).
Cours cours(std::vector<Valeur> clôtures, std::map<std::string, std::vector<Valeur>> autres = {}) {
    const auto n = static_cast<std::int32_t>(clôtures.size());
    autres["Clôture"] = std::move(clôtures);
    return {n, std::move(autres)};
}

TEST(CalculFormule, EdgeCasesOnTheTextsAndCompiled) {
    struct Cas {
        const char* titre;
        std::vector<std::string> lignes, constantes;
        std::vector<Cours> titres;  // scanned in order
        std::string formule;        // the one checked, after the last security
        std::vector<Valeur> attendu;
    };
    const Cours un = cours({1.0f}), deux = cours({1.0f, 2.0f}), demi = cours({12.5f}), septs = cours({7.0f, 7.0f});
    const auto pondérée = [](std::int16_t poids, float volatilité) {
        return cours({1.0f, 1.0f}, {{"Pondération", {poids, poids}}, {"", {volatilité, 0.0f}}});
    };
    const Cours négatif = cours({-3.0f}, {{"Minimum", {-3.0f}}});
    const Cas cas[] = {
        {"no previous value at 1, then truth values", {"Hausse=Clôture>Clôture[-1]"}, {},
         {cours({10.0f, 12.5f, 12.0f})}, "Hausse", {noEval, true, false}},
        {"a decimal comma becomes a point", {"X=Clôture*2"}, {}, {demi}, "X", {25.0}},
        {"a constant is put in", {"X=EtoileDuSoir", "Y=Chandeliers=EtoileDuSoir"}, {"EtoileDuSoir=115"},
         {cours({1.0f, 1.0f}, {{"Chandeliers", {std::int32_t{115}, std::int32_t{118}}}})}, "Y", {true, false}},
        {"constants in list order", {"X=MarteauInversé", "Y=Marteau"}, {"Marteau=208", "MarteauInversé=207"}, {un},
         "X", {noEval}},
        {"an earlier formula at the same position", {"A=Clôture*2", "B=A+1"}, {}, {deux}, "B", {3.0, 5.0}},
        {"a later formula from the previous security", {"B=A+1", "A=Clôture*2"}, {},
         {deux, cours({5.0f, 6.0f})}, "B", {3.0, 5.0}},
        {"its plain name gives the previous evaluation", {"Y=Y+1"}, {}, {septs, septs, septs}, "Y", {3.0, 3.0}},
        {"a name inside a longer name", {"Vol=1", "X=Volume>0"}, {}, {cours({1.0f}, {{"Volume", {Monnaie{10000000}}}})},
         "X", {noEval}},
        {"a later name inside Vrai", {"B=1>0", "X=B", "a=2"}, {}, {un}, "X", {noEval}},
        {"the volatility's empty name takes an unresolved offset", {"X=Pondération[-1]"}, {}, {pondérée(2, 1.5f)}, "X",
         {noEval, 21.5}},
        {"each security's volatility, once the formula was read on another", {"X=Pondération[-1]"}, {},
         {pondérée(2, 1.5f), pondérée(3, 2.5f)}, "X", {noEval, 32.5}},
        {"an offset alone", {"X=[-1]*2"}, {}, {cours({1.0f, 1.0f}, {{"", {1.5f, -3.0f}}})}, "X", {noEval, 3.0}},
        {"an empty value gives an empty text", {"X=Volume-1"}, {}, {cours({1.0f, 1.0f}, {{"Volume", {Monnaie{100000}}}})},
         "X", {9.0, -1.0}},
        {"NO_EVAL fails what reads it", {"A=1/0", "B=A"}, {}, {un}, "B", {noEval}},
        {"a single compares as its text", {"X=Clôture>=12.35", "Y=Clôture<12.3500001"}, {}, {cours({12.35f})}, "Y",
         {true}},
        {"a negative value before ^", {"X=Clôture^2"}, {}, {négatif}, "X", {-9.0}},
        {"a negative value after ^", {"X=2^Clôture"}, {}, {négatif}, "X", {0.125}},
        {"a negative value after a value subtracts", {"X=Clôture Minimum"}, {}, {négatif}, "X", {-6.0}},
    };
    for (const Cas& c : cas) {
        for (const auto chemin : chemins) {
            Scène scène(c.lignes, c.constantes);
            for (const Cours& titre : c.titres) scène.évaluer(titre, chemin);
            EXPECT_EQ(valeursDe(scène.formule(c.formule)), c.attendu)
                << c.titre << (chemin == Scène::Chemin::Compilé ? " (compiled)" : " (texts)");
        }
    }
}

TEST(CalculFormule, AFormulaReadsItsOwnValuesOfThisPassThroughOffsets) {
    for (const auto chemin : chemins) {
        Scène scène({"Y=Y[-1]+1"});
        scène.évaluer(cours({1.0f, 1.0f, 1.0f}), chemin);
        // With the previous evaluation's values (5) it would give 6 from position 2.
        for (std::int32_t i = 1; i <= 3; ++i) scène.formule("Y").Item(i, 5.0);
        scène.évaluer(cours({1.0f, 1.0f, 1.0f}), chemin);
        EXPECT_EQ(valeursDe(scène.formule("Y")), (std::vector<Valeur>{noEval, noEval, noEval}));
    }
}

TEST(CalculFormule, AShortMemberOrALongSeriesStopsTheEvaluation) {
    for (const auto chemin : chemins) {
        Scène scène({"X=Clôture+1"});
        scène.série(1).Allouer(2);  // "Nom" holds 2 positions only: the values before it stay
        EXPECT_THROW_MSG(scène.évaluer(cours({1.0f, 2.0f, 3.0f}), chemin), ErreurIndice,
                         "L'indice n'appartient pas à la sélection.");
        EXPECT_EQ(valeursDe(scène.formule("X")), (std::vector<Valeur>{2.0, 3.0, Valeur()}));
        // Beyond 32767 values the offset search overflows its counter: the formula itself, read first, still
        // holds a "[" to resolve.
        Scène longue({"X=Clôture[-1]", "Y=Clôture"});
        EXPECT_THROW_MSG(longue.évaluer(Cours{40000}, chemin), ErreurConversion, "Dépassement de capacité");
    }
}

TEST(CalculFormule, SizingEveryFormulaFirstLetsAFormulaReadALaterOne) {
    Scène scène({"A=B+1", "B=2"});
    const Fonctions& membres = scène.membres();
    CalculFormule::calculerFormules(membres, 2, 150);
    EXPECT_EQ(membres.Item("A").Item(150), Valeur(1.0));
    CalculFormule::calculerFormules(membres, 2, 150);
    EXPECT_EQ(membres.Item("A").Item(150), Valeur(3.0));
}

struct Attendu {
    const char* texte;
    bool booléen;
    double valeur;  // the number, or -1 / 0 for a truth value
};

constexpr Attendu nombre(const char* texte, double v) { return {texte, false, v}; }
constexpr Attendu vrai(const char* texte) { return {texte, true, -1}; }
constexpr Attendu faux(const char* texte) { return {texte, true, 0}; }

TEST(Evaluateur, ValuesPrecedenceAndFailures) {
    const Attendu cas[] = {
        nombre(" 12.5 ", 12.5), nombre(".5", 0.5), nombre("5.", 5), nombre("1.5E-05", 1.5e-5), nombre("2e3", 2000),
        nombre("1E-400", 0), vrai("True"), faux("fAuX"), vrai("+Vrai"), nombre("-Vrai", 1), nombre("Vrai + 1", 0),
        vrai("Vrai = -1"), vrai("Vrai < Faux"),
        // The precedence of classic Basic.
        nombre("-2^2", -4), nombre("2^3^2", 64), nombre("2^-2^2", 0.0625), nombre("2*-3^2", -18), nombre("2+3*4", 14),
        nombre("1 - - 1", 2), nombre("8/4/2", 1), nombre("10\\3*2", 1), nombre("7 Mod 4 \\ 2", 1), nombre("1+7 Mod 4", 4),
        nombre("-7 Mod 3", -1), nombre("-7\\2", -3), nombre("7.5\\2", 4), nombre("6.5\\2", 3), faux("3>2>1"),
        vrai("Not 1=2"), nombre("Not 5", -6), faux("Not Vrai"), faux("Vrai And Faux"), vrai("Vrai Or Faux"),
        faux("Vrai Xor Vrai"), nombre("12 And 10", 8), nombre("12 Or 3", 15), nombre("12 Xor 10", 6),
        nombre("Vrai And 5", 5), nombre("1 Or 2 And 0", 1), nombre("1 Xor 1 Or 1", 0), vrai("Not 1 > 2 And 3 > 2"),
        vrai("5 <> 4"), vrai("5 <= 5"), faux("4 >= 5"), faux("5 < 5"), faux("5 > 5"),
        nombre("2147483647 \\ 1", 2147483647), nombre("-2147483648 Mod -1", 0), nombre("0^0", 1),
        nombre("(-2)^-1", -0.5), nombre("5Mod 3", 2),
    };
    for (const Attendu& c : cas) {
        const auto r = Evaluateur().évaluer(c.texte);
        ASSERT_TRUE(r.has_value()) << c.texte;
        EXPECT_EQ(r->booléen, c.booléen) << c.texte;
        EXPECT_EQ(r->nombre, c.valeur) << c.texte;
    }
    // Failures are clean results.
    const char* const échecs[] = {
        "", "1/0", "5\\0", "5 Mod 0.4", "1E+400", "10^400", "(-8)^(1/3)", "0^-1", "(1+2", "1+2)", "()", "1+", "1 2",
        "abc", "NO_EVAL", "Cl\xC3\xB4ture", "12.5[-1]", "1,5", "1E+", "1==", "5Mod3", "1 + Not 0", "2147483648 \\ 1",
        "2147483647.5 Mod 2", "-2147483648 \\ -1", "Not 2147483648", "1 And 4294967296",
    };
    for (const char* texte : échecs) EXPECT_FALSE(Evaluateur().évaluer(texte).has_value()) << texte;
}

std::string répété(const std::string& motif, int n, std::string s = {}) {
    for (int k = 0; k < n; ++k) s += motif;
    return s;
}

// Nesting stops beyond 256 levels, signs and Not counted; long flat chains are no nesting.
TEST(Evaluateur, NestingDepth) {
    const std::pair<std::string, bool> cas[] = {
        {répété("(", 256) + "1" + répété(")", 256), true},   {répété("(", 257) + "1" + répété(")", 257), false},
        {répété("-", 256) + "1", true},                       {répété("-", 257) + "1", false},
        {répété("Not ", 256) + "0", true},                    {répété("Not ", 257) + "0", false},
        {répété("-(", 128) + "1" + répété(")", 128), true},   {répété("-(", 128, "-") + "1" + répété(")", 128), false},
        {répété("(", 100000) + "1" + répété(")", 100000), false}, {répété("<2", 50000, "1"), true},
    };
    for (const auto& [texte, réussit] : cas)
        EXPECT_EQ(Evaluateur().évaluer(texte).has_value(), réussit) << texte.substr(0, 40);
    EXPECT_EQ(Evaluateur().évaluer(répété("+1", 100000, "1")).value().nombre, 100001);
}

}  // namespace
}  // namespace vantorelle
