#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ScanDemoLancement.h"
#include "main/BaseDemo.h"
#include "store/Encodage.h"

namespace vantorelle {
namespace {

using test::EnvironnementEssai;
using test::lancerCli;

const std::string enTête = "Date\tCode\tNom\tChandelier\tClôture\tVolatilité\tVolume\tRSI\tStoch\tPondération\tFormules\n";

std::vector<std::vector<std::string>> cellules(const std::string& texte) {
    std::vector<std::vector<std::string>> lignes;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        std::vector<std::string> champs;
        std::size_t début = 0;
        for (std::size_t tab; (tab = ligne.find('\t', début)) != std::string::npos; début = tab + 1)
            champs.push_back(ligne.substr(début, tab - début));
        champs.push_back(ligne.substr(début));
        lignes.push_back(champs);
    }
    return lignes;
}

/// A demo base in the test's folder, with the test's settings pointing at it.
class ScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        BaseDémo().Écrire(env_.chemin("demo"));
        réglages(racine());
    }
    void réglages(const std::string& racine, const std::string& avecFormules = "0") {
        env_.écrire("config/Vantorelle.ini", "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\n"
                                             "TailleMarubozu=1\nPondération=1\n[Path]\nPathPlotanex=" + racine +
                                                 "\nAvecFormules=" + avecFormules + "\nAfficherDate=1\n");
    }
    std::string racine() const { return env_.chemin("demo") + "/"; }

    EnvironnementEssai env_;
};

TEST_F(ScanTest, TableauAttenduCelluleParCellule) {
    std::filesystem::create_directories(env_.chemin("rapport"));
    const auto r = lancerCli(env_, {"scan", "--groupe", "Finance", "--du", "20241202", "--au", "20241231",
                                    "--confirmation", "--formules", env_.chemin("demo/Formules.txt"), "--html",
                                    env_.chemin("rapport/page.html")});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const auto obtenues = cellules(r.sortie);
    const auto attendues =
        cellules(test::lireOctets(std::string(VANTORELLE_TEST_DATA_DIR) + "/cli/scan_finance_decembre.tsv"));
    ASSERT_EQ(obtenues.size(), attendues.size());
    for (std::size_t i = 0; i < attendues.size(); ++i) {
        ASSERT_EQ(obtenues[i].size(), 11u) << "ligne " << i + 1;
        for (std::size_t c = 0; c < 11; ++c)
            EXPECT_EQ(obtenues[i][c], attendues[i][c]) << "ligne " << i + 1 << ", colonne " << attendues[0][c];
    }
    EXPECT_EQ(r.erreurs, "9 figures baissières, 4 figures haussières, 1 figures neutres, 3 clôtures en hausse, "
                         "11 clôtures en baisse\n");

    // The group "Vantorelle" lists the rows' securities in the dashboard's order.
    std::string groupe;
    for (std::size_t i = 1; i < obtenues.size(); ++i) groupe += obtenues[i][1] + "\t" + obtenues[i][2] + "\r\n";
    EXPECT_EQ(depuisWindows1252(test::lireOctets(env_.chemin("demo/base/groupe/Vantorelle.txt"))), groupe);
    EXPECT_TRUE(std::filesystem::exists(env_.chemin("rapport/page.html")));
    EXPECT_TRUE(std::filesystem::exists(env_.chemin("rapport/hs.gif")));
}

TEST_F(ScanTest, MauvaisArgumentsStatut2) {
    struct Cas {
        std::vector<std::string> arguments;
        const char* message;
    } cas[] = {
        {{"scan", "--groupe", "Finance", "--periode", "annee"}, "--periode"},
        {{"scan", "--groupe", "Finance", "--du", "2024"}, "--du attend une date aaaammjj, pas « 2024 »."},
        {{"scan", "--groupe", "Finance", "--au", "20240230"}, "--au attend une date aaaammjj, pas « 20240230 »."},
        {{"scan"}, "--groupe"},
        {{"scan", "--groupe", "Inconnu"}, "le groupe « Inconnu » n'existe pas"},
        {{"scan", "--groupe", "Finance", "--du", "20241231", "--au", "20241201"},
         "la première date (20241231) est après la dernière (20241201)."},
        {{"scan", "--groupe", "Finance", "--formules", "@formules"}, "Formules.txt"},
    };
    env_.écrire("Formules.txt", "Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nune ligne sans signe \xE9gal\r\n");
    for (Cas& c : cas) {
        for (std::string& argument : c.arguments)
            if (argument == "@formules") argument = env_.chemin("Formules.txt");
        const auto r = lancerCli(env_, c.arguments);
        EXPECT_EQ(r.statut, 2) << c.message;
        EXPECT_EQ(r.sortie, "") << c.message;
        EXPECT_NE(r.erreurs.find(c.message), std::string::npos) << r.erreurs;
    }
}

TEST_F(ScanTest, ErreurPendantLeScanStatut1) {
    // Finance lists its securities in this order; the third one gets a broken line on 16 December.
    const std::string groupe = test::lireOctets(env_.chemin("demo/base/groupe/Finance.txt"));
    const std::string code = groupe.substr(groupe.find('\n', groupe.find('\n') + 1) + 1, 12);
    std::string chemin;
    for (const auto& f : std::filesystem::directory_iterator(env_.chemin("demo/base/histo")))
        if (f.path().string().find(code) != std::string::npos) chemin = f.path().string();
    std::string texte = test::lireOctets(chemin);
    const std::size_t ligne = texte.find("\n20241216\t") + 1;
    texte.replace(ligne, texte.find('\n', ligne) - ligne, "20241216\t1\t2\tbas\t1\t1\r");
    env_.écrire(std::filesystem::relative(chemin, env_.racine()).string(), texte);

    const auto r = lancerCli(env_, {"scan", "--groupe", "Finance", "--du", "20241202", "--au", "20241231"});
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs, chemin + " : date 20241216 : champ 4 (Minimum) : \"bas\" n'est pas un nombre.\n");
    const auto lignes = cellules(r.sortie);
    ASSERT_GT(lignes.size(), 1u);
    EXPECT_EQ(r.sortie.substr(0, enTête.size()), enTête);
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        EXPECT_NE(lignes[i][1], code);
        // The rows of a security come in date order: the dashboard was not sorted.
        if (i > 1 && lignes[i][1] == lignes[i - 1][1]) {
            EXPECT_GT(lignes[i][0], lignes[i - 1][0]);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(env_.chemin("demo/base/groupe/Vantorelle.txt")));
}

TEST_F(ScanTest, DatesParDéfautLeDernierCours) {
    const auto r = lancerCli(env_, {"scan", "--groupe", "Finance", "--html"});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const auto lignes = cellules(r.sortie);
    EXPECT_EQ(lignes.size(), 1u + 5u) << "one candle for each of the five securities";
    for (std::size_t i = 1; i < lignes.size(); ++i) EXPECT_EQ(lignes[i][0], "20241231");
    EXPECT_TRUE(std::filesystem::exists(env_.programme() / "HTML.HTML"));
    EXPECT_TRUE(std::filesystem::exists(env_.programme() / "n.gif"));
}

TEST_F(ScanTest, DéfautsDesParamètresÉcritsAvantLeScan) {
    env_.écrire("config/Vantorelle.ini", "[Path]\nPathPlotanex=" + racine() + "\n");
    const auto r = lancerCli(env_, {"scan", "--groupe", "Finance", "--du", "20241231"});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const std::string réglages = test::lireOctets(env_.paramètres());
    for (const char* ligne : {"Tolérance=0,0625", "Période=14", "Période2=9", "TailleMarubozu=1", "AvecFormules=0"})
        EXPECT_NE(réglages.find(ligne), std::string::npos) << ligne;
    EXPECT_EQ(réglages.find("Pondération"), std::string::npos);
}

TEST_F(ScanTest, RacineDonnéeSurLaLigneDeCommande) {
    réglages("/nulle/part/");
    const auto r = lancerCli(env_, {"scan", "--groupe", "Finance", "--du", "20241231", "--racine", env_.chemin("demo")});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(cellules(r.sortie).size(), 1u + 5u);
    EXPECT_NE(test::lireOctets(env_.paramètres()).find("PathPlotanex=/nulle/part/"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(env_.chemin("demo/base/groupe/Vantorelle.txt")));
}

TEST_F(ScanTest, FormulesSelonLesParamètres) {
    std::filesystem::create_directories(env_.programme());
    std::filesystem::copy_file(env_.chemin("demo/Formules.txt"), env_.programme() / "Formules.txt");
    for (const char* avecFormules : {"0", "1"}) {
        réglages(racine(), avecFormules);
        const auto r = lancerCli(env_, {"scan", "--groupe", "Industrie", "--du", "20241101", "--au", "20241231"});
        ASSERT_EQ(r.statut, 0) << r.erreurs;
        int avecFormule = 0;
        for (const auto& ligne : cellules(r.sortie)) avecFormule += !ligne[10].empty() && ligne[10] != "Formules";
        if (avecFormules == std::string("1"))
            EXPECT_GT(avecFormule, 0);
        else
            EXPECT_EQ(avecFormule, 0);
    }
}

TEST_F(ScanTest, SemainesEtMois) {
    struct Cas {
        const char* période;
        std::size_t longueur;
    } cas[] = {{"semaine", 6}, {"mois", 6}, {"jour", 8}};
    for (const Cas& c : cas) {
        const auto r = lancerCli(env_, {"scan", "--groupe", "Services", "--du", "20240101", "--au", "20241231",
                                        "--periode", c.période, "--sans-tendance"});
        ASSERT_EQ(r.statut, 0) << r.erreurs;
        const auto lignes = cellules(r.sortie);
        ASSERT_GT(lignes.size(), 1u) << c.période;
        for (std::size_t i = 1; i < lignes.size(); ++i) EXPECT_EQ(lignes[i][0].size(), c.longueur) << c.période;
    }
}

}  // namespace
}  // namespace vantorelle
