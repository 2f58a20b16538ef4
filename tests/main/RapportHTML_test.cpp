#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Aides.h"
#include "main/ExportEditeur.h"
#include "main/RapportHTML.h"
#include "main/SauvegardeGroupe.h"
#include "shell/INI.h"
#include "shell/SiteProduit.h"
#include "store/Encodage.h"
#include "store/Erreur.h"
#include "support/DossierTemporaire.h"
#include "support/EnvironnementEssai.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;
using test::ajouter;
using Lignes = std::vector<std::string>;
using P = PériodeBougie;

const char* const réglagesParDéfaut =
    "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\nTailleMarubozu=1\nPondération=1\n"
    "[Path]\nAfficherDate=1\n";
const ParamètresScan paramètresFixes{"Essai", {}, Jour::de(2024, 1, 2), Jour::de(2024, 1, 5), P::Jour, true, true};

/// The fixed dashboard of the expected page: 8 rows counted, three shown (9, 10 and 9 sub-items).
T tableauFixe() {
    T tableau;
    ajouter(tableau, {"20240102", "FR0000130007", "Alcyrane", "Marteau (/)", "12,50 (/+2,04%)", "03,25 (/>2,1)",
                      "1,234 (=<1,5)", "54,12 (/>50,3)", "", "2"});
    ajouter(tableau, {"20240103", "FR0000130007", "Alcyrane", "Avalement haussier (/)", "11,90 (\\-4,8%)",
                      "02,00 (\\<2,5)", "0,900 (=>0,8)", "45,00 (\\<48,1)", "20,00 (=<25)", "4", "Rebond | "});
    ajouter(tableau, {"20240104", "FR0000123456", "Bélorgue Matériaux", "Doji (=)", "-1,5", "00,00 (=>0)", "",
                      "75,00 (\\>70,2)", "", "1"});
    tableau.NbLignes = 8;
    const int comptes[6][10] = {{5, 3, 0}, {1, 7, 0, 2, 6}, {4, 4, 0, 0, 0, 8}, {2, 5, 0, 1, 1, 6},
                                {3, 3, 0, 3, 3, 2, 4, 3, 1, 1}, {}};
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 10; ++c)
            for (int k = 0; k < comptes[r - 1][c - 1]; ++k) tableau.Compteurs.Ajouter(r, c);
    return tableau;
}

Lignes lignesDe(const std::string& texte) {
    Lignes lignes;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        lignes.push_back(ligne);
    }
    return lignes;
}

class RapportHTMLTest : public ::testing::Test {
protected:
    void SetUp() override { réglages(réglagesParDéfaut), std::filesystem::create_directories(env_.chemin("rapports")); }
    void réglages(const std::string& texte) { env_.écrire("config/Vantorelle.ini", texte); }
    bool produire(const T& tableau, const ParamètresScan& p) const {
        return RapportHTML(env_.emplacements(), sansTraduction, "http://site.exemple").Écrire(page(), tableau, p);
    }
    /// Writes the report and returns its lines, decoded from Windows-1252.
    Lignes écrire(const T& tableau, const ParamètresScan& p) {
        EXPECT_TRUE(produire(tableau, p));
        return lignesDe(texte());
    }
    std::string texte() const { return depuisWindows1252(test::lireOctets(page())); }
    std::string page() const { return env_.chemin("rapports/HTML.HTML"); }

    test::EnvironnementEssai env_;
};

TEST_F(RapportHTMLTest, ExpectedPageNoneWithoutAGroupAndEmptyStatisticsWithoutCountedRows) {
    écrire(tableauFixe(), paramètresFixes);
    std::string attendu;
    for (const std::string& ligne :
         lignesDe(test::lireOctets(std::string(VANTORELLE_TEST_DATA_DIR) + "/main/rapport_attendu.html")))
        attendu += ligne + "\r\n";
    attendu.replace(attendu.find("@VERSION@"), 9, versionProgramme());
    EXPECT_EQ(texte(), attendu);
    for (const char* image : RapportHTML::imagesLégende)
        EXPECT_EQ(test::lireOctets(env_.chemin(std::string("rapports/") + image)),
                  test::lireOctets(std::string(VANTORELLE_SOURCE_DATA_DIR) + "/" + image)) << image;

    // Without a group no page; without counted rows, empty statistics.
    std::filesystem::remove(page());
    ParamètresScan sansGroupe = paramètresFixes;
    sansGroupe.groupe.clear();
    EXPECT_FALSE(produire(tableauFixe(), sansGroupe));
    EXPECT_FALSE(std::filesystem::exists(page()));
    const Lignes lignes = écrire(T(), paramètresFixes);
    EXPECT_EQ(std::count(lignes.begin(), lignes.end(), "<td align='center'><font size='2'></font></td>"),
              3 + 5 + 5 + 5 + 9 + 9);
    for (const std::string& ligne : lignes) EXPECT_EQ(ligne.find("%</font>"), std::string::npos) << ligne;
}

TEST_F(RapportHTMLTest, HeadingsOptionsAndDates) {
    // The lines that must appear, in this order.
    const struct { P période; Jour du, au; bool confirmées, tendance; const char* réglages; Lignes attendues; } cas[] = {
        {P::Jour, Jour::de(2024, 1, 2), Jour::de(2024, 1, 2), false, false,
         "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\nTailleMarubozu=1\n[Path]\nAfficherDate=0\n",
         {"<h3>Bougie Jour ", " au 02/01/2024", "</h3>",
          "<tr><td colspan=8 bgcolor=#FFAB57><strong>Options</strong> : toutes les figures, figures indépendantes de la "
          "tendance, période=14, période2=9, tolérance=1/16, coef grande bougie=1, pondération</td></tr>",
          "<td bgcolor=#800000><font color=#FFFFFF><strong>Code</strong></font></td>", "<tr>",
          "<td>FR0000130007</td>"}},
        {P::Semaine, Jour::de(2003, 1, 15), Jour::de(2003, 2, 28), true, true, réglagesParDéfaut,
         {"<h3>Bougie Semaine ", " du 15/01/2003 au 28/02/2003", "<td>01/2003</td>"}},
        {P::Mois, Jour::de(2003, 1, 1), Jour::de(2003, 12, 31), true, true,
         "[BourseCollection]\nTolérance=0.1\nPériode=20\nPériode2=5\nTailleMarubozu=2\nPondération=0\n[Path]\nAfficherDate=1\n",
         {"<h3>Bougie Mois ",
          "<tr><td colspan=9 bgcolor=#FFAB57><strong>Options</strong> : figures confirmées, figures dans la tendance, "
          "période=20, période2=5, tolérance=1/10, coef grande bougie=2</td></tr>",
          "<td bgcolor=#800000><font color=#FFFFFF><strong>Date</strong></font></td>", "<td>2003</td>"}},
    };
    for (const auto& c : cas) {
        réglages(c.réglages);
        T tableau;
        ajouter(tableau, {c.période == P::Jour ? "20240102" : "200301", "FR0000130007", "Alcyrane",
                          "Doji (=)", "12,5", "", "", "", "", "1"});
        const Lignes lignes = écrire(tableau, {"Essai", {}, c.du, c.au, c.période, c.confirmées, c.tendance});
        auto position = lignes.begin();
        for (const std::string& attendue : c.attendues)
            ASSERT_NE(position = std::find(position, lignes.end(), attendue), lignes.end()) << attendue;
    }
}

TEST_F(RapportHTMLTest, UnreadableSettingKeepsThePageBegun) {
    const struct { const char *réglages, *message, *dernièreLigneÉcrite; } cas[] = {
        {"[BourseCollection]\nTolérance=0\n[Path]\nAfficherDate=1\n",
         "Division par zéro : le paramètre Tolérance vaut 0.", "<h3>Groupe Essai</h3>"},
        {"[BourseCollection]\nTolérance=0,0625\n[Path]\nAfficherDate=\n",
         "Paramètre AfficherDate (section Path) : \"\" n'est pas un nombre.", "<table bgcolor=#FFFFFF border=1>"},
    };
    for (const auto& c : cas) {
        réglages(c.réglages);
        EXPECT_THROW_MSG(produire(tableauFixe(), paramètresFixes), Erreur, c.message);
        EXPECT_TRUE(texte().ends_with(std::string(c.dernièreLigneÉcrite) + "\r\n</body>\r\n</html>\r\n")) << c.message;
    }
}

// ---- The group and the export for the editor ----

using T = TableauDeBord;
using test::ajouter;

TEST(SauvegardeGroupe, VantorelleGroupInTheDashboardOrderOrAnError) {
    const test::DossierTemporaire dossier;
    const std::string racine = dossier.chemin().string() + "/",
                      groupe = dossier.écrire("base/groupe/Vantorelle.txt", "ancien\r\n");
    // Rows of one security in a row, empty codes and names, a code shown with two names: added in reverse.
    T tableau;
    const char* const valeurs[][2] = {{"", ""},    {"", ""}, {"FR1", "Été"}, {"FR1", "Été"}, {"FR1", "Été bis"},
                                      {"", "Été"}, {"FR1", ""}, {"", ""}, {"FR2", "Bélorgue"}};
    for (int k = 8; k >= 0; --k) ajouter(tableau, {std::to_string(k), valeurs[k][0], valeurs[k][1], "Doji (=)"});
    tableau.CliquerColonne(T::Date), tableau.CliquerColonne(T::Date);  // ascending
    sauverGroupeVantorelle(tableau, racine);
    EXPECT_EQ(test::lireOctets(groupe), "\t\r\n\t\r\nFR1\t\xC9t\xE9\r\nFR1\t\xC9t\xE9\r\nFR1\t\xC9t\xE9 bis\r\n"
                                        "\t\xC9t\xE9\r\nFR1\t\r\n\t\r\nFR2\tB\xE9lorgue\r\n");
    sauverGroupeVantorelle(T(), racine);
    EXPECT_TRUE(std::filesystem::exists(groupe));
    EXPECT_EQ(test::lireOctets(groupe), "");

    // A folder where the group file should be: no one, not even the superuser, can replace it by a file.
    std::filesystem::remove(groupe);
    std::filesystem::create_directories(groupe);
    EXPECT_THROW_MSG(sauverGroupeVantorelle(tableau, racine), ErreurFichier,
                     groupe + " : écriture impossible (c'est un dossier)");
    EXPECT_TRUE(std::filesystem::is_directory(groupe));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.chemin() / "base" / "groupe"), {}), 1)
        << "no temporary file left behind";
}

TEST(ExportEditeur, ExportForTheEditor) {
    const test::DossierTemporaire dossier;
    const std::string fichier = exporterPourÉditeur(tableauFixe(), dossier.chemin().string() + "/");
    EXPECT_EQ(fichier, dossier.fichier("Vantorelle.txt"));
    EXPECT_EQ(test::lireOctets(fichier),
              "Date\tCode\tNom\tChandelier\tCl\xF4ture\tVolatilit\xE9\tVolume\tRSI\tStoch\tPond\xE9ration\tFormules\r\n"
              "20240102\tFR0000130007\tAlcyrane\tMarteau (/)\t12,50 (/+2,04%)\t03,25 (/>2,1)\t1,234 (=<1,5)\t"
              "54,12 (/>50,3)\t\t2\r\n"
              "20240103\tFR0000130007\tAlcyrane\tAvalement haussier (/)\t11,90 (\\-4,8%)\t02,00 (\\<2,5)\t"
              "0,900 (=>0,8)\t45,00 (\\<48,1)\t20,00 (=<25)\t4\tRebond | \r\n"
              "20240104\tFR0000123456\tB\xE9lorgue Mat\xE9riaux\tDoji (=)\t-1,5\t00,00 (=>0)\t\t75,00 (\\>70,2)\t\t1\r\n");
}

}  // namespace
}  // namespace vantorelle
