#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Aides.h"
#include "main/Produit.h"
#include "main/RapportHTML.h"
#include "shell/INI.h"
#include "store/Encodage.h"
#include "store/Erreur.h"
#include "support/Erreurs.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;
using test::ajouter;
using Lignes = std::vector<std::string>;
using P = PériodeBougie;

const char* const réglagesParDéfaut =
    "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\nTailleMarubozu=1\nPondération=1\n"
    "[Path]\nAfficherDate=1\n";
const ParamètresScan paramètresFixes{"Essai", {}, Jour::de(2024, 1, 2), Jour::de(2024, 1, 5), P::Jour,
                                     true, true};

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

TEST_F(RapportHTMLTest, ExpectedPageWithTheLegendImages) {
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
}

TEST_F(RapportHTMLTest, NoGroupNoFileAndWithoutCountedRowsEmptyCells) {
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
        {P::Jour, Jour::de(2024, 1, 2), Jour::de(2024, 1, 2), false, false, réglagesParDéfaut,
         {"<h3>Bougie Jour ", " au 02/01/2024", "</h3>",
          "<tr><td colspan=9 bgcolor=#FFAB57><strong>Options</strong> : toutes les figures, figures indépendantes de la "
          "tendance, période=14, période2=9, tolérance=1/16, coef grande bougie=1, pondération</td></tr>",
          "<td>02/01/2024</td>"}},
        {P::Semaine, Jour::de(2003, 1, 15), Jour::de(2003, 2, 28), true, true, réglagesParDéfaut,
         {"<h3>Bougie Semaine ", " du 15/01/2003 au 28/02/2003", "<td>01/2003</td>"}},
        {P::Mois, Jour::de(2003, 1, 1), Jour::de(2003, 12, 31), true, true,
         "[BourseCollection]\nTolérance=0.1\nPériode=20\nPériode2=5\nTailleMarubozu=2\nPondération=0\n[Path]\nAfficherDate=0\n",
         {"<h3>Bougie Mois ",
          "<tr><td colspan=8 bgcolor=#FFAB57><strong>Options</strong> : figures confirmées, figures dans la tendance, "
          "période=20, période2=5, tolérance=1/10, coef grande bougie=2</td></tr>",
          "<td bgcolor=#800000><font color=#FFFFFF><strong>Code</strong></font></td>", "<tr>",
          "<td>FR0000130007</td>"}},
        {P::Mois, Jour::de(2003, 1, 1), Jour::de(2003, 12, 31), false, true,
         "[BourseCollection]\nTolérance=0,3\nPériode=14\nPériode2=9\nTailleMarubozu=1\n[Path]\nAfficherDate=1\n",
         {"<tr><td colspan=9 bgcolor=#FFAB57><strong>Options</strong> : toutes les figures, figures dans la tendance, "
          "période=14, période2=9, tolérance=1/3, coef grande bougie=1, pondération</td></tr>",
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

}  // namespace
}  // namespace vantorelle
