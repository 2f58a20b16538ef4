#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "demo/BaseDemo.h"
#include "main/Generateur.h"
#include "main/RemplissageTableau.h"
#include "store/Groupes.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle {
namespace {

/// A window's side of a scan that runs on another thread: the scan hands each security's results over,
/// and the owner appends them on its own thread. After the third security the scan waits until the owner
/// has appended exactly those.
class Relais : public SuiviScan {
public:
    void ValeurTerminée(const LignesValeur& lignes) override {
        std::unique_lock verrou(verrou_);
        file_.push_back(lignes);
        changé_.notify_all();
        if (++remises_ == 3) changé_.wait(verrou, [&] { return libre_; });
    }

    /// The next security's results, or nothing once the scan has ended.
    std::optional<LignesValeur> prendre() {
        std::unique_lock verrou(verrou_);
        changé_.wait(verrou, [&] { return !file_.empty() || fini_; });
        if (file_.empty()) return std::nullopt;
        LignesValeur lignes = std::move(file_.front());
        file_.pop_front();
        return lignes;
    }
    /// The owner has appended the first three: the scan may go on.
    void libérer() {
        const std::lock_guard garde(verrou_);
        libre_ = true;
        changé_.notify_all();
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
    int remises_ = 0;
    bool libre_ = false;
    bool fini_ = false;
};

std::vector<std::string> lignesDu(const TableauDeBord& tableau) {
    std::vector<std::string> lignes;
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        std::string ligne;
        for (int c = 0; c < TableauDeBord::nombreColonnes; ++c) ligne.append(tableau.Texte(i, c)).push_back('\t');
        lignes.push_back(ligne);
    }
    return lignes;
}

TEST(SuiviDuTableau, TheOwnerFollowsTheDashboardWhileTheScanRunsOnAnotherThread) {
    test::EnvironnementEssai env;
    ParamètresDémo démo;
    démo.valeurs = 8;
    démo.années = 2;
    BaseDémo(démo).Écrire(env.racine());
    env.emplacements().FichierParamètres(env.chemin("Vantorelle.ini"));
    ParamètresScan p;
    p.groupe = "All";
    for (const TitreGroupe& t : LireGroupe(env.chemin("base/groupe/All.txt"))) p.valeurs.push_back({t.code, t.nom});
    p.du = Jour::de(2023, 6, 1);
    p.au = Jour::de(2024, 12, 31);
    p.période = PériodeBougie::Semaine;

    Générateur générateur(env.emplacements(), sansTraduction);
    générateur.Fils(2);
    TableauDeBord tableau;
    RemplissageTableau remplissage(tableau, sansTraduction);
    remplissage.Commencer(false);
    Relais relais;
    std::exception_ptr erreur;
    std::thread scan([&] {
        try {
            générateur.Générer(p, relais);
        } catch (...) {
            erreur = std::current_exception();
        }
        relais.finir();
    });
    std::set<std::size_t> nombres;
    std::size_t desTrois = 0;
    for (int vues = 1; std::optional<LignesValeur> lignes = relais.prendre(); ++vues) {
        remplissage.Ajouter(*lignes);
        nombres.insert(tableau.Nombre());
        if (vues <= 3) desTrois += lignes->nombre();
        if (vues == 3) {
            EXPECT_EQ(tableau.Nombre(), desTrois);  // the scan waits: nothing more has come
            relais.libérer();
        }
    }
    scan.join();
    ASSERT_FALSE(erreur);
    remplissage.Terminer(CheminBase(env.emplacements()));
    EXPECT_GE(nombres.size(), 3u);

    TableauDeBord surCeFil;
    Progression suivi;
    générateur.Fils(1);
    GénérerSurCeFil(générateur, p, surCeFil, sansTraduction, suivi);
    EXPECT_EQ(lignesDu(tableau), lignesDu(surCeFil));
}

}  // namespace
}  // namespace vantorelle
