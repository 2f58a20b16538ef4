#include "series/CalculFormule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OutilsSeries.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using test::Cours;
using test::Scène;
using Col = std::vector<Valeur> Cours::*;

const Valeur noEval("NO_EVAL");
constexpr Scène::Chemin chemins[] = {Scène::Chemin::Substitution, Scène::Chemin::Compilé};

/// Closes, with other columns set as given.
Cours cours(std::vector<Valeur> c, std::initializer_list<std::pair<Col, std::vector<Valeur>>> autres = {}) {
    Cours r;
    r.n = static_cast<std::int32_t>(c.size());
    r.clôture = std::move(c);
    for (const auto& [colonne, valeurs] : autres) r.*colonne = valeurs;
    return r;
}

TEST(CalculFormule, EdgeCasesOnTheTextsAndCompiled) {
    struct Cas {
        const char* titre;
        std::vector<std::string> lignes, constantes;
        std::vector<Cours> titres;  // scanned in order
        std::string formule;        // the one checked, after the last security
        std::vector<Valeur> attendu;
    };
    const Cours un = cours({1.0f}), deux = cours({1.0f, 2.0f}), demi = cours({12.5f});
    const Cours pondération = cours({1.0f, 1.0f}, {{&Cours::pondération, {std::int16_t{2}, std::int16_t{2}}},
                                                   {&Cours::volatilité, {1.5f, 0.0f}}});
    const Cours autrePondération = cours({1.0f, 1.0f}, {{&Cours::pondération, {std::int16_t{3}, std::int16_t{3}}},
                                                        {&Cours::volatilité, {2.5f, 0.0f}}});
    const Cours négatif = cours({-3.0f}, {{&Cours::minimum, {-3.0f}}});
    const Cours avecVolume = cours({1.0f}, {{&Cours::volume, {Monnaie{10000000}}}});
    const Cours septs = cours({7.0f, 7.0f});
    const Cas cas[] = {
        {"no previous value at 1, then truth values", {"Hausse=Clôture>Clôture[-1]"}, {},
         {cours({10.0f, 12.5f, 12.0f})}, "Hausse", {noEval, true, false}},
        {"a decimal comma becomes a point", {"X=Clôture*2"}, {}, {demi}, "X", {25.0}},
        {"the formula's own commas too", {"X=Clôture+0,5"}, {}, {demi}, "X", {13.0}},
        {"a constant is put in", {"X=EtoileDuSoir", "Y=Chandeliers=EtoileDuSoir"}, {"EtoileDuSoir=115"},
         {cours({1.0f, 1.0f}, {{&Cours::chandeliers, {std::int32_t{115}, std::int32_t{118}}}})}, "Y", {true, false}},
        {"constants in list order", {"X=MarteauInversé", "Y=Marteau"}, {"Marteau=208", "MarteauInversé=207"}, {un},
         "X", {noEval}},
        {"an earlier formula at the same position", {"A=Clôture*2", "B=A+1"}, {}, {deux}, "B", {3.0, 5.0}},
        {"a later formula from the previous security", {"B=A+1", "A=Clôture*2"}, {},
         {deux, cours({5.0f, 6.0f})}, "B", {3.0, 5.0}},
        {"a new later formula is empty", {"B=A+1", "A=Clôture*2"}, {}, {deux}, "B", {1.0, 1.0}},
        {"its plain name gives the previous evaluation", {"Y=Y+1"}, {}, {septs, septs, septs}, "Y", {3.0, 3.0}},
        {"a further equal sign belongs to the expression", {"A=1=1"}, {}, {un}, "A", {true}},
        {"a name inside a longer name", {"Vol=1", "X=Volume>0"}, {}, {avecVolume}, "X", {noEval}},
        {"the longer name alone", {"X=Volume>0"}, {}, {avecVolume}, "X", {true}},
        {"a later name inside Vrai", {"B=1>0", "X=B", "a=2"}, {}, {un}, "X", {noEval}},
        {"Vrai stays without it", {"B=1>0", "X=B"}, {}, {un}, "X", {true}},
        {"the volatility's empty name takes an unresolved offset", {"X=Pondération[-1]"}, {}, {pondération}, "X",
         {noEval, 21.5}},
        {"each security's volatility, once the formula was read on another", {"X=Pondération[-1]"}, {},
         {pondération, autrePondération}, "X", {noEval, 32.5}},
        {"an offset alone", {"X=[-1]*2"}, {}, {cours({1.0f, 1.0f}, {{&Cours::volatilité, {1.5f, -3.0f}}})}, "X",
         {noEval, 3.0}},
        {"an empty value gives an empty text", {"X=Volume-1"}, {},
         {cours({1.0f, 1.0f}, {{&Cours::volume, {Monnaie{100000}}}})}, "X", {9.0, -1.0}},
        {"NO_EVAL fails what reads it", {"A=1/0", "B=A"}, {}, {un}, "B", {noEval}},
        {"a date key reads as a number", {"X=Date+1"}, {}, {cours({1.0f}, {{&Cours::date, {"20240105"}}})}, "X",
         {20240106.0}},
        {"a single compares as its text", {"X=Clôture>=12.35", "Y=Clôture<12.3500001"}, {}, {cours({12.35f})}, "Y",
         {true}},
        {"a negative value before ^", {"X=Clôture^2"}, {}, {négatif}, "X", {-9.0}},
        {"a negative value after ^", {"X=2^Clôture"}, {}, {négatif}, "X", {0.125}},
        {"a negative value after a value subtracts", {"X=Clôture Minimum"}, {}, {négatif}, "X", {-6.0}},
        {"a positive one is a syntax error", {"X=Clôture Minimum"}, {}, {cours({12.5f}, {{&Cours::minimum, {3.0f}}})},
         "X", {noEval}},
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

TEST(CalculFormule, TextsBeforeEvaluation) {
    Scène scène({"Hausse=Clôture>Clôture[-1] And Chandeliers=Marteau"}, {"Marteau=208"});
    scène.évaluer(cours({12.5f, 12.75f}, {{&Cours::chandeliers, {std::int32_t{208}, std::int32_t{400}}}}),
                  Scène::Chemin::Substitution);
    Fonctions& m = scène.membres();
    for (std::size_t k = 0; k < 7; ++k) m.Add(scène.série(k), scène.série(k).Nom());
    const Fonction& f = scène.formule("Hausse");
    EXPECT_EQ(CalculFormule::texteSubstitué(f, m, 1), "12,5>12,5[-1] And 208=Marteau");
    EXPECT_EQ(CalculFormule::texteSubstitué(f, m, 2), "12,75>12,5 And 400=Marteau");
    EXPECT_EQ(CalculFormule::texteÀÉvaluer("12,75>12,5 And 400=Marteau", f.Constantes().get()),
              "12.75>12.5 And 400=208");
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
        EXPECT_THROW_MSG(longue.évaluer(Cours{.n = 40000}, chemin), ErreurConversion, "Dépassement de capacité");
    }
}

TEST(CalculFormule, SizingEveryFormulaFirstLetsAFormulaReadALaterOne) {
    Scène scène({"A=B+1", "B=2"});
    const Fonctions& membres = scène.membres();
    CalculFormule::calculerFormules(membres, 2, 150);
    EXPECT_EQ(membres.Item("A").Item(150), Valeur(1.0));
    EXPECT_EQ(membres.Item("B").Item(150), Valeur(2.0));
    CalculFormule::calculerFormules(membres, 2, 150);
    EXPECT_EQ(membres.Item("A").Item(150), Valeur(3.0));
}

}  // namespace
}  // namespace vantorelle
