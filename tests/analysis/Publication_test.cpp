#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/EvaluationFormules.h"
#include "series/Fonctions.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

/// A security of n candles whose close rises every other day, in a global collection holding `formules`.
class PublicationTest : public ::testing::Test {
protected:
    void charger(std::int32_t n) {
        bc.Allouer(n);
        for (std::int32_t i = 1; i <= n; ++i) {
            const float c = 10.0f + static_cast<float>(i % 2);
            bc.Ajouter(std::to_string(20240000 + i), c, c + 1, c - 1, c, Monnaie{10000});
        }
    }
    void formules(const std::vector<std::string>& lignes) {
        for (const std::string& ligne : lignes) {
            auto f = std::make_unique<Fonction>();
            f->Nom(Fonctions::NomCst(ligne));
            f->Formule(Fonctions::ValeurCst(ligne));
            Fonctions::globale().Add(std::move(f), Fonctions::NomCst(ligne));
        }
    }
    std::vector<std::string> clés() const {
        std::vector<std::string> noms;
        for (std::int32_t i = 1; i <= Fonctions::globale().Count(); ++i) noms.push_back(Fonctions::globale().Item(i).Nom());
        return noms;
    }

    void SetUp() override { Fonctions::globale().vider(); }
    void TearDown() override { Fonctions::globale().vider(); }

    BourseCollection bc;
};

TEST_F(PublicationTest, PublishesTheNineSeriesAfterTheFormulasAndTakesThemOut) {
    formules({"Hausse=Clôture>Clôture[-1]"});
    charger(3);
    bc.AjouterAuxFonctions();
    EXPECT_EQ(clés(), (std::vector<std::string>{"Hausse", "Date", "Nom", "Maximum", "Minimum", "Clôture", "Volume",
                                                "Chandeliers", "", "Pondération"}));
    EXPECT_EQ(&Fonctions::globale().Item("Nom"), &bc.Ouverture);
    EXPECT_EQ(Fonctions::globale().Item(9).Longueur(), 3);  // the volatility, a series of its own
    bc.SupprimerDesFonctions();
    EXPECT_EQ(clés(), (std::vector<std::string>{"Hausse"}));
}

TEST_F(PublicationTest, TwoFormulasOverMoreThan100CandlesAreEvaluated) {
    formules({"Hausse=Clôture>Clôture[-1]", "Baisse=Not Hausse"});
    charger(150);
    évaluerLesFormules(bc, 2);
    const Fonction& baisse = Fonctions::globale().Item("Baisse");
    ASSERT_EQ(baisse.Longueur(), 150);
    EXPECT_EQ(baisse.Item(1), Valeur("NO_EVAL"));
    EXPECT_EQ(baisse.Item(2), Valeur(true));  // 10 after 11
    EXPECT_EQ(baisse.Item(3), Valeur(false));
    EXPECT_EQ(Fonctions::globale().Count(), 2);
}

TEST_F(PublicationTest, TheSeriesLeaveOnAnErrorToo) {
    formules({"X=Date"});
    charger(5);
    bc.Date.Allouer(2);  // shorter than the candle count: reading it fails
    EXPECT_THROW(évaluerLesFormules(bc, 1), ErreurIndice);
    EXPECT_EQ(clés(), (std::vector<std::string>{"X"}));
    bc.Date.Allouer(5);  // values 3 to 5 were dropped
    évaluerLesFormules(bc, 1);
    EXPECT_EQ(Fonctions::globale().Item("X").Item(2), Valeur(20240002.0));
}

TEST_F(PublicationTest, ASecurityWithoutCandlesLeavesTheFormulasAsTheyAre) {
    formules({"X=1"});
    évaluerLesFormules(bc, 1);
    EXPECT_EQ(Fonctions::globale().Item("X").Longueur(), 0);
    EXPECT_EQ(Fonctions::globale().Count(), 1);
}

}  // namespace
}  // namespace vantorelle
