#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "Aides.h"
#include "demo/BaseDemo.h"
#include "main/Generateur.h"
#include "main/RemplissageTableau.h"
#include "main/Statut.h"
#include "store/Erreur.h"
#include "support/EnvironnementEssai.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;
using S = CompteursStat;
using P = PériodeBougie;
using test::SuiviEssai;
using Lignes = std::vector<std::string>;

/// One history line per calendar day from `début`, `n` days, at a constant price.
std::string coursPlats(Jour début, int n, const std::string& prix) {
    std::string texte;
    for (int k = 0; k < n; ++k)
        texte += début.plus(k).texte() + "\t" + prix + "\t" + prix + "\t" + prix + "\t" + prix + "\t1000000\r\n";
    return texte;
}

class GenerateurTest : public ::testing::Test {
protected:
    void SetUp() override { réglages("0"), std::filesystem::create_directories(env_.chemin("donnees/base/groupe")); }
    void réglages(const std::string& avecFormules) {
        env_.écrire("config/Vantorelle.ini", "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\n"
                                             "TailleMarubozu=1\n[Path]\nPathPlotanex=" + env_.chemin("donnees") +
                                                 "/\nAvecFormules=" + avecFormules + "\nAfficherDate=1\n");
    }
    std::string historique(const std::string& code, const std::string& texte) {
        return env_.écrire("donnees/base/histo/Nom_" + code + ".txt", texte);
    }
    std::string groupeVantorelle() const { return test::lireOctets(env_.chemin("donnees/base/groupe/Vantorelle.txt")); }
    static ParamètresScan paramètres(const Lignes& codes, Jour du, Jour au, P période = P::Jour, bool confirmation = false) {
        ParamètresScan p{"Essai", {}, du, au, période, confirmation};
        for (const std::string& code : codes) p.valeurs.push_back({code, "Nom " + code});
        return p;
    }

    /// A generation into the test's dashboard, as the command line runs it.
    void générer(const ParamètresScan& p, Progression& suivi) { GénérerSurCeFil(générateur_, p, tableau_, traduire_, suivi); }
    /// The same, its rows then put in date order.
    void scanner(const ParamètresScan& p) {
        Progression suivi;
        générer(p, suivi);
        tableau_.CliquerColonne(T::Date), tableau_.Croissant(true);
    }

    test::EnvironnementEssai env_;
    T tableau_;
    // Figure names are translated; the rest stays French.
    const Traduction traduire_ = [](const std::string& section, const std::string& nom) {
        return section == "Chandeliers" ? "[" + nom + "]" : nom;
    };
    Générateur générateur_{env_.emplacements(), traduire_};
};

TEST_F(GenerateurTest, StopsErrorsThresholdsAndAnEmptyGroup) {
    Lignes codes;
    for (int k = 1; k <= 10; ++k) codes.push_back("FR00000000" + std::to_string(10 + k));
    // The second has no history: left out, but counted in the progress. Loading the fifth would fail.
    for (const auto& [k, prix] : {std::pair{0, "50"}, {2, "60"}, {3, "75"}})
        historique(codes[k], coursPlats(Jour::de(2024, 1, 1), 40, prix));
    const std::string cassé =
        historique(codes[4], coursPlats(Jour::de(2024, 1, 1), 20, "14") + "20240121\t14\tquatorze\t14\t14\t1\r\n");
    SuiviEssai suivi(5);  // asked once before the loop, then after each security
    const ParamètresScan p = paramètres(codes, Jour::de(2024, 1, 30), Jour::de(2024, 2, 9));
    générer(p, suivi);
    EXPECT_EQ(suivi.rapports, (Lignes{"statut Génération en cours ...", "progression 10", "progression 20",
                                      "progression 30", "statut 0 figures baissières, 0 figures haussières, 33 "
                                      "figures neutres, 0 clôtures en hausse, 0 clôtures en baisse"}));
    ASSERT_EQ(tableau_.Nombre(), 33u);
    EXPECT_EQ(tableau_.NbLignes, 33);
    // No figure (400) counts as neutral, as the summary shows; a close of exactly 50 counts neither above nor
    // below; a million shares is 1.
    const struct { S::Ligne l; S::Colonne c; int n; } compteurs[] = {
        {S::Clôture, S::Neutre, 33}, {S::Clôture, S::TendanceNeutre, 33}, {S::Clôture, S::Plus50, 22},
        {S::Clôture, S::Moins50, 0}, {S::Clôture, S::Plus70, 11},         {S::Volume, S::Moins30, 33},
        {S::RSI, S::Moins30, 33}};
    for (const auto& k : compteurs) EXPECT_EQ(tableau_.Compteurs(k.l, k.c), k.n) << k.l << ' ' << k.c;

    SuiviEssai arrêt(1);  // a stop before the first security keeps the rows, sorted and saved again
    générer(p, arrêt);
    EXPECT_EQ(tableau_.Nombre(), 33u);
    EXPECT_EQ(tableau_.NbLignes, 0);
    EXPECT_EQ(arrêt.rapports.size(), 1u);

    env_.écrire("donnees/base/groupe/Vantorelle.txt", "ancien\r\n");
    SuiviEssai erreur;  // without a stop, the fifth security ends the generation
    EXPECT_THROW_MSG(générer(p, erreur), ErreurConversion,
                     cassé + " : ligne 21 : date 20240121 : champ 3 (Maximum) : \"quatorze\" n'est pas un nombre.");
    ASSERT_EQ(tableau_.Nombre(), 33u) << "the rows of the securities before, in the order they came";
    for (std::size_t i = 0; i < 33; ++i)
        EXPECT_EQ(std::string(tableau_.Texte(i, T::Code)).append(tableau_.Texte(i, T::Date)),
                  codes[i < 11 ? 0 : i / 11 + 1] + Jour::de(2024, 1, 30).plus(static_cast<int>(i % 11)).texte());
    EXPECT_EQ(groupeVantorelle(), "ancien\r\n") << "no group save";
    EXPECT_EQ(erreur.rapports.back(), "progression 40") << "no summary";

    SuiviEssai vide;  // an empty group empties the saved group
    générer(paramètres({}, Jour::de(2024, 1, 2), Jour::de(2024, 1, 2)), vide);
    EXPECT_EQ(tableau_.Nombre(), 0u);
    EXPECT_EQ(groupeVantorelle(), "");
    EXPECT_EQ(vide.rapports, (Lignes{"statut Génération en cours ...",
                                     "statut 0 figures baissières, 0 figures haussières, 0 figures neutres, 0 "
                                     "clôtures en hausse, 0 clôtures en baisse"}));
}

TEST_F(GenerateurTest, LoadedWindowLooksBackAndReadsTheNextDayForConfirmationAndLastQuoteDate) {
    // A broken line is an error only when the load reads it: it shows where the window starts and ends.
    // Days from the start date (negative) or from the end date (positive).
    const struct { P bougie; bool confirmation; int décalage; bool erreur; } cas[] = {
        {P::Jour, false, -34, true},      {P::Jour, false, -35, false}, {P::Semaine, false, -170, true},
        {P::Semaine, false, -171, false}, {P::Mois, false, -748, true}, {P::Mois, false, -749, false},
        {P::Jour, true, 1, true},         {P::Jour, false, 1, false},   {P::Jour, true, 2, false}};
    const Jour du = Jour::de(2024, 6, 3), au = Jour::de(2024, 6, 28), début = du.plus(-800);
    for (const auto& c : cas) {
        const Jour cassée = c.décalage < 0 ? du.plus(c.décalage) : au.plus(c.décalage);
        std::string texte;
        for (Jour j = début; j <= au.plus(5); j = j.plus(1))
            texte += j.texte() + (j == cassée ? "\tdix" : "\t10") + "\t11\t9\t10,5\t1000\r\n";
        const std::string chemin = historique("FR0000000011", texte);
        const std::string message = chemin + " : ligne " + std::to_string(cassée.numéro() - début.numéro() + 1) +
                                    " : date " + cassée.texte() +
                                    " : champ 2 (Ouverture) : \"dix\" n'est pas un nombre.";
        EXPECT_THROW_MSG(scanner(paramètres({"FR0000000011"}, du, au, c.bougie, c.confirmation)), ErreurConversion,
                         c.erreur ? message : "(aucune erreur)");
    }
    // Halves to even; the last quote is the day after the reference history's last line.
    EXPECT_EQ(Recul(12.5, P::Jour), 32);
    EXPECT_EQ(Recul(7.5, P::Jour), 24);
    EXPECT_EQ(générateur_.DateDernierCours(Jour::de(2024, 5, 5)), Jour::de(2024, 5, 5)) << "no reference history";
    historique("FR0000130007", coursPlats(Jour::de(2003, 1, 1), 31, "10"));
    EXPECT_EQ(générateur_.DateDernierCours(Jour::de(2024, 5, 5)), Jour::de(2003, 2, 1));
}

TEST_F(GenerateurTest, DaysWeeksAndMonthsWithTheirCountersAndConfirmation) {
    historique("FR0000130007", BaseDémo().Historique(0));
    // Every day from the start date; weeks and months from the key of the start date.
    const struct { P bougie; bool confirmation; const char *première, *dernière; std::size_t lignes; } cas[] = {
        {P::Jour, false, "20240117", "20241231", 245}, {P::Jour, true, "20240124", "20241104", 32},
        {P::Semaine, false, "202403", "202453", 51},   {P::Mois, false, "202401", "202412", 12}};
    for (const auto& c : cas) {
        scanner(paramètres({"FR0000130007"}, Jour::de(2024, 1, 17), Jour::de(2024, 12, 31), c.bougie, c.confirmation));
        ASSERT_EQ(tableau_.Nombre(), c.lignes);
        EXPECT_EQ(tableau_.Texte(0, T::Date), c.première);
        EXPECT_EQ(tableau_.Texte(tableau_.Nombre() - 1, T::Date), c.dernière);
        // The sign after each figure against the counters: falls, rises, neither (plain candles, neutral figures
        // and no figure).
        int sens[3] = {}, plainesOuAucune = 0;
        for (std::size_t i = 0; i < tableau_.Nombre(); ++i) {
            const std::string_view figure = tableau_.Texte(i, T::Chandelier);
            ++sens[std::string_view("\\/=").find(figure[figure.size() - 2])];
            plainesOuAucune += figure.starts_with("[Bougie ") || figure.starts_with("[Figure non reportée]");
        }
        EXPECT_EQ((std::array{tableau_.Compteurs(S::Chandelier, S::Baisse), tableau_.Compteurs(S::Chandelier, S::Hausse),
                              tableau_.Compteurs(S::Chandelier, S::Neutre)}), std::to_array(sens));
        // Confirmed rows leave out plain candles, no figure and the last candle loaded, never confirmed.
        EXPECT_EQ(plainesOuAucune > 0, !c.confirmation);
    }
}

TEST_F(GenerateurTest, RowsWithTranslatedFiguresAndTrueFormulasInTheLastCell) {
    réglages("1");
    env_.écrire("programme/Formules.txt", "Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nBaisse=Cl\xF4ture<Cl\xF4ture[-1]\r\n");
    historique("FR0000000011", coursPlats(Jour::de(2024, 1, 1), 30, "10") + "20240131\t10\t12\t10\t12\t1000\r\n"
                               "20240201\t12\t12\t9\t9\t1000\r\n20240202\t9\t9\t9\t9\t1000\r\n");
    générateur_.ChargerFormules();
    ASSERT_EQ(générateur_.NombreFormules(), 2);
    scanner(paramètres({"FR0000000011"}, Jour::de(2024, 1, 30), Jour::de(2024, 2, 2)));
    Lignes lignes;  // the figure, the formulas, the number of sub-items
    for (std::size_t i = 0; i < tableau_.Nombre(); ++i)
        lignes.push_back(std::string(tableau_.Texte(i, T::Chandelier)).append(";").append(tableau_.Texte(i, T::Formules))
                             .append(";").append(std::to_string(tableau_.NombreSousÉléments(i))));
    EXPECT_EQ(lignes, (Lignes{"[Figure non reportée] (=);;9", "[Grand blanc] (/);Hausse | ;10",
                              "[Avalement baissier] (\\);Baisse | ;10", "[Figure non reportée] (=);;9"}));
    EXPECT_EQ(tableau_.Texte(1, T::Nom), "Nom FR0000000011");

    réglages("0");
    générateur_.ChargerFormules();
    EXPECT_EQ(générateur_.NombreFormules(), 0);
}

// ---- The statistics and their summary ----

TEST(Statut, SummaryOfTheCountersTranslatedAndTheTablesBounds) {
    const struct { int ligne, colonne, nombre; } comptes[] = {
        {S::Chandelier, S::Baisse, 3}, {S::Chandelier, S::Hausse, 5}, {S::Chandelier, S::Neutre, 2},
        {S::Clôture, S::Hausse, 6},    {S::Clôture, S::Baisse, 4},    {S::Volume, S::Hausse, 7}};
    CompteursStat compteurs;
    for (const auto& c : comptes)
        for (int k = 0; k < c.nombre; ++k) compteurs.Ajouter(c.ligne, c.colonne);
    const Traduction crochets = [](const std::string& section, const std::string& texte) {
        return section == sectionInterface ? "[" + texte + "]" : texte;
    };
    EXPECT_EQ(StatusEcrire(compteurs, crochets), "3 [figures baissières], 5 [figures haussières], 2 [figures neutres], "
                                                 "6 [clôtures en hausse], 4 [clôtures en baisse]");

    // Both read and add through the one index check.
    for (const auto& rc : {std::array{0, 1}, std::array{7, 1}, std::array{1, 0}, std::array{1, 11}})
        EXPECT_THROW_MSG(compteurs.Ajouter(rc[0], rc[1]), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    compteurs.Ajouter(6, 10), compteurs.Ajouter(1, 1);
    EXPECT_EQ(compteurs(6, 10) + compteurs(1, 1), 1 + 6);
}

}  // namespace
}  // namespace vantorelle
