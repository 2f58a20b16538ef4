#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

/// The rows of a table, split at the tabs.
std::vector<std::vector<std::string>> cellules(const std::string& texte) {
    std::vector<std::vector<std::string>> lignes;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        std::istringstream champs(ligne + '\t');  // the tab ends the last cell, even an empty one
        std::vector<std::string>& ligneLue = lignes.emplace_back();
        for (std::string champ; std::getline(champs, champ, '\t');) ligneLue.push_back(champ);
    }
    return lignes;
}

/// A demo base written by the demo command in the test's folder, with the test's settings pointing at it.
class ScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        const Résultat démo = lancerCli(env_, {"demo", env_.chemin("demo")});
        ASSERT_EQ(std::pair(démo.statut, démo.erreurs), std::pair(0, std::string()));
        env_.écrire("config/Vantorelle.ini", "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\n"
                                             "TailleMarubozu=1\nPondération=1\n[Path]\nPathPlotanex=" +
                                                 env_.chemin("demo") + "/\nAvecFormules=0\nAfficherDate=1\n");
    }

    EnvironnementEssai env_;
};

TEST_F(ScanTest, ExpectedTable) {
    std::filesystem::create_directories(env_.chemin("rapport"));
    const auto r = lancerCli(env_, {"scan", "--groupe", "Finance", "--du", "20241202", "--au", "20241231",
                                    "--confirmation", "--formules", env_.chemin("demo/Formules.txt"), "--html",
                                    env_.chemin("rapport/page.html")});
    EXPECT_EQ(r, (Résultat{0, lireOctets(std::string(VANTORELLE_TEST_DATA_DIR) + "/cli/scan_finance_decembre.tsv"),
                           "9 figures baissières, 4 figures haussières, 1 figures neutres, 3 clôtures en hausse, "
                           "11 clôtures en baisse\n"}));
    EXPECT_TRUE(std::filesystem::exists(env_.chemin("rapport/page.html")));
}

TEST_F(ScanTest, AnErrorDuringTheScanGivesStatus1AndTheRowsBeforeIt) {
    // Rovalis, third in Finance, gets a broken line on 16 December.
    const std::string code = "FR0000818007", fichier = "demo/base/histo/Rovalis_" + code + ".txt";
    std::string texte = lireOctets(env_.chemin(fichier));
    const std::size_t ligne = texte.find("\n20241216\t") + 1;
    texte.replace(ligne, texte.find('\n', ligne) - ligne, "20241216\t1\t2\tbas\t1\t1\r");
    const std::string chemin = env_.écrire(fichier, texte);
    const auto r = lancerCli(env_, {"scan", "--groupe", "Finance", "--du", "20241202", "--au", "20241231"});
    EXPECT_EQ(r.statut, 1);
    const auto numéro = std::count(texte.begin(), texte.begin() + static_cast<std::ptrdiff_t>(ligne), '\n') + 1;
    EXPECT_EQ(r.erreurs, chemin + " : ligne " + std::to_string(numéro) +
                             " : date 20241216 : champ 4 (Minimum) : \"bas\" n'est pas un nombre.\n");
    const auto lignes = cellules(r.sortie);
    ASSERT_GT(lignes.size(), 1u);
    for (std::size_t i = 1; i < lignes.size(); ++i) EXPECT_NE(lignes[i][1], code);
}

// Without dates, the last quote; the root on the command line over that of the settings, which get the missing
// parameters' defaults; the report in the program's folder.
TEST_F(ScanTest, DefaultsAndRoot) {
    env_.écrire("config/Vantorelle.ini", "[Path]\nPathPlotanex=/nulle/part/\n");
    const auto r = lancerCli(env_, {"scan", "--groupe", "Finance", "--racine", env_.chemin("demo"), "--html"});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const auto lignes = cellules(r.sortie);
    EXPECT_EQ(lignes.size(), 1u + 5u) << "one candle for each of the five securities";
    for (std::size_t i = 1; i < lignes.size(); ++i) EXPECT_EQ(lignes[i][0], "20241231");
    const std::string ini = lireOctets(env_.paramètres());
    for (const char* ligne : {"Période=14", "PathPlotanex=/nulle/part/"}) EXPECT_NE(ini.find(ligne), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(env_.programme() / "HTML.HTML"));
}

}  // namespace
}  // namespace vantorelle::test
