#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "LigneTableau.h"
#include "main/Produit.h"
#include "main/RapportHTML.h"
#include "support/EnvironnementEssai.h"
#include "shell/INI.h"
#include "store/Encodage.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;
using test::ajouter;
using test::EnvironnementEssai;

const char* const réglagesParDéfaut =
    "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\nTailleMarubozu=1\nPondération=1\n"
    "[Path]\nAfficherDate=1\n";

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

ParamètresScan paramètresFixes() {
    ParamètresScan p;
    p.groupe = "Essai";
    p.du = Jour::de(2024, 1, 2);
    p.au = Jour::de(2024, 1, 5);
    p.confirmation = true;
    p.avecTendance = true;
    return p;
}

std::vector<std::string> lignesDe(const std::string& texte) {
    std::vector<std::string> lignes;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        lignes.push_back(ligne);
    }
    return lignes;
}

class RapportHTMLTest : public ::testing::Test {
protected:
    void SetUp() override { réglages(réglagesParDéfaut); }

    void réglages(const std::string& texte) { env_.écrire("config/Vantorelle.ini", texte); }

    /// Writes the report and returns its lines, decoded from Windows-1252.
    std::vector<std::string> écrire(const T& tableau, const ParamètresScan& p) {
        const INI ini(1, "Vantorelle");
        RapportHTML rapport(ini, sansTraduction, "http://site.exemple");
        EXPECT_TRUE(rapport.Écrire(page(), tableau, p));
        return lignesDe(depuisWindows1252(test::lireOctets(page())));
    }

    std::string page() const { return env_.chemin("rapports/HTML.HTML"); }

    EnvironnementEssai env_;
};

TEST_F(RapportHTMLTest, PageAttendueLigneÀLigne) {
    std::filesystem::create_directories(env_.chemin("rapports"));
    std::vector<std::string> obtenues = écrire(tableauFixe(), paramètresFixes());
    std::vector<std::string> attendues =
        lignesDe(test::lireOctets(std::string(VANTORELLE_TEST_DATA_DIR) + "/main/rapport_attendu.html"));
    for (std::string& ligne : attendues)
        if (auto v = ligne.find("@VERSION@"); v != std::string::npos) ligne.replace(v, 9, versionProgramme());
    ASSERT_EQ(obtenues.size(), attendues.size());
    for (std::size_t i = 0; i < attendues.size(); ++i) EXPECT_EQ(obtenues[i], attendues[i]) << "ligne " << i + 1;

    const std::string octets = test::lireOctets(page());
    EXPECT_NE(octets.find("confirm\xE9""es"), std::string::npos) << "Windows-1252";
    EXPECT_EQ(octets.substr(0, 8), "<html>\r\n");
    EXPECT_EQ(octets.substr(octets.size() - 9), "</html>\r\n");
}

TEST_F(RapportHTMLTest, ImagesDeLaLégendeÀCôtéDuRapport) {
    std::filesystem::create_directories(env_.chemin("rapports"));
    écrire(tableauFixe(), paramètresFixes());
    for (const char* image : RapportHTML::imagesLégende) {
        const std::string copie = test::lireOctets(env_.chemin(std::string("rapports/") + image));
        EXPECT_EQ(copie.substr(0, 6), "GIF89a") << image;
        EXPECT_EQ(copie, test::lireOctets(std::string(VANTORELLE_SOURCE_DATA_DIR) + "/" + image)) << image;
    }
}

TEST_F(RapportHTMLTest, SansLigneComptéeLesCellulesRestentVides) {
    std::filesystem::create_directories(env_.chemin("rapports"));
    T tableau;
    const auto lignes = écrire(tableau, paramètresFixes());
    int vides = 0;
    for (const std::string& ligne : lignes) {
        EXPECT_EQ(ligne.find("%</font>"), std::string::npos) << ligne;
        vides += ligne == "<td align='center'><font size='2'></font></td>";
    }
    EXPECT_EQ(vides, 3 + 5 + 5 + 5 + 9 + 9);
}

struct CasEnTête {
    const char* nom;
    PériodeBougie période;
    Jour du, au;
    bool confirmation, tendance;
    const char* réglages;
    std::vector<std::string> attendues;  // lines that must appear, in this order
};

TEST_F(RapportHTMLTest, EnTêtesOptionsEtDates) {
    const CasEnTête cas[] = {
        {"même jour", PériodeBougie::Jour, Jour::de(2024, 1, 2), Jour::de(2024, 1, 2), false, false, réglagesParDéfaut,
         {"<h3>Bougie Jour ", " au 02/01/2024", "</h3>",
          "<tr><td colspan=9 bgcolor=#FFAB57><strong>Options</strong> : toutes les figures, figures indépendantes de la "
          "tendance, période=14, période2=9, tolérance=1/16, coef grande bougie=1, pondération</td></tr>",
          "<td>02/01/2024</td>"}},
        {"semaine", PériodeBougie::Semaine, Jour::de(2003, 1, 15), Jour::de(2003, 2, 28), true, true, réglagesParDéfaut,
         {"<h3>Bougie Semaine ", " du 15/01/2003 au 28/02/2003", "<td>01/2003</td>"}},
        {"mois sans date ni pondération", PériodeBougie::Mois, Jour::de(2003, 1, 1), Jour::de(2003, 12, 31), true, true,
         "[BourseCollection]\nTolérance=0.1\nPériode=20\nPériode2=5\nTailleMarubozu=2\nPondération=0\n[Path]\nAfficherDate=0\n",
         {"<h3>Bougie Mois ",
          "<tr><td colspan=8 bgcolor=#FFAB57><strong>Options</strong> : figures confirmées, figures dans la tendance, "
          "période=20, période2=5, tolérance=1/10, coef grande bougie=2</td></tr>",
          "<td bgcolor=#800000><font color=#FFFFFF><strong>Code</strong></font></td>", "<tr>",
          "<td>FR0000130007</td>"}},
        {"mois avec date, pondération vide", PériodeBougie::Mois, Jour::de(2003, 1, 1), Jour::de(2003, 12, 31), false,
         true, "[BourseCollection]\nTolérance=0,3\nPériode=14\nPériode2=9\nTailleMarubozu=1\n[Path]\nAfficherDate=1\n",
         {"<tr><td colspan=9 bgcolor=#FFAB57><strong>Options</strong> : toutes les figures, figures dans la tendance, "
          "période=14, période2=9, tolérance=1/3, coef grande bougie=1, pondération</td></tr>",
          "<td bgcolor=#800000><font color=#FFFFFF><strong>Date</strong></font></td>", "<td>2003</td>"}},
    };
    std::filesystem::create_directories(env_.chemin("rapports"));
    for (const CasEnTête& c : cas) {
        réglages(c.réglages);
        T tableau;
        const std::string date = c.période == PériodeBougie::Jour ? "20240102" : "200301";
        ajouter(tableau, {date, "FR0000130007", "Alcyrane", "Doji (=)", "12,5", "", "", "", "", "1"});
        ParamètresScan p{"Essai", {}, c.du, c.au, c.période, c.confirmation, c.tendance};
        const auto lignes = écrire(tableau, p);
        auto position = lignes.begin();
        for (const std::string& attendue : c.attendues) {
            position = std::find(position, lignes.end(), attendue);
            EXPECT_NE(position, lignes.end()) << c.nom << " : " << attendue;
            if (position == lignes.end()) break;
        }
    }
}

TEST_F(RapportHTMLTest, AucunGroupeAucunFichier) {
    const INI ini(1, "Vantorelle");
    ParamètresScan p = paramètresFixes();
    p.groupe.clear();
    EXPECT_FALSE(RapportHTML(ini, sansTraduction, "http://site.exemple").Écrire(page(), tableauFixe(), p));
    EXPECT_FALSE(std::filesystem::exists(page()));
}

TEST_F(RapportHTMLTest, RéglageIllisibleGardeLaPageCommencée) {
    struct Cas {
        const char* réglages;
        const char* message;
        const char* dernièreLigneÉcrite;
    } cas[] = {
        {"[BourseCollection]\nTolérance=0\n[Path]\nAfficherDate=1\n",
         "Division par zéro : le paramètre Tolérance vaut 0.", "<h3>Groupe Essai</h3>"},
        {"[BourseCollection]\nTolérance=seize\n[Path]\nAfficherDate=1\n",
         "Paramètre Tolérance (section BourseCollection) : \"seize\" n'est pas un nombre.", "<h3>Groupe Essai</h3>"},
        {"[BourseCollection]\nTolérance=0,0625\nPondération=oui\n[Path]\nAfficherDate=1\n",
         "Paramètre Pondération (section BourseCollection) : \"oui\" n'est pas une valeur booléenne.",
         "<h3>Groupe Essai</h3>"},
        {"[BourseCollection]\nTolérance=0,0625\n[Path]\nAfficherDate=\n",
         "Paramètre AfficherDate (section Path) : \"\" n'est pas un nombre.", "<table bgcolor=#FFFFFF border=1>"},
    };
    std::filesystem::create_directories(env_.chemin("rapports"));
    for (const auto& c : cas) {
        réglages(c.réglages);
        const INI ini(1, "Vantorelle");
        RapportHTML rapport(ini, sansTraduction, "http://site.exemple");
        std::string message = "(aucune erreur)";
        try {
            rapport.Écrire(page(), tableauFixe(), paramètresFixes());
        } catch (const Erreur& e) {
            message = e.what();
        }
        EXPECT_EQ(message, c.message);
        const auto lignes = lignesDe(depuisWindows1252(test::lireOctets(page())));
        ASSERT_GE(lignes.size(), 3u) << c.message;
        EXPECT_EQ(lignes[lignes.size() - 3], c.dernièreLigneÉcrite) << c.message;
        EXPECT_EQ(lignes[lignes.size() - 2], "</body>");
        EXPECT_EQ(lignes.back(), "</html>");
    }
}

TEST_F(RapportHTMLTest, TexteTraduit) {
    std::filesystem::create_directories(env_.chemin("rapports"));
    const INI ini(1, "Vantorelle");
    const Traduction anglais = [](const std::string& section, const std::string& texte) {
        return section == sectionInterface && texte == "Groupe" ? std::string("Group") : texte;
    };
    ASSERT_TRUE(RapportHTML(ini, anglais, "http://site.exemple").Écrire(page(), tableauFixe(), paramètresFixes()));
    const auto lignes = lignesDe(depuisWindows1252(test::lireOctets(page())));
    EXPECT_NE(std::find(lignes.begin(), lignes.end(), "<title>Vantorelle Group Essai</title>"), lignes.end());
    EXPECT_NE(std::find(lignes.begin(), lignes.end(), "<h3>Group Essai</h3>"), lignes.end());
}

}  // namespace
}  // namespace vantorelle
