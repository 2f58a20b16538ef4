#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "analysis/Catalogue.h"
#include "demo/BaseDemo.h"
#include "main/Generateur.h"
#include "series/Fonctions.h"
#include "support/EnvironnementEssai.h"
#include "shell/INI.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;
using S = CompteursStat;
using test::EnvironnementEssai;

/// Remembers what a generation reports, and asks it to stop at the n-th question (0: never).
struct SuiviEssai : SuiviScan {
    int arrêtÀLaQuestion = 0;
    int questions = 0;
    std::vector<int> progression;
    std::vector<std::string> statuts;
    std::size_t lignes = 0;

    void Statut(const std::string& texte) override { statuts.push_back(texte); }
    void LigneAjoutée(std::size_t) override { ++lignes; }
    bool ArrêtDemandé() override { return ++questions == arrêtÀLaQuestion; }
    void Progression(int pourcent) override { progression.push_back(pourcent); }
};

/// One history line per calendar day from `début`, `n` days, at a constant price.
std::string coursPlats(Jour début, int n, const std::string& prix) {
    std::string texte;
    for (int k = 0; k < n; ++k)
        texte += début.plus(k).texte() + "\t" + prix + "\t" + prix + "\t" + prix + "\t" + prix + "\t1000000\r\n";
    return texte;
}

class GenerateurTest : public ::testing::Test {
protected:
    void SetUp() override {
        réglages("0");
        std::filesystem::create_directories(env_.chemin("donnees/base/groupe"));
    }

    void réglages(const std::string& avecFormules, const std::string& période = "14") {
        env_.écrire("config/Vantorelle.ini", "[BourseCollection]\nTolérance=0,0625\nPériode=" + période +
                                                 "\nPériode2=9\nTailleMarubozu=1\n[Path]\nPathPlotanex=" + racine() +
                                                 "\nAvecFormules=" + avecFormules + "\nAfficherDate=1\n");
    }
    std::string racine() const { return env_.chemin("donnees") + "/"; }
    void historique(const std::string& code, const std::string& texte) {
        env_.écrire("donnees/base/histo/Nom_" + code + ".txt", texte);
    }
    std::string groupeVantorelle() const { return test::lireOctets(env_.chemin("donnees/base/groupe/Vantorelle.txt")); }

    ParamètresScan paramètres(std::vector<std::string> codes, Jour du, Jour au) const {
        ParamètresScan p;
        p.groupe = "Essai";
        for (const std::string& code : codes) p.valeurs.push_back({code, "Nom " + code});
        p.du = du;
        p.au = au;
        return p;
    }

    EnvironnementEssai env_;
    INI ini_{1, "Vantorelle"};
    T tableau_;
    Générateur générateur_{ini_, tableau_, sansTraduction};
};

TEST(Generateur, ReculEnJoursCalendaires) {
    struct Cas {
        double période;
        PériodeBougie bougie;
        std::int64_t jours;
    } cas[] = {
        {14, PériodeBougie::Jour, 34},    {14, PériodeBougie::Semaine, 170}, {14, PériodeBougie::Mois, 748},
        {9, PériodeBougie::Jour, 27},     {7.5, PériodeBougie::Jour, 24},    // 24.5: halves to even
        {12.5, PériodeBougie::Jour, 32},  {0, PériodeBougie::Jour, 14},
    };
    for (const Cas& c : cas) EXPECT_EQ(Générateur::Recul(c.période, c.bougie), c.jours) << c.période;
}

TEST(Generateur, CléDeDébutSelonLaPériode) {
    EXPECT_EQ(Générateur::CléDeDébut(Jour::de(2003, 1, 15), PériodeBougie::Jour), "20030115");
    EXPECT_EQ(Générateur::CléDeDébut(Jour::de(2003, 1, 15), PériodeBougie::Semaine), "200303");
    EXPECT_EQ(Générateur::CléDeDébut(Jour::de(2003, 1, 4), PériodeBougie::Semaine), "200301");
    EXPECT_EQ(Générateur::CléDeDébut(Jour::de(2003, 1, 15), PériodeBougie::Mois), "200301");
}

TEST_F(GenerateurTest, GroupeVide) {
    env_.écrire("donnees/base/groupe/Vantorelle.txt", "FR0000130007\tAncien\r\n");
    SuiviEssai suivi;
    générateur_.Générer(paramètres({}, Jour::de(2024, 1, 2), Jour::de(2024, 1, 2)), suivi);
    EXPECT_EQ(tableau_.Nombre(), 0u);
    EXPECT_EQ(groupeVantorelle(), "");
    EXPECT_TRUE(suivi.progression.empty());
    ASSERT_EQ(suivi.statuts.size(), 2u);
    EXPECT_EQ(suivi.statuts[0], "Génération en cours ...");
    EXPECT_EQ(suivi.statuts[1],
              "0 figures baissières, 0 figures haussières, 0 figures neutres, 0 clôtures en hausse, 0 clôtures en baisse");
}

TEST_F(GenerateurTest, ArrêtPendantLaTroisièmeDeDixValeurs) {
    std::vector<std::string> codes;
    for (int k = 1; k <= 10; ++k) {
        codes.push_back("FR00000000" + std::to_string(10 + k));
        historique(codes.back(), coursPlats(Jour::de(2024, 1, 1), 40, std::to_string(10 + k)));
    }
    // Loading the fourth security would end the generation with an error.
    historique(codes[3], coursPlats(Jour::de(2024, 1, 1), 20, "14") + "20240121\t14\tquatorze\t14\t14\t1\r\n");
    SuiviEssai suivi;
    suivi.arrêtÀLaQuestion = 4;  // asked once before the loop, then after each security
    générateur_.Générer(paramètres(codes, Jour::de(2024, 1, 30), Jour::de(2024, 2, 9)), suivi);
    EXPECT_EQ(suivi.progression, (std::vector<int>{10, 20}));
    ASSERT_EQ(tableau_.Nombre(), 33u);
    std::map<std::string, int> parCode;
    for (std::size_t i = 0; i < tableau_.Nombre(); ++i) ++parCode[std::string(tableau_.Texte(i, T::Code))];
    EXPECT_EQ(parCode, (std::map<std::string, int>{{codes[0], 11}, {codes[1], 11}, {codes[2], 11}}));
    EXPECT_EQ(tableau_.NbLignes, 33);
    EXPECT_EQ(suivi.statuts.back(),
              "0 figures baissières, 0 figures haussières, 33 figures neutres, 0 clôtures en hausse, 0 clôtures en baisse");
    EXPECT_EQ(groupeVantorelle().size(), 33 * std::string("FR0000000011\tNom FR0000000011\r\n").size());
}

TEST_F(GenerateurTest, ArrêtAvantLeDébutGardeLesLignes) {
    historique("FR0000000011", coursPlats(Jour::de(2024, 1, 1), 40, "11"));
    SuiviEssai suivi;
    générateur_.Générer(paramètres({"FR0000000011"}, Jour::de(2024, 1, 30), Jour::de(2024, 2, 9)), suivi);
    ASSERT_EQ(tableau_.Nombre(), 11u);
    SuiviEssai arrêt;
    arrêt.arrêtÀLaQuestion = 1;
    générateur_.Générer(paramètres({"FR0000000011"}, Jour::de(2024, 1, 30), Jour::de(2024, 2, 9)), arrêt);
    EXPECT_EQ(tableau_.Nombre(), 11u) << "the rows stay, sorted and saved again";
    EXPECT_EQ(tableau_.NbLignes, 0);
    EXPECT_EQ(arrêt.statuts.size(), 1u);
}

TEST_F(GenerateurTest, ValeurSansHistoriqueIgnorée) {
    historique("FR0000000022", coursPlats(Jour::de(2024, 1, 1), 40, "22"));
    SuiviEssai suivi;
    générateur_.Générer(paramètres({"FR0000000011", "FR0000000022"}, Jour::de(2024, 2, 1), Jour::de(2024, 2, 9)), suivi);
    EXPECT_EQ(tableau_.Nombre(), 9u);
    EXPECT_EQ(suivi.progression, (std::vector<int>{50, 100}));
}

TEST_F(GenerateurTest, LigneIllisibleDansLaFenêtreArrêteLaGénération) {
    env_.écrire("donnees/base/groupe/Vantorelle.txt", "FR0000130007\tAncien\r\n");
    historique("FR0000000011", coursPlats(Jour::de(2024, 1, 1), 40, "11"));
    historique("FR0000000022", coursPlats(Jour::de(2024, 1, 1), 35, "22") + "20240205\t22\t22\t2,2,2\t22\t1\r\n");
    historique("FR0000000033", coursPlats(Jour::de(2024, 1, 1), 40, "33"));
    SuiviEssai suivi;
    const auto p = paramètres({"FR0000000033", "FR0000000022", "FR0000000011"}, Jour::de(2024, 2, 1),
                              Jour::de(2024, 2, 9));
    std::string message;
    try {
        générateur_.Générer(p, suivi);
    } catch (const ErreurConversion& e) {
        message = e.what();
    }
    EXPECT_EQ(message, env_.chemin("donnees/base/histo/Nom_FR0000000022.txt") +
                           " : ligne 36 : date 20240205 : champ 4 (Minimum) : \"2,2,2\" n'est pas un nombre.");
    ASSERT_EQ(tableau_.Nombre(), 9u) << "the first security's rows, in the order they came";
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(tableau_.Texte(i, T::Code), "FR0000000033");
        EXPECT_EQ(tableau_.Texte(i, T::Date), Jour::de(2024, 2, 1).plus(static_cast<int>(i)).texte());
    }
    EXPECT_EQ(groupeVantorelle(), "FR0000130007\tAncien\r\n") << "no group save";
    EXPECT_EQ(suivi.statuts.size(), 1u) << "no summary";
}

TEST_F(GenerateurTest, FenêtreChargéeReculEtLendemain) {
    // A broken line is an error only when the load reads it: it shows where the window starts and ends.
    struct Cas {
        PériodeBougie bougie;
        bool confirmation;
        int décalage;  // days from the start date (negative) or from the end date (positive)
        bool erreur;
    } cas[] = {
        {PériodeBougie::Jour, false, -34, true},     {PériodeBougie::Jour, false, -35, false},
        {PériodeBougie::Semaine, false, -170, true}, {PériodeBougie::Semaine, false, -171, false},
        {PériodeBougie::Mois, false, -748, true},    {PériodeBougie::Mois, false, -749, false},
        {PériodeBougie::Jour, true, 1, true},        {PériodeBougie::Jour, false, 1, false},
        {PériodeBougie::Jour, true, 2, false},
    };
    const Jour du = Jour::de(2024, 6, 3), au = Jour::de(2024, 6, 28);
    for (const Cas& c : cas) {
        const Jour cassée = c.décalage < 0 ? du.plus(c.décalage) : au.plus(c.décalage);
        const Jour début = du.plus(-800);
        std::string texte;
        for (Jour j = début; j <= au.plus(5); j = j.plus(1))
            texte += j.texte() + (j == cassée ? "\tdix" : "\t10") + "\t11\t9\t10,5\t1000\r\n";
        historique("FR0000000011", texte);
        ParamètresScan p = paramètres({"FR0000000011"}, du, au);
        p.période = c.bougie;
        p.confirmation = c.confirmation;
        SuiviEssai suivi;
        if (c.erreur)
            EXPECT_THROW(générateur_.ScannerValeur(p.valeurs[0], p, suivi), ErreurConversion) << cassée.texte();
        else
            EXPECT_NO_THROW(générateur_.ScannerValeur(p.valeurs[0], p, suivi)) << cassée.texte();
    }
}

TEST_F(GenerateurTest, SeuilDe50EtBornes70Et30) {
    historique("FR0000000050", coursPlats(Jour::de(2024, 1, 1), 40, "50"));
    historique("FR0000000060", coursPlats(Jour::de(2024, 1, 1), 40, "60"));
    historique("FR0000000075", coursPlats(Jour::de(2024, 1, 1), 40, "75"));
    SuiviEssai suivi;
    générateur_.Générer(paramètres({"FR0000000050", "FR0000000060", "FR0000000075"}, Jour::de(2024, 2, 1),
                                   Jour::de(2024, 2, 5)),
                        suivi);
    ASSERT_EQ(tableau_.NbLignes, 15);
    const CompteursStat& c = tableau_.Compteurs;
    EXPECT_EQ(c(S::Chandelier, S::Neutre), 15) << "no figure: 400 counts as neutral";
    EXPECT_EQ(c(S::Clôture, S::Neutre), 15);
    EXPECT_EQ(c(S::Clôture, S::TendanceNeutre), 15);
    EXPECT_EQ(c(S::Clôture, S::Plus50), 10) << "a close of exactly 50 counts neither above nor below";
    EXPECT_EQ(c(S::Clôture, S::Moins50), 0);
    EXPECT_EQ(c(S::Clôture, S::Plus70), 5);
    EXPECT_EQ(c(S::Clôture, S::Moins30), 0);
    EXPECT_EQ(c(S::Volume, S::Moins50), 15) << "a million shares is 1 in millions";
    EXPECT_EQ(c(S::Volume, S::Moins30), 15);
    EXPECT_EQ(c(S::RSI, S::Moins30), 15);
}

TEST_F(GenerateurTest, ConfirmationEtFiguresComptées) {
    const std::string texte = BaseDémo().Historique(0);
    historique("FR0000130007", texte);
    std::size_t joursDe2024 = 0;
    for (std::size_t p = texte.find("\n2024"); p != std::string::npos; p = texte.find("\n2024", p + 1)) ++joursDe2024;
    for (bool confirmation : {false, true}) {
        ParamètresScan p = paramètres({"FR0000130007"}, Jour::de(2024, 1, 1), Jour::de(2024, 12, 31));
        p.confirmation = confirmation;
        SuiviEssai suivi;
        générateur_.Générer(p, suivi);
        int baissières = 0, haussières = 0, neutres = 0, plainesOuAucune = 0, dernierJour = 0;
        std::map<std::string, std::int32_t> codes;
        for (const Figure& f : Catalogue::figures()) codes[std::string(f.nom)] = f.code;
        codes["Figure non reportée"] = 400;
        for (std::size_t i = 0; i < tableau_.Nombre(); ++i) {
            std::string figure(tableau_.Texte(i, T::Chandelier));
            figure.resize(figure.rfind(" ("));
            const std::int32_t code = codes.at(figure);
            baissières += code > 100 && code < 200;
            haussières += code > 200 && code < 300;
            neutres += code == 100 || code == 200 || code >= 300;
            plainesOuAucune += code == 100 || code == 200 || code == 400;
            dernierJour += tableau_.Texte(i, T::Date) == "20241231";
        }
        EXPECT_EQ(tableau_.Compteurs(S::Chandelier, S::Baisse), baissières);
        EXPECT_EQ(tableau_.Compteurs(S::Chandelier, S::Hausse), haussières);
        EXPECT_EQ(tableau_.Compteurs(S::Chandelier, S::Neutre), neutres);
        if (confirmation) {
            EXPECT_EQ(plainesOuAucune, 0);
            EXPECT_EQ(dernierJour, 0) << "the last candle loaded is never confirmed";
            EXPECT_GT(tableau_.Nombre(), 20u);
        } else {
            EXPECT_EQ(tableau_.Nombre(), joursDe2024) << "every candle of 2024";
            EXPECT_GT(plainesOuAucune, 0);
            EXPECT_EQ(dernierJour, 1);
        }
    }
}

TEST_F(GenerateurTest, SemainesEtMoisDepuisLaCléDeDébut) {
    historique("FR0000130007", BaseDémo().Historique(0));
    struct Cas {
        PériodeBougie bougie;
        const char* première;
        const char* dernière;
    } cas[] = {{PériodeBougie::Semaine, "202403", "202453"}, {PériodeBougie::Mois, "202401", "202412"}};
    for (const Cas& c : cas) {
        T tableau;
        Générateur générateur(ini_, tableau, sansTraduction);
        ParamètresScan p = paramètres({"FR0000130007"}, Jour::de(2024, 1, 17), Jour::de(2024, 12, 31));
        p.période = c.bougie;
        SuiviEssai suivi;
        générateur.ScannerValeur(p.valeurs[0], p, suivi);
        ASSERT_GT(tableau.Nombre(), 0u);
        EXPECT_EQ(tableau.Texte(0, T::Date), c.première);
        EXPECT_EQ(tableau.Texte(tableau.Nombre() - 1, T::Date), c.dernière);
        EXPECT_EQ(suivi.lignes, tableau.Nombre());
    }
}

TEST_F(GenerateurTest, FormulesVraiesDansLaDernièreCellule) {
    réglages("1");
    env_.écrire("programme/Formules.txt", "Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nBaisse=Cl\xF4ture<Cl\xF4ture[-1]\r\n");
    std::string texte = coursPlats(Jour::de(2024, 1, 1), 30, "10");
    texte += "20240131\t10\t12\t10\t12\t1000\r\n20240201\t12\t12\t9\t9\t1000\r\n20240202\t9\t9\t9\t9\t1000\r\n";
    historique("FR0000000011", texte);
    générateur_.ChargerFormules();
    ASSERT_EQ(générateur_.NombreFormules(), 2);
    EXPECT_EQ(tableau_.Définition(T::Formules).largeur, 1400);
    SuiviEssai suivi;
    const auto p = paramètres({"FR0000000011"}, Jour::de(2024, 1, 30), Jour::de(2024, 2, 2));
    générateur_.ScannerValeur(p.valeurs[0], p, suivi);
    ASSERT_EQ(tableau_.Nombre(), 4u);
    const std::pair<const char*, int> attendues[] = {{"", 9}, {"Hausse | ", 10}, {"Baisse | ", 10}, {"", 9}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(tableau_.Texte(i, T::Formules), attendues[i].first) << i;
        EXPECT_EQ(tableau_.NombreSousÉléments(i), attendues[i].second) << i;
    }
    EXPECT_EQ(Fonctions::globale().Count(), 2) << "the security's series are taken out again";

    réglages("0");
    générateur_.ChargerFormules();
    EXPECT_EQ(générateur_.NombreFormules(), 0);
    EXPECT_EQ(Fonctions::globale().Count(), 0);
    EXPECT_EQ(tableau_.Définition(T::Formules).largeur, 0);
}

TEST_F(GenerateurTest, NomDeFigureTraduitEtSigne) {
    std::string texte = coursPlats(Jour::de(2024, 1, 1), 30, "10");
    texte += "20240131\t10\t11\t9\t10\t1000\r\n";  // a doji
    historique("FR0000000011", texte);
    T tableau;
    Générateur générateur(ini_, tableau, [](const std::string& section, const std::string& nom) {
        return section == "Chandeliers" ? "[" + nom + "]" : nom;
    });
    const auto p = paramètres({"FR0000000011"}, Jour::de(2024, 1, 30), Jour::de(2024, 1, 31));
    SuiviEssai suivi;
    générateur.ScannerValeur(p.valeurs[0], p, suivi);
    ASSERT_EQ(tableau.Nombre(), 2u);
    EXPECT_EQ(tableau.Texte(0, T::Chandelier), "[Figure non reportée] (=)");
    EXPECT_EQ(tableau.Texte(1, T::Chandelier), "[Doji] (=)");
    EXPECT_EQ(tableau.Texte(1, T::Nom), "Nom FR0000000011");
    EXPECT_EQ(tableau.Texte(1, T::Pondération), "1");
}

TEST_F(GenerateurTest, DateDuDernierCoursDeLaRéférence) {
    EXPECT_EQ(générateur_.DateDernierCours(Jour::de(2024, 5, 5)), Jour::de(2024, 5, 5));
    historique("FR0000130007", coursPlats(Jour::de(2003, 1, 1), 31, "10"));
    EXPECT_EQ(générateur_.DateDernierCours(Jour::de(2024, 5, 5)), Jour::de(2003, 2, 1));
}

}  // namespace
}  // namespace vantorelle
