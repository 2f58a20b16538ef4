#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "Aides.h"
#include "demo/BaseDemo.h"
#include "main/Generateur.h"
#include "main/RemplissageTableau.h"
#include "shell/RacineDonnees.h"
#include "store/Groupes.h"
#include "store/Erreur.h"
#include "support/Erreurs.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle {
namespace {

using P = PériodeBougie;

struct Cas { P période; bool confirmation; int arrêt; bool cassée; };

class ScanParalleleTest : public ::testing::Test {
protected:
    void SetUp() override {
        BaseDémo(ParamètresDémo{.valeurs = 12, .années = 4}).Écrire(env_.racine());
        env_.emplacements().FichierParamètres(env_.chemin("Vantorelle.ini"));
        paramètres_ = {"All", {}, Jour::de(2022, 3, 1), Jour::de(2024, 10, 31)};
        for (const TitreGroupe& t : LireGroupe(env_.chemin("base/groupe/All.txt")))
            paramètres_.valeurs.push_back({t.code, t.nom});
        // A security past the middle of the group has an unreadable low in the middle of the scanned years.
        cheminCassé_ = FichierHisto(env_.emplacements(), paramètres_.valeurs.at(cassée).code);
        saine_ = test::lireOctets(cheminCassé_);
        ASSERT_NE(saine_.find("\r\n202306"), std::string::npos);
        const std::size_t début = saine_.find("\r\n202306") + 2;
        texteCassé_ = saine_.substr(0, début) + saine_.substr(début, 8) + "\t10\t11\tx\t10\t100" +
                      saine_.substr(saine_.find("\r\n", début));
    }

    /// Everything a generation leaves behind, as text: the counters, the error, the group, the reports, the rows.
    std::vector<std::string> générer(std::size_t fils, const Cas& c) {
        std::ofstream(cheminCassé_, std::ios::binary) << (c.cassée ? texteCassé_ : saine_);
        ParamètresScan p = paramètres_;
        std::tie(p.période, p.confirmation) = std::tie(c.période, c.confirmation);
        TableauDeBord tableau;
        Générateur générateur(env_.emplacements(), sansTraduction);
        générateur.Fils(fils);
        test::SuiviEssai suivi(c.arrêt);
        const std::string erreur =
            test::messageDErreur<Erreur>([&] { GénérerSurCeFil(générateur, p, tableau, sansTraduction, suivi); });
        std::string comptes = std::to_string(tableau.NbLignes);
        for (int l = 1; l <= CompteursStat::lignes; ++l)
            for (int k = 1; k <= CompteursStat::colonnes; ++k) comptes += ' ' + std::to_string(tableau.Compteurs(l, k));
        std::vector<std::string> r = {comptes, erreur, test::lireOctets(env_.chemin("base/groupe/Vantorelle.txt"))};
        r.insert(r.end(), suivi.rapports.begin(), suivi.rapports.end());
        for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
            std::string& ligne = r.emplace_back();
            for (int k = 0; k <= tableau.NombreSousÉléments(i); ++k) ligne.append(tableau.Texte(i, k)).push_back('\t');
        }
        return r;
    }

    test::EnvironnementEssai env_;
    ParamètresScan paramètres_;
    static constexpr int cassée = 8;  // its index in the group
    std::string cheminCassé_, saine_, texteCassé_;
};

TEST_F(ScanParalleleTest, SameResultsAsOneSecurityAtATime) {
    const Cas cas[] = {{P::Jour, false, 0, false},  {P::Jour, true, 0, false},  {P::Semaine, false, 0, false},
                       {P::Mois, true, 0, false},   {P::Jour, true, 4, false},  {P::Semaine, false, 6, false},
                       {P::Jour, false, 0, true},   {P::Semaine, true, 0, true}, {P::Mois, false, 10, true},
                       {P::Jour, false, 3, true}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.période) << c.confirmation << ' ' << c.arrêt << c.cassée);
        const auto un = générer(1, c);
        EXPECT_GT(std::stoi(un[0]), 0) << "rows counted";
        // Asked once before the loop, then after each security: a stop at question k + 1 follows security k.
        EXPECT_EQ(un[1] == "(aucune erreur)", !c.cassée || (c.arrêt > 0 && c.arrêt <= cassée + 1));
        for (std::size_t fils : {2, 5}) EXPECT_EQ(générer(fils, c), un) << fils << " threads";
    }
}

}  // namespace
}  // namespace vantorelle
