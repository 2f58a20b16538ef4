#include <gtest/gtest.h>

#include <string>

#include "main/Generateur.h"
#include "main/RemplissageTableau.h"
#include "shell/DefautsDemarrage.h"
#include "shell/INI.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle {
namespace {

/// A group whose histories end on the same day, with `lignes[k]` daily lines for security k.
class GroupeÉcrit {
public:
    explicit GroupeÉcrit(const std::vector<int>& lignes) {
        std::string groupe;
        for (std::size_t k = 0; k < lignes.size(); ++k) {
            const std::string code = "FR00000000" + std::to_string(10 + k);
            std::string texte;
            Jour jour = Jour::de(2021, 1, 4);
            for (int i = 0; i < 900; ++i, jour = jour.plus(1)) {
                if (i < 900 - lignes[k]) continue;
                const int c = 100 + (i * 7 + static_cast<int>(k)) % 13;
                texte += jour.texte() + "\t" + std::to_string(c) + "\t" + std::to_string(c + 3) + "\t" +
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
        p.groupe = "All";
        p.du = Jour::de(2021, 1, 4);
        p.au = Jour::de(2023, 6, 30);
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
            for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
                for (int c = 0; c < TableauDeBord::nombreColonnes; ++c) texte.append(tableau.Texte(i, c)).push_back('\t');
                texte.push_back('\n');
            }
        }
        return texte;
    }

    test::EnvironnementEssai env;
    ParamètresScan p;
};

// One quote object reused for the whole group keeps the length of the longest load so far, which the RSI
// and volume guards test: short histories after long ones get filled cells however the threads run.
TEST(ScanParallele, ShortHistoriesAfterLongOnesAsOneByOne) {
    GroupeÉcrit groupe({900, 12, 9, 900, 10, 11, 900, 8});
    const std::string un = groupe.générer(1);
    ASSERT_NE(un.find("V FR0000000011"), std::string::npos);
    for (int essai = 0; essai < 20; ++essai) ASSERT_EQ(groupe.générer(2), un) << "run " << essai;
}

// A formula that reads itself or a later one by its plain name sees the previous security's values.
TEST(ScanParallele, FormulasThatReadTheSecurityBeforeAsOneByOne) {
    GroupeÉcrit groupe({300, 40, 200, 12, 250, 30});
    const std::string formules =
        "Suite=Plus>0\r\nPlus=Maximum-Minimum\r\nCompte=Compte+1\r\nTrois=Compte>3\r\n";
    const std::string un = groupe.générer(1, formules);
    ASSERT_NE(un.find("Suite | "), std::string::npos);
    ASSERT_NE(un.find("Trois | "), std::string::npos);
    for (int essai = 0; essai < 10; ++essai) ASSERT_EQ(groupe.générer(3, formules), un) << "run " << essai;
}

}  // namespace
}  // namespace vantorelle
