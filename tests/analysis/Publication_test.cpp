#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/EvaluationFormules.h"
#include "series/Fonctions.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

/// A security of n candles whose close rises every other day, and a collection holding `formules`.
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
            collection.Add(std::move(f), Fonctions::NomCst(ligne));
        }
    }
    std::vector<std::string> clés() const {
        std::vector<std::string> noms;
        for (std::int32_t i = 1; i <= collection.Count(); ++i) noms.push_back(collection.Item(i).Nom());
        return noms;
    }

    BourseCollection bc;
    Fonctions collection;
};

TEST_F(PublicationTest, PublishesTheNineSeriesAfterTheFormulasAndTakesThemOut) {
    formules({"Hausse=Clôture>Clôture[-1]"});
    charger(3);
    bc.AjouterAuxFonctions(collection);
    EXPECT_EQ(clés(), (std::vector<std::string>{"Hausse", "Date", "Nom", "Maximum", "Minimum", "Clôture", "Volume",
                                                "Chandeliers", "", "Pondération"}));
    EXPECT_EQ(&collection.Item("Nom"), &bc.Ouverture);
    EXPECT_EQ(collection.Item(9).Longueur(), 3);  // the volatility, a series of its own
    bc.SupprimerDesFonctions(collection);
    EXPECT_EQ(clés(), (std::vector<std::string>{"Hausse"}));
}

TEST_F(PublicationTest, FormulasAreEvaluatedOverTheCandlesAndTheSeriesLeaveEvenOnAnError) {
    formules({"Hausse=Clôture>Clôture[-1]", "Baisse=Not Hausse", "X=Date"});
    évaluerLesFormules(bc, collection, 3);  // no candle: the formulas are left as they are
    EXPECT_EQ(collection.Item("X").Longueur(), 0);
    charger(150);
    bc.Date.Allouer(2);  // shorter than the candle count: reading it fails
    EXPECT_THROW_MSG(évaluerLesFormules(bc, collection, 3), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    EXPECT_EQ(clés(), (std::vector<std::string>{"Hausse", "Baisse", "X"}));
    bc.Date.Allouer(150);  // values 3 to 150 were dropped
    évaluerLesFormules(bc, collection, 3);
    const Fonction& baisse = collection.Item("Baisse");
    ASSERT_EQ(baisse.Longueur(), 150);
    EXPECT_EQ(baisse.Item(1), Valeur("NO_EVAL"));
    EXPECT_EQ(baisse.Item(2), Valeur(true));  // 10 after 11
    EXPECT_EQ(baisse.Item(3), Valeur(false));
    EXPECT_EQ(collection.Item("X").Item(2), Valeur(20240002.0));
    EXPECT_EQ(clés(), (std::vector<std::string>{"Hausse", "Baisse", "X"}));
}

}  // namespace
}  // namespace vantorelle
