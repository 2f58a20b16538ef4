#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "demo/BaseDemo.h"
#include "main/Generateur.h"
#include "support/EnvironnementEssai.h"
#include "shell/INI.h"
#include "shell/Plotanex.h"
#include "store/Groupes.h"

namespace vantorelle {
namespace {

using test::EnvironnementEssai;

/// Asks the generation to stop at the n-th question (0: never) and remembers what it reports.
struct Suivi : SuiviScan {
    int arrêtÀLaQuestion = 0;
    int questions = 0;
    std::vector<std::string> rapports;

    void Statut(const std::string& texte) override { rapports.push_back("statut " + texte); }
    void LigneAjoutée(std::size_t ligne) override { rapports.push_back("ligne " + std::to_string(ligne)); }
    bool ArrêtDemandé() override { return ++questions == arrêtÀLaQuestion; }
    void Progression(int pourcent) override { rapports.push_back("progression " + std::to_string(pourcent)); }
};

/// Everything a generation leaves behind, as text.
struct Résultat {
    std::vector<std::string> lignes;
    std::vector<std::int32_t> compteurs;
    std::vector<std::string> rapports;
    std::string erreur;
    std::string groupe;
};

class ScanParalleleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParamètresDémo démo;
        démo.valeurs = 12;
        démo.années = 4;
        const BaseDémo base(démo);
        base.Écrire(env_.racine());
        env_.changer("VANTORELLE_CONFIG", env_.chemin("Vantorelle.ini"));
        for (const TitreGroupe& t : LireGroupe(env_.chemin("base/groupe/All.txt")))
            paramètres_.valeurs.push_back({t.code, t.nom});
        paramètres_.groupe = "All";
        // A security past the middle of the group has an unreadable low in the middle of the scanned years.
        for (cassée_ = 7;; ++cassée_) {
            cheminCassé_ = FichierHisto(paramètres_.valeurs.at(cassée_).code);
            saine_ = test::lireOctets(cheminCassé_);
            if (saine_.find("\r\n202306") != std::string::npos) break;
        }
        const std::size_t début = saine_.find("\r\n202306") + 2;
        const std::size_t fin = saine_.find("\r\n", début);
        texteCassé_ = saine_.substr(0, début) + saine_.substr(début, 8) + "\t10\t11\tx\t10\t100" + saine_.substr(fin);
    }

    Résultat générer(std::size_t fils, PériodeBougie période, bool confirmation, int arrêt, bool avecCassée) {
        std::ofstream(cheminCassé_, std::ios::binary) << (avecCassée ? texteCassé_ : saine_);
        ParamètresScan p = paramètres_;
        p.du = Jour::de(2022, 3, 1);
        p.au = Jour::de(2024, 10, 31);
        p.période = période;
        p.confirmation = confirmation;
        const INI ini(1, "Vantorelle");
        TableauDeBord tableau;
        Générateur générateur(ini, tableau, sansTraduction);
        générateur.Fils(fils);
        Suivi suivi;
        suivi.arrêtÀLaQuestion = arrêt;
        Résultat r;
        try {
            générateur.Générer(p, suivi);
        } catch (const std::exception& e) {
            r.erreur = e.what();
        }
        for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
            std::string ligne;
            for (int c = 0; c <= tableau.NombreSousÉléments(i); ++c) ligne.append(tableau.Texte(i, c)).push_back('\t');
            r.lignes.push_back(ligne);
        }
        r.compteurs.push_back(tableau.NbLignes);
        for (int l = 1; l <= CompteursStat::lignes; ++l)
            for (int c = 1; c <= CompteursStat::colonnes; ++c) r.compteurs.push_back(tableau.Compteurs(l, c));
        r.rapports = suivi.rapports;
        r.groupe = test::lireOctets(env_.chemin("base/groupe/Vantorelle.txt"));
        return r;
    }

    EnvironnementEssai env_;
    ParamètresScan paramètres_;
    std::size_t cassée_;  // its index in the group
    std::string cheminCassé_, saine_, texteCassé_;
};

TEST_F(ScanParalleleTest, MêmesRésultatsQueValeurParValeur) {
    struct Cas {
        PériodeBougie période;
        bool confirmation;
        int arrêt;
        bool cassée;
    } const cas[] = {
        {PériodeBougie::Jour, false, 0, false},    {PériodeBougie::Jour, true, 0, false},
        {PériodeBougie::Semaine, false, 0, false}, {PériodeBougie::Mois, true, 0, false},
        {PériodeBougie::Jour, true, 4, false},     {PériodeBougie::Semaine, false, 6, false},
        {PériodeBougie::Jour, false, 0, true},     {PériodeBougie::Semaine, true, 0, true},
        {PériodeBougie::Mois, false, 10, true},    {PériodeBougie::Jour, false, 3, true},
    };
    for (const Cas& c : cas) {
        const Résultat un = générer(1, c.période, c.confirmation, c.arrêt, c.cassée);
        EXPECT_FALSE(un.lignes.empty());
        // Asked once before the loop, then after each security: a stop at question k + 1 follows security k.
        EXPECT_EQ(un.erreur.empty(), !c.cassée || (c.arrêt > 0 && c.arrêt <= static_cast<int>(cassée_) + 1));
        for (std::size_t fils : {2, 5}) {
            const Résultat plusieurs = générer(fils, c.période, c.confirmation, c.arrêt, c.cassée);
            const std::string quoi = std::to_string(static_cast<int>(c.période)) + " confirmation " +
                                     std::to_string(c.confirmation) + " arrêt " + std::to_string(c.arrêt) +
                                     " cassée " + std::to_string(c.cassée) + " fils " + std::to_string(fils);
            EXPECT_EQ(plusieurs.lignes, un.lignes) << quoi;
            EXPECT_EQ(plusieurs.compteurs, un.compteurs) << quoi;
            EXPECT_EQ(plusieurs.rapports, un.rapports) << quoi;
            EXPECT_EQ(plusieurs.erreur, un.erreur) << quoi;
            EXPECT_EQ(plusieurs.groupe, un.groupe) << quoi;
        }
    }
}

}  // namespace
}  // namespace vantorelle
