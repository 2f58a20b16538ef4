#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Communes.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

struct Prix {
    float o, h, l, c;
};

BourseCollection bougies(std::initializer_list<Prix> prix) {
    BourseCollection bourse;
    for (const Prix& p : prix) bourse.Ajouter("20240102", p.o, p.h, p.l, p.c, Monnaie{});
    return bourse;
}

std::vector<Valeur> valeurs(const Fonction& f) {
    std::vector<Valeur> v;
    for (std::int32_t i = 1; i <= f.Longueur(); ++i) v.push_back(f.Item(i));
    return v;
}

TEST(MesuresTest, OutsideTheCandlesAndAfterChanges) {
    BourseCollection bourse = bougies({{10, 13, 9, 12}});
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
    EXPECT_EQ(bourse.Corps(1), 5);
}

// ---- Sizes ----

TEST(TaillesTest, SizePercentages) {
    // The range over the low in double (13 / 9), the body over its bottom in single (67.5 / 46.47 gives 45.26 %
    // through a single quotient, 45.25 % through a double one); 0 without a low or a body bottom.
    BourseCollection bourse = bougies({{10, 13, 9, 12}, {12, 12, 0, 11}, {0, 0, 0, 0}, {46.47f, 70, 46, 67.5f}});
    bourse.CalculerTailles();
    const Valeur zéro{std::int16_t{0}};
    EXPECT_EQ(valeurs(bourse.TailleOmbre), (std::vector<Valeur>{44.44f, zéro, zéro, 52.17f}));
    EXPECT_EQ(valeurs(bourse.TailleCorps), (std::vector<Valeur>{20.0f, 9.09f, zéro, 45.26f}));
    EXPECT_EQ(bourse.MoyenneCorps.Longueur(), 0) << "no more candles than Période2";
    EXPECT_FALSE(bourse.CorpsGrand(1));
    EXPECT_FALSE(bourse.OmbreGrande(1));
}

TEST(TaillesTest, BigBodyAgainstTheAverage) {
    // Bodies of 10 %, 20 %, 30 %, 40 % and 50 % of their bottom; averages over 3 divide by 3 from the start.
    BourseCollection bourse = bougies({{10, 11, 10, 11}, {10, 12, 10, 12}, {10, 13, 10, 13}, {10, 14, 10, 14},
                                       {10, 15, 10, 15}, {10, 10.5f, 10, 10.1f}});
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
}

TEST(TaillesTest, NewCandlesOfTheSameCount) {
    // Recomputed series of the same length must not be mistaken for the earlier ones.
    auto remplir = [](BourseCollection& bourse, int graine) {
        bourse.Nombre = 0;
        for (int k = 0; k < 40; ++k) {
            const float o = 10.0f + static_cast<float>((k * graine) % 7);
            const float c = o + static_cast<float>((k * graine * 3) % 5) - 2.0f;
            bourse.Ajouter("20240102", o, std::max(o, c) + 1, std::min(o, c) - 1, c, Monnaie{});
        }
        bourse.CalculerTailles();
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
    EXPECT_FALSE(options.Contient("tolérance")) << "keys are case-sensitive";
    EXPECT_THROW_MSG(options.Add("Période", "3"), Erreur, "L'option \"Période\" existe déjà.");
    const std::uint64_t avant = options.version();
    for (const auto& [texte, booléen] : {std::pair{"1", true}, {"0", false}, {"Vrai", true}, {"False", false}}) {
        options.Item("AvecTendance", texte);
        EXPECT_EQ(options.enBooléen("AvecTendance"), booléen) << texte;
    }
    EXPECT_NE(options.version(), avant);
    EXPECT_NE(OptionsAnalyse::parDéfaut().version(), OptionsAnalyse::parDéfaut().version());
    options.Item("Période", "14,5");
    EXPECT_EQ(options.enEntier("Période"), 14);
    options.Item("Période", "abc");
    EXPECT_THROW_MSG(options.enEntier("Période"), Erreur,
                     "Option \"Période\" : Incompatibilité de type : \"abc\" n'est pas un nombre");
    EXPECT_THROW_MSG(options.enEntier("Inconnue"), Erreur, "L'option \"Inconnue\" n'existe pas.");
}

TEST(CommunesTest, MaxiMiniEntreContient) {
    EXPECT_EQ(Maxi(3, 5), 5);
    EXPECT_EQ(Mini(3.5f, 2.5f), 2.5f);
    EXPECT_EQ((std::array{Entre(5, 7, 3), Entre(5, 3, 7), Entre(3, 3, 3), Entre(2.5f, 2.5, 3)}),
              (std::array{false, true, true, true}));
    const std::array<int, 3> liste{4, 8, 15};
    EXPECT_EQ((std::array{Contient(8, std::span<const int>(liste)), Contient(9, {4, 8, 15}),
                          Contient(15.0, {4.0, 8.0, 15.0})}),
              (std::array{true, false, true}));
}

}  // namespace
}  // namespace vantorelle
