#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <fstream>
#include <future>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "Aides.h"
#include "demo/BaseDemo.h"
#include "main/Generateur.h"
#include "main/RemplissageTableau.h"
#include "shell/DefautsDemarrage.h"
#include "shell/INI.h"
#include "shell/RacineDonnees.h"
#include "store/Erreur.h"
#include "store/Groupes.h"
#include "support/EnvironnementEssai.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

using P = PériodeBougie;

struct Cas { P période; bool confirmation; int arrêt; bool cassée; };

class ScanParalleleTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The demo base, whose settings the scans read, and its whole group.
        BaseDémo(ParamètresDémo{.valeurs = 12, .années = 4}).Écrire(env_.racine());
        env_.emplacements().FichierParamètres(env_.chemin("Vantorelle.ini"));
        for (const TitreGroupe& t : LireGroupe(env_.chemin("base/groupe/All.txt")))
            paramètres_.valeurs.push_back({t.code, t.nom});
        // A security past the middle of the group has an unreadable low in the middle of the scanned years.
        cheminCassé_ = FichierHisto(env_.emplacements(), paramètres_.valeurs.at(cassée).code);
        saine_ = test::lireOctets(cheminCassé_);
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
        for (std::string& ligne : test::lignesDu(tableau)) r.push_back(std::move(ligne));
        return r;
    }

    test::EnvironnementEssai env_;
    ParamètresScan paramètres_{"All", {}, Jour::de(2022, 3, 1), Jour::de(2024, 10, 31)};
    static constexpr int cassée = 8;  // its index in the group
    std::string cheminCassé_, saine_, texteCassé_;
};

TEST_F(ScanParalleleTest, SameResultsAsOneSecurityAtATime) {
    const Cas cas[] = {{P::Jour, false, 0, false}, {P::Mois, true, 0, false},   {P::Jour, true, 4, false},
                       {P::Semaine, false, 6, false}, {P::Jour, false, 0, true}, {P::Semaine, true, 0, true},
                       {P::Mois, false, 10, true},  {P::Jour, false, 3, true}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.période) << c.confirmation << ' ' << c.arrêt << c.cassée);
        const auto un = générer(1, c);
        EXPECT_GT(std::stoi(un[0]), 0) << "rows counted";
        // Asked once before the loop, then after each security: a stop at question k + 1 follows security k.
        EXPECT_EQ(un[1] == "(aucune erreur)", !c.cassée || (c.arrêt > 0 && c.arrêt <= cassée + 1));
        for (std::size_t fils : {2, 5}) EXPECT_EQ(générer(fils, c), un) << fils << " threads";
    }
}

// ---- Groups written for the purpose ----

/// A group whose histories end on the same day, with `lignes[k]` daily lines for security k.
class GroupeÉcrit {
public:
    explicit GroupeÉcrit(const std::vector<int>& lignes) {
        std::string groupe;
        for (std::size_t k = 0; k < lignes.size(); ++k) {
            const std::string code = "FR00000000" + std::to_string(10 + k);
            std::string texte;
            for (int i = 900 - lignes[k]; i < 900; ++i) {
                const int c = 100 + (i * 7 + static_cast<int>(k)) % 13;
                texte += p.du.plus(i).texte() + "\t" + std::to_string(c) + "\t" + std::to_string(c + 3) + "\t" +
                         std::to_string(c - 2) + "\t" + std::to_string(c + 1) + "\t" + std::to_string(1000 + i) +
                         "\r\n";
            }
            env.écrire("racine/base/histo/V_" + code + ".txt", texte);
            groupe += code + "\tV " + code + "\r\n";
            p.valeurs.push_back({code, "V " + code});
        }
        env.écrire("racine/base/groupe/All.txt", groupe);
        ÉcrireDéfautsDémarrage(env.emplacements());
        INI(env.emplacements(), 1, "Vantorelle").Value("Path", "PathPlotanex", "", env.chemin("racine") + "/");
    }

    /// The rows of a daily, a weekly and another daily generation by one generator, as text.
    std::string générer(std::size_t fils, const std::string& formules = "") {
        Générateur générateur(env.emplacements(), sansTraduction);
        générateur.Fils(fils);
        if (!formules.empty()) générateur.ChargerFormules(env.écrire("Formules.txt", formules));
        std::string texte;
        for (const PériodeBougie période : {PériodeBougie::Jour, PériodeBougie::Semaine, PériodeBougie::Jour}) {
            p.période = période;
            TableauDeBord tableau;
            Progression suivi;
            GénérerSurCeFil(générateur, p, tableau, sansTraduction, suivi);
            for (const std::string& ligne : test::lignesDu(tableau)) texte += ligne + '\n';
        }
        return texte;
    }

    test::EnvironnementEssai env;
    ParamètresScan p{"All", {}, Jour::de(2021, 1, 4), Jour::de(2023, 6, 30)};
};

// One quote object reused for the whole group keeps the length of the longest load so far, which the RSI
// and volume guards test: short histories after long ones get filled cells however the threads run.
TEST(ScanParallele, ShortHistoriesAfterLongOnesAndFormulasInTurnAsOneByOne) {
    GroupeÉcrit groupe({900, 12, 9, 900, 10, 11, 900, 8});
    const std::string un = groupe.générer(1);
    ASSERT_NE(un.find("V FR0000000011"), std::string::npos);
    for (int essai = 0; essai < 20; ++essai) ASSERT_EQ(groupe.générer(2), un) << "run " << essai;

    // A formula that reads itself or a later one by its plain name sees the previous security's values.
    GroupeÉcrit avecFormules({300, 40, 200, 12, 250, 30});
    const std::string formules = "Suite=Plus>0\r\nPlus=Maximum-Minimum\r\nCompte=Compte+1\r\nTrois=Compte>3\r\n";
    const std::string parUn = avecFormules.générer(1, formules);
    ASSERT_NE(parUn.find("Suite | "), std::string::npos);
    ASSERT_NE(parUn.find("Trois | "), std::string::npos);
    for (int essai = 0; essai < 10; ++essai) ASSERT_EQ(avecFormules.générer(3, formules), parUn) << "run " << essai;
}

// ---- A dashboard followed by its owner ----

/// A window's side of a scan that runs on another thread: the scan hands each security's results over,
/// and the owner appends them on its own thread. After the third security the scan waits until the owner
/// has appended those and asks for more.
class Relais : public SuiviScan {
public:
    void ValeurTerminée(const LignesValeur& lignes) override {
        std::unique_lock verrou(verrou_);
        file_.push_back(lignes);
        changé_.notify_all();
        if (++remises_ == 3) changé_.wait(verrou, [&] { return demandes_ > 3; });
    }

    /// The next security's results, or nothing once the scan has ended.
    std::optional<LignesValeur> prendre() {
        std::unique_lock verrou(verrou_);
        ++demandes_;
        changé_.notify_all();
        changé_.wait(verrou, [&] { return !file_.empty() || fini_; });
        if (file_.empty()) return std::nullopt;
        LignesValeur lignes = std::move(file_.front());
        file_.pop_front();
        return lignes;
    }
    void finir() {
        const std::lock_guard garde(verrou_);
        fini_ = true;
        changé_.notify_all();
    }

private:
    std::mutex verrou_;
    std::condition_variable changé_;
    std::deque<LignesValeur> file_;
    int remises_ = 0, demandes_ = 0;
    bool fini_ = false;
};

TEST_F(ScanParalleleTest, TheOwnerFollowsTheDashboardWhileTheScanRunsOnAnotherThread) {
    ParamètresScan p = paramètres_;
    p.période = P::Semaine;
    Générateur générateur(env_.emplacements(), sansTraduction);
    générateur.Fils(2);
    TableauDeBord tableau;
    RemplissageTableau remplissage(tableau, sansTraduction);
    Relais relais;
    auto scan = std::async(std::launch::async, [&] {
        const struct Fin { Relais& relais; ~Fin() { relais.finir(); } } fin{relais};
        générateur.Générer(p, relais);
    });
    std::set<std::size_t> nombres;  // the dashboard grows security by security
    while (const std::optional<LignesValeur> lignes = relais.prendre()) {
        remplissage.Ajouter(*lignes);
        nombres.insert(tableau.Nombre());
    }
    scan.get();  // throws the scan's error, if any
    remplissage.Terminer(CheminBase(env_.emplacements()));
    EXPECT_GE(nombres.size(), 3u);
    const std::vector<std::string> surCeFil = générer(1, {P::Semaine, false, 0, false});  // its rows come last
    EXPECT_EQ(test::lignesDu(tableau), std::vector(surCeFil.end() - static_cast<std::ptrdiff_t>(tableau.Nombre()),
                                                   surCeFil.end()));
}

}  // namespace
}  // namespace vantorelle
