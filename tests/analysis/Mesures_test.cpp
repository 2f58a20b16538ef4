#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Aides.h"
#include "analysis/BourseCollection.h"
#include "analysis/EvaluationFormules.h"
#include "series/Fonctions.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using test::valeurs;

const Valeur zéro{std::int16_t{0}};

struct Cours {
    float o, h, l, c;
};

BourseCollection avecCours(std::initializer_list<Cours> cours) {
    BourseCollection bourse;
    for (const Cours& p : cours) bourse.Ajouter("20240102", p.o, p.h, p.l, p.c, Monnaie{});
    return bourse;
}

TEST(MesuresTest, OutsideTheCandlesAndAfterChanges) {
    BourseCollection bourse = avecCours({{10, 13, 9, 12}});
    EXPECT_THROW_MSG(bourse.Corps(0), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    EXPECT_EQ(bourse.Corps(2), 0) << "a position within the storage reads empty";
    EXPECT_THROW_MSG(bourse.Corps(102), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    // The measures read a copy of the prices, which follows a new store that took the freed one's place in
    // memory and shows the same version, and every change of a series through its function.
    EXPECT_EQ(bourse.Corps(1), 2);
    const std::uint64_t version = bourse.Clôture.Data()->version();
    bourse.Clôture = Fonction();
    Fonction clôtures;
    clôtures.Item(1, 15.0f);
    ASSERT_EQ(clôtures.Data()->version(), version);
    bourse.Clôture = std::move(clôtures);
    EXPECT_EQ(bourse.Corps(1), 5);
    bourse.Ouverture.Item(1, "14");
    EXPECT_EQ(bourse.Corps(1), 1);
    bourse.Ouverture.Item(1, "quatorze");
    EXPECT_THROW_MSG(bourse.Corps(1), ErreurConversion, "Incompatibilité de type : \"quatorze\" n'est pas un nombre");
    // A value left beyond Nombre by an earlier, longer history is read as it stands.
    bourse.Ouverture.Item(1, 10.0f);
    bourse.Ajouter("20240103", 5, 9, 4, 8, Monnaie{});
    bourse.Nombre = 1;
    EXPECT_EQ(bourse.Corps(2), 3);
}

// ---- Sizes ----

TEST(TaillesTest, SizePercentagesBigBodiesAndNewCandlesOfTheSameCount) {
    // The range over the low in double (13 / 9), the body over its bottom in single (67.5 / 46.47 gives 45.26 %
    // through a single quotient, 45.25 % through a double one); 0 without a low or a body bottom.
    BourseCollection bourse = avecCours({{10, 13, 9, 12}, {12, 12, 0, 11}, {0, 0, 0, 0}, {46.47f, 70, 46, 67.5f}});
    bourse.CalculerTailles();
    EXPECT_EQ(valeurs(bourse.TailleOmbre), (std::vector<Valeur>{44.44f, zéro, zéro, 52.17f}));
    EXPECT_EQ(valeurs(bourse.TailleCorps), (std::vector<Valeur>{20.0f, 9.09f, zéro, 45.26f}));
    EXPECT_EQ(bourse.MoyenneCorps.Longueur(), 0) << "no more candles than Période2";
    EXPECT_FALSE(bourse.CorpsGrand(1));
    EXPECT_FALSE(bourse.OmbreGrande(1));

    // Bodies of 10 %, 20 %, 30 %, 40 % and 50 % of their bottom; averages over 3 divide by 3 from the start.
    bourse = avecCours({{10, 11, 10, 11}, {10, 12, 10, 12}, {10, 13, 10, 13}, {10, 14, 10, 14}, {10, 15, 10, 15},
                        {10, 10.5f, 10, 10.1f}});
    bourse.Options.Item(OptionsAnalyse::Période2, "3");
    bourse.CalculerTailles();
    ASSERT_EQ(bourse.MoyenneCorps.Longueur(), 6);
    EXPECT_EQ(bourse.MoyenneCorps.Item(1), Valeur(3.33f));
    EXPECT_TRUE(bourse.CorpsGrand(1));
    EXPECT_TRUE(bourse.CorpsGrand(5));  // 50 > 40
    EXPECT_FALSE(bourse.CorpsGrand(6));
    EXPECT_FALSE(bourse.CorpsGrand(7)) << "beyond the averages";
    bourse.Options.Item(OptionsAnalyse::TailleMarubozu, "2");
    EXPECT_FALSE(bourse.CorpsGrand(5));  // 50 < 2 × 40
    EXPECT_TRUE(bourse.CorpsGrand(1));   // 10 > 2 × 3.33
    EXPECT_THROW_MSG(bourse.CorpsGrand(0), ErreurIndice, "L'indice n'appartient pas à la sélection.");

    // Recomputed series of the same length must not be mistaken for the earlier ones.
    auto remplir = [](BourseCollection& b, int graine) {
        b.Nombre = 0;
        for (int k = 0; k < 40; ++k) {
            const float o = 10.0f + static_cast<float>((k * graine) % 7);
            const float c = o + static_cast<float>((k * graine * 3) % 5) - 2.0f;
            b.Ajouter("20240102", o, std::max(o, c) + 1, std::min(o, c) - 1, c, Monnaie{});
        }
        b.CalculerTailles();
    };
    BourseCollection rechargée, neuve;
    remplir(rechargée, 3);
    for (std::int32_t i = 1; i <= 40; ++i) static_cast<void>(rechargée.CorpsGrand(i) && rechargée.OmbreGrande(i));
    remplir(rechargée, 5);
    remplir(neuve, 5);
    for (std::int32_t i = 1; i <= 40; ++i) {
        EXPECT_EQ(rechargée.CorpsGrand(i), neuve.CorpsGrand(i)) << i;
        EXPECT_EQ(rechargée.OmbreGrande(i), neuve.OmbreGrande(i)) << i;
        EXPECT_EQ(rechargée.CorpsPetit(i), neuve.CorpsPetit(i)) << i;
    }
}

// ---- Options ----

TEST(OptionsTest, DefaultsConversionsAndVersions) {
    OptionsAnalyse options = OptionsAnalyse::parDéfaut();
    std::vector<std::pair<std::string, std::string>> éléments;
    for (const auto& [clé, valeur] : options.éléments()) éléments.emplace_back(clé, valeur.texte());
    EXPECT_EQ(éléments, (std::vector<std::pair<std::string, std::string>>{
                            {"Tolérance", "0,0625"}, {"AvecTendance", "Vrai"}, {"TailleMarubozu", "1"},
                            {"Période", "14"}, {"Période2", "9"}}));
    EXPECT_THROW_MSG(options.Add("Période", "3"), Erreur, "L'option \"Période\" existe déjà.");
    for (const auto& [texte, booléen] : {std::pair{"1", true}, {"0", false}, {"Vrai", true}, {"False", false}}) {
        options.Item("AvecTendance", texte);
        EXPECT_EQ(options.enBooléen("AvecTendance"), booléen) << texte;
    }
    EXPECT_NE(OptionsAnalyse::parDéfaut().version(), OptionsAnalyse::parDéfaut().version());
    options.Item("Période", "abc");
    EXPECT_THROW_MSG(options.enEntier("Période"), Erreur,
                     "Option \"Période\" : Incompatibilité de type : \"abc\" n'est pas un nombre");
    EXPECT_THROW_MSG(options.enEntier("Inconnue"), Erreur, "L'option \"Inconnue\" n'existe pas.");
}

// ---- Indicators and their cells ----

struct Prix {
    float h, l, c;
};

/// Candles of these prices, the open set to the close, and the trend period.
BourseCollection bougies(const std::vector<Prix>& prix, std::int16_t période = 14) {
    BourseCollection bourse;
    for (const Prix& p : prix) bourse.Ajouter("20240102", p.c, p.h, p.l, p.c, Monnaie{});
    bourse.Options.Item(OptionsAnalyse::Période, std::to_string(période));
    return bourse;
}

Fonction série(const std::vector<Valeur>& valeurs) {
    Fonction f;
    for (const Valeur& v : valeurs) f.Ajouter(v);
    return f;
}

TEST(VolatilitéTest, TwoCandleRangeInPercentOfTheTwoCandleLow) {
    const struct {
        std::vector<Prix> bougies;
        std::vector<Valeur> attendu;
    } cas[] = {
        {{{11, 10, 10}}, {}},
        {{{11, 10, 10}, {11, 10, 10}}, {zéro, 10.0f}},
        // 12 / 9 − 1 = 0.33333337 in single, × 100 = 33.333336.
        {{{12, 10, 11}, {11, 9, 10}}, {zéro, 33.33f}},
        // In double the same quotient would give 3.13.
        {{{11.22f, 10.88f, 11}, {11.0f, 10.95f, 11}}, {zéro, 3.12f}},
        // The product by 100 rounded to single too: 19.87 otherwise.
        {{{12.43f, 10.37f, 11}, {12.0f, 10.5f, 11}}, {zéro, 19.86f}},
        {{{5, 0, 4}, {6, 1, 5}, {6, 2, 5}}, {zéro, zéro, 500.0f}},
    };
    for (const auto& c : cas) EXPECT_EQ(valeurs(bougies(c.bougies).Volatilité()), c.attendu) << c.bougies.size();
    // Only the highs and the lows are read.
    BourseCollection bourse = bougies({{11, 10, 10}, {11, 10, 10}, {12, 10, 11}});
    bourse.Clôture.Item(2, "dix");
    EXPECT_EQ(valeurs(bourse.Volatilité()), (std::vector<Valeur>{zéro, 10.0f, 20.0f}));
    bourse.Maximum.Item(2, "onze");
    EXPECT_THROW_MSG(bourse.Volatilité(), ErreurConversion, "Incompatibilité de type : \"onze\" n'est pas un nombre");
}

TEST(StochTest, PercentKOverNCandlesSmoothedOverM) {
    const struct {
        std::vector<Prix> bougies;
        std::int16_t n, m;
        std::vector<Valeur> attendu;
    } cas[] = {
        // %K 50, 75, 50, 87.5, 0, each averaged with the one before over 2.
        {{{10, 8, 9}, {12, 9, 11}, {11, 10, 10}, {13, 11, 12.5f}, {12, 10, 10}}, 3, 2,
         {25.0f, 62.5f, 62.5f, 68.75f, 43.75f}},
        // %K 33.33, 36.67, 66.67.
        {{{12, 9, 10}, {12, 9, 10.1f}, {11.5f, 9.5f, 11}}, 2, 2, {16.67f, 35.0f, 51.67f}},
        // A window without range repeats the value before.
        {{{10, 10, 10}, {12, 10, 11}, {11, 11, 11}, {12, 11, 12}}, 1, 1, {0.0f, 50.0f, 50.0f, 100.0f}},
        // The window low starts at one million: higher prices never lower it.
        {{{3e6f, 2e6f, 2.5e6f}, {3e6f, 2e6f, 2.5e6f}}, 1, 1, {75.0f, 75.0f}},
        {{{10, 8, 9}, {12, 9, 11}, {11, 10, 10}}, 3, 2, {}},
        {{{10, 8, 9}, {12, 9, 11}}, 14, 9, {}},
    };
    for (const auto& c : cas) EXPECT_EQ(valeurs(bougies(c.bougies).Stoch(c.n, c.m)), c.attendu) << c.n;
    EXPECT_EQ(bougies({{10, 8, 9}, {12, 9, 11}}).Stoch(1, 2).Nom(), "Stoch1,2");
}

/// n candles for a series given apart, their prices of no account.
BourseCollection bougiesSansPrix(std::size_t n, std::int16_t période) {
    return bougies(std::vector<Prix>(n, Prix{1, 1, 1}), période);
}

TEST(VariationTest, TheValueWithItsTrendAndItsChange) {
    const struct {
        std::vector<Valeur> x;
        std::int16_t période;
        std::vector<Valeur> attendu;
    } cas[] = {
        {{10.0f, 10.0f, 10.0f, 10.5f}, 2, {10.0f, "10,00 (=+0%)", "10,00 (=+0%)", "10,50 (/+5%)"}},
        {{10.0f, 10.0f, 10.0f, 9.5f}, 2, {10.0f, "10,00 (=+0%)", "10,00 (=+0%)", "09,50 (\\-5%)"}},
        // In double the rise would be 11.87 %.
        {{11.2f, 12.53f, 11.2f}, 14, {11.2f, "12,53 (=+11,88%)", "11,20 (=-10,61%)"}},
        {{10.0f, 0.0f, 5.0f, 5.5f}, 14, {10.0f, "00,00", "05,00", "05,50 (=+10%)"}},
        {{2.0, 2.5}, 14, {2.0, "02,50 (=+25%)"}},
        {{10.0f}, 14, {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(valeurs(bougiesSansPrix(c.x.size(), c.période).Variation(série(c.x))), c.attendu) << c.x.size();
    // The cells run over the candles, even beyond the series.
    EXPECT_EQ(valeurs(bougiesSansPrix(3, 14).Variation(série({10.0f, 11.0f}))),
              (std::vector<Valeur>{10.0f, "11,00 (=+10%)", "00,00"}));
}

TEST(VariationMoyenneTest, TheValueWithItsTrendAndItsPlaceAgainstItsAverage) {
    const struct {
        std::vector<Valeur> x;
        std::int16_t période;
        const char* format;
        std::vector<Valeur> attendu;
    } cas[] = {
        // Averages over 2 (the first halved): 5, 11, 11.5, 12, 14, 14.5, 13, 12.
        {{10.0f, 12.0f, 11.0f, 13.0f, 15.0f, 14.0f, 12.0f, 12.0f}, 2, "00.00",
         {"10,00 (=>5)", "12,00 (=>11)", "11,00 (=<11,5)", "13,00 (/>12)", "15,00 (/>14)", "14,00 (=<14,5)",
          "12,00 (\\<13)", "12,00 (=>12)"}},
        // The average of 0.1 and 0.1 is the single 0.1, just above the double 0.1.
        {{0.1, 0.1, 0.1, 0.1, 0.1, 0.1}, 2, "0.000",
         {"0,100 (=>0,05)", "0,100 (=<0,1)", "0,100 (=<0,1)", "0,100 (=<0,1)", "0,100 (=<0,1)", "0,100 (=<0,1)"}},
        {{1.0f, 2.0f, 3.0f, 4.0f, 5.0f}, 2, "00.00", {}},
        {{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}, 14, "00.00", {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(valeurs(bougiesSansPrix(c.x.size(), c.période).VariationMoyenne(série(c.x), c.format)), c.attendu)
            << c.x.size();
    // The average holds exactly the series' six values: the seventh candle has none.
    EXPECT_THROW_MSG(bougiesSansPrix(7, 2).VariationMoyenne(série({1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}), "00.00"),
                     ErreurIndice, "L'indice n'appartient pas à la sélection.");
}

// ---- The series published to the formulas ----

TEST(PublicationTest, TheNineSeriesFollowTheFormulasWhileTheyAreEvaluatedEvenOnAnError) {
    test::DossierTemporaire dossier;
    Fonctions collection;
    collection.Charger(dossier.écrire("F.txt", "Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nBaisse=Not Hausse\r\nX=Date\r\n"));
    const auto clés = [&collection] {
        std::vector<std::string> noms;
        for (std::int32_t i = 1; i <= collection.Count(); ++i) noms.push_back(collection.Item(i).Nom());
        return noms;
    };
    // 150 candles whose close rises every other day.
    BourseCollection bc;
    bc.Allouer(150);
    for (std::int32_t i = 1; i <= 150; ++i) {
        const float c = 10.0f + static_cast<float>(i % 2);
        bc.Ajouter(std::to_string(20240000 + i), c, c + 1, c - 1, c, Monnaie{10000});
    }
    const std::vector<std::string> formules{"Hausse", "Baisse", "X"};
    bc.AjouterAuxFonctions(collection);
    EXPECT_EQ(clés(), (std::vector<std::string>{"Hausse", "Baisse", "X", "Date", "Nom", "Maximum", "Minimum", "Clôture",
                                                "Volume", "Chandeliers", "", "Pondération"}));
    EXPECT_EQ(&collection.Item("Nom"), &bc.Ouverture);
    EXPECT_EQ(collection.Item(11).Longueur(), 150);  // the volatility, a series of its own
    bc.SupprimerDesFonctions(collection);  // else the next publication would find its keys taken

    bc.Date.Allouer(2);  // shorter than the candle count: reading it fails
    EXPECT_THROW_MSG(évaluerLesFormules(bc, collection, 3), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    EXPECT_EQ(clés(), formules);
    bc.Date.Allouer(150);  // values 3 to 150 were dropped
    évaluerLesFormules(bc, collection, 3);
    EXPECT_EQ(clés(), formules);
    const Fonction& baisse = collection.Item("Baisse");
    ASSERT_EQ(baisse.Longueur(), 150);
    EXPECT_EQ(baisse.Item(1), Valeur("NO_EVAL"));
    EXPECT_EQ(baisse.Item(2), Valeur(true));  // 10 after 11
    EXPECT_EQ(baisse.Item(3), Valeur(false));
    EXPECT_EQ(collection.Item("X").Item(2), Valeur(20240002.0));
}

}  // namespace
}  // namespace vantorelle
