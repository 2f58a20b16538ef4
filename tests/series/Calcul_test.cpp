#include "series/CalculFormule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OutilsFormules.h"
#include "OutilsSeries.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using test::Cours;
using test::Scène;

const Valeur noEval("NO_EVAL");

Cours clôtures(std::vector<Valeur> c) {
    Cours cours;
    cours.n = static_cast<std::int32_t>(c.size());
    cours.clôture = std::move(c);
    return cours;
}

Monnaie monnaie(std::int64_t unités) { return Monnaie{unités * 10000}; }

struct Cas {
    const char* titre;
    std::vector<std::string> lignes;
    std::vector<std::string> constantes;
    std::vector<Cours> titres;  // scanned in order
    std::string formule;        // the one checked, after the last security
    std::vector<Valeur> attendu;
};

std::vector<Cas> casLimites() {
    Cours pondération = clôtures({1.0f, 1.0f});
    pondération.pondération = {std::int16_t{2}, std::int16_t{2}};
    pondération.volatilité = {1.5f, 0.0f};
    Cours autrePondération = clôtures({1.0f, 1.0f});
    autrePondération.pondération = {std::int16_t{3}, std::int16_t{3}};
    autrePondération.volatilité = {2.5f, 0.0f};
    Cours volatilité = clôtures({1.0f, 1.0f});
    volatilité.volatilité = {1.5f, -3.0f};
    Cours volume = clôtures({1.0f, 1.0f});
    volume.volume = {monnaie(10)};
    Cours chandeliers = clôtures({1.0f, 1.0f});
    chandeliers.chandeliers = {std::int32_t{115}, std::int32_t{118}};
    Cours dates = clôtures({1.0f});
    dates.date = {"20240105"};
    Cours négatif = clôtures({-3.0f});
    négatif.minimum = {-3.0f};
    Cours positif = clôtures({12.5f});
    positif.minimum = {3.0f};
    Cours avecVolume = clôtures({1.0f});
    avecVolume.volume = {monnaie(1000)};
    const std::vector<std::string> marteaux = {"Marteau=208", "MarteauInversé=207"};

    return {
        {"no previous value at 1, then truth values", {"Hausse=Clôture>Clôture[-1]"}, {},
         {clôtures({10.0f, 12.5f, 12.0f})}, "Hausse", {noEval, true, false}},
        {"a decimal comma becomes a point", {"X=Clôture*2"}, {}, {clôtures({12.5f})}, "X", {25.0}},
        {"the formula's own commas too", {"X=Clôture+0,5"}, {}, {clôtures({12.5f})}, "X", {13.0}},
        {"a constant is put in", {"X=EtoileDuSoir", "Y=Chandeliers=EtoileDuSoir"}, {"EtoileDuSoir=115"},
         {chandeliers}, "Y", {true, false}},
        {"constants in list order", {"X=MarteauInversé", "Y=Marteau"}, marteaux, {clôtures({1.0f})}, "X", {noEval}},
        {"an earlier formula at the same position", {"A=Clôture*2", "B=A+1"}, {}, {clôtures({1.0f, 2.0f})},
         "B", {3.0, 5.0}},
        {"a later formula from the previous security", {"B=A+1", "A=Clôture*2"}, {},
         {clôtures({1.0f, 2.0f}), clôtures({5.0f, 6.0f})}, "B", {3.0, 5.0}},
        {"a new later formula is empty", {"B=A+1", "A=Clôture*2"}, {}, {clôtures({1.0f, 2.0f})}, "B", {1.0, 1.0}},
        {"its plain name gives the previous evaluation", {"Y=Y+1"}, {},
         {clôtures({7.0f, 7.0f}), clôtures({7.0f, 7.0f}), clôtures({7.0f, 7.0f})}, "Y", {3.0, 3.0}},
        {"a further equal sign belongs to the expression", {"A=1=1"}, {}, {clôtures({1.0f})}, "A", {true}},
        {"a name inside a longer name", {"Vol=1", "X=Volume>0"}, {}, {avecVolume}, "X", {noEval}},
        {"the longer name alone", {"X=Volume>0"}, {}, {avecVolume}, "X", {true}},
        {"a later name inside Vrai", {"B=1>0", "X=B", "a=2"}, {}, {clôtures({1.0f})}, "X", {noEval}},
        {"Vrai stays without it", {"B=1>0", "X=B"}, {}, {clôtures({1.0f})}, "X", {true}},
        {"the volatility's empty name takes an unresolved offset", {"X=Pondération[-1]"}, {}, {pondération}, "X",
         {noEval, 21.5}},
        {"each security's volatility, once the formula was read on another", {"X=Pondération[-1]"}, {},
         {pondération, autrePondération}, "X", {noEval, 32.5}},
        {"an offset alone", {"X=[-1]*2"}, {}, {volatilité}, "X", {noEval, 3.0}},
        {"an empty value gives an empty text", {"X=Volume-1"}, {}, {volume}, "X", {9.0, -1.0}},
        {"NO_EVAL fails what reads it", {"A=1/0", "B=A"}, {}, {clôtures({1.0f})}, "B", {noEval}},
        {"a date key reads as a number", {"X=Date+1"}, {}, {dates}, "X", {20240106.0}},
        {"a single compares as its text", {"X=Clôture>=12.35", "Y=Clôture<12.3500001"}, {},
         {clôtures({12.35f})}, "Y", {true}},
        {"a negative value before ^", {"X=Clôture^2"}, {}, {négatif}, "X", {-9.0}},
        {"a negative value after ^", {"X=2^Clôture"}, {}, {négatif}, "X", {0.125}},
        {"a negative value after a value subtracts", {"X=Clôture Minimum"}, {}, {négatif}, "X", {-6.0}},
        {"a positive one is a syntax error", {"X=Clôture Minimum"}, {}, {positif}, "X", {noEval}},
    };
}

TEST(Calcul, EdgeCasesOnTheTextsAndCompiled) {
    for (const Cas& c : casLimites()) {
        for (const auto chemin : {Scène::Chemin::Substitution, Scène::Chemin::Compilé}) {
            Scène scène(c.lignes, c.constantes);
            for (const Cours& cours : c.titres) scène.évaluer(cours, chemin);
            EXPECT_EQ(valeursDe(scène.formule(c.formule)), c.attendu)
                << c.titre << (chemin == Scène::Chemin::Compilé ? " (compiled)" : " (texts)");
        }
    }
}

TEST(Calcul, AFormulaReadsItsOwnValuesOfThisPassThroughOffsets) {
    for (const auto chemin : {Scène::Chemin::Substitution, Scène::Chemin::Compilé}) {
        Scène scène({"Y=Y[-1]+1"});
        scène.évaluer(clôtures({1.0f, 1.0f, 1.0f}), chemin);
        // With the previous evaluation's values (5) it would give 6 from position 2.
        for (std::int32_t i = 1; i <= 3; ++i) scène.formule("Y").Item(i, 5.0);
        scène.évaluer(clôtures({1.0f, 1.0f, 1.0f}), chemin);
        EXPECT_EQ(valeursDe(scène.formule("Y")), (std::vector<Valeur>{noEval, noEval, noEval}));
    }
}

TEST(Calcul, TextsBeforeEvaluation) {
    Scène scène({"Hausse=Clôture>Clôture[-1] And Chandeliers=Marteau"}, {"Marteau=208"});
    Cours cours = clôtures({12.5f, 12.75f});
    cours.chandeliers = {std::int32_t{208}, std::int32_t{400}};
    scène.évaluer(cours, Scène::Chemin::Substitution);
    Fonctions& m = scène.membres();
    for (std::size_t k = 0; k < 7; ++k) m.Add(scène.série(k), scène.série(k).Nom());
    const Fonction& f = scène.formule("Hausse");
    EXPECT_EQ(CalculFormule::texteSubstitué(f, m, 1), "12,5>12,5[-1] And 208=Marteau");
    EXPECT_EQ(CalculFormule::texteSubstitué(f, m, 2), "12,75>12,5 And 400=Marteau");
    EXPECT_EQ(CalculFormule::texteÀÉvaluer("12,75>12,5 And 400=Marteau", f.Constantes().get()),
              "12.75>12.5 And 400=208");
}

TEST(Calcul, AShortMemberIsAnIndexErrorAfterTheValuesBeforeIt) {
    for (const auto chemin : {Scène::Chemin::Substitution, Scène::Chemin::Compilé}) {
        Scène scène({"X=Clôture+1"});
        scène.série(1).Allouer(2);  // "Nom" holds 2 positions only
        Cours cours = clôtures({1.0f, 2.0f, 3.0f});
        EXPECT_THROW(scène.évaluer(cours, chemin), ErreurIndice);
        EXPECT_EQ(valeursDe(scène.formule("X")), (std::vector<Valeur>{2.0, 3.0, Valeur()}));
        EXPECT_EQ(scène.membres().Count(), 1);
    }
}

TEST(Calcul, TheOffsetSearchOverflowsItsCounterBeyond32767Values) {
    for (const auto chemin : {Scène::Chemin::Substitution, Scène::Chemin::Compilé}) {
        Scène scène({"X=Clôture[-1]", "Y=Clôture"});
        Cours cours;
        cours.n = 40000;  // the formula itself, read first, still holds a "[" to resolve
        EXPECT_EQ(test::messageDErreur<ErreurConversion>([&] { scène.évaluer(cours, chemin); }),
                  "Dépassement de capacité");
    }
}

TEST(Calcul, SizingEveryFormulaFirstLetsAFormulaReadALaterOne) {
    Fonctions membres;
    auto a = std::make_unique<Fonction>();
    a->Nom("A");
    a->Formule("B+1");
    auto b = std::make_unique<Fonction>();
    b->Nom("B");
    b->Formule("2");
    membres.Add(std::move(a), "A");
    membres.Add(std::move(b), "B");
    CalculFormule::calculerFormules(membres, 2, 150);
    EXPECT_EQ(membres.Item("A").Item(150), Valeur(1.0));
    EXPECT_EQ(membres.Item("B").Item(150), Valeur(2.0));
    CalculFormule::calculerFormules(membres, 2, 150);
    EXPECT_EQ(membres.Item("A").Item(150), Valeur(3.0));
}

}  // namespace
}  // namespace vantorelle
