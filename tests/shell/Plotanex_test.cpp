#include "shell/Plotanex.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/EnvironnementEssai.h"
#include "shell/BureauSysteme.h"
#include "shell/INI.h"
#include "shell/OuvrirDocument.h"

namespace vantorelle {
namespace {

using test::EnvironnementEssai;
using test::lireOctets;
using ::testing::ElementsAre;
namespace fs = std::filesystem;

/// A data root inside the test's folder, named in the settings.
class BaseEssai : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(env.chemin("racine"));
        INI(1, "Vantorelle").Value("Path", "PathPlotanex", "", racine());
    }
    std::string racine() const { return env.chemin("racine") + "/"; }
    std::string écrire(const std::string& relatif, std::string_view octets) const {
        return env.écrire("racine/" + relatif, octets);
    }
    EnvironnementEssai env;
};

TEST_F(BaseEssai, CheminBaseLitLeParametreAvecDesBarres) {
    EXPECT_EQ(CheminBase(), racine());
    INI(1, "Vantorelle").Value("Path", "PathPlotanex", "", "C:\\Plotanex\\");
    EXPECT_EQ(CheminBase(), "C:/Plotanex/");
    INI(1, "Vantorelle").Value("Path", "PathPlotanex", "", "");
    EXPECT_EQ(CheminBase(), "");
}

TEST_F(BaseEssai, FichierHisto) {
    for (const char* nom : {"Gamma_XX0001.txt", "Alpha_FR0000000001.txt", "Beta_fr0000000002.TXT",
                            "DeltaFR0000000003.txt", "Epsilon_FR0000000004.txt.bak", "a_b_FR0000000005.txt"})
        écrire(std::string("base/histo/") + nom, "");
    const std::string histo = racine() + "base/histo/";
    struct Cas {
        const char* code;
        std::string attendu;
    };
    const Cas cas[] = {
        {"FR0000000001", histo + "Alpha_FR0000000001.txt"},
        {"0001", histo + "Alpha_FR0000000001.txt"},  // the tail of a code: the first in name order
        {"XX0001", histo + "Gamma_XX0001.txt"},
        {"FR0000000002", histo + "Beta_fr0000000002.TXT"},
        {"fr0000000001", histo + "Alpha_FR0000000001.txt"},
        {"FR0000000003", ""},  // no "_" before the code
        {"FR0000000004", ""},
        {"b_FR0000000005", histo + "a_b_FR0000000005.txt"},
        {"FR9", ""},
    };
    for (const Cas& c : cas) EXPECT_EQ(FichierHisto(c.code), c.attendu) << c.code;
}

TEST_F(BaseEssai, FichierHistoDansUnRepertoireAutrementEcrit) {
    écrire("Base/Histo/Alpha_FR0000000001.txt", "");
    EXPECT_EQ(FichierHisto("FR0000000001"), racine() + "Base/Histo/Alpha_FR0000000001.txt");
}

TEST_F(BaseEssai, ReconstruireTout) {
    écrire("base/groupe/CAC.txt", "FR2\tDeux\r\nFR1\tUn\r\n\r\n");
    écrire("base/groupe/Autre.txt", "FR1\tUn bis\nFR4\t\x80uro\nFR4\t\xE9pargne\nFR5\tCinq\tde trop\n");  // LF alone
    écrire("base/groupe/Vantorelle.txt", "FR3\tTrois\r\nFR1\tUn\r\n");
    écrire("base/groupe/All.txt", "ZZ\tAncien\r\n");
    ReconstruireTout();
    // Sorted in code-point order (so "é" before "€"), one line per code: the first of its code.
    EXPECT_EQ(lireOctets(racine() + "base/groupe/All.txt"),
              "\r\n"
              "FR1\tUn\r\n"
              "FR2\tDeux\r\n"
              "FR3\tTrois\r\n"
              "FR4\t\xE9pargne\r\n"
              "FR5\tCinq\tde trop\r\n");
}

TEST_F(BaseEssai, ReconstruireToutSansAutreGroupe) {
    écrire("Base/Groupe/All.txt", "ZZ\tAncien\r\n");
    ReconstruireTout();
    EXPECT_EQ(lireOctets(racine() + "Base/Groupe/All.txt"), "");
}

TEST_F(BaseEssai, HistoriquesComptesEtVides) {
    EXPECT_EQ(NombreHistoriques(), 0);
    ViderHistoriques();
    for (const char* nom : {"a_1.txt", "b_2.txt", "c_3.txt"}) écrire(std::string("base/histo/") + nom, "x");
    fs::create_directories(racine() + "base/histo/sous");
    EXPECT_EQ(NombreHistoriques(), 3);
    ViderHistoriques();
    EXPECT_EQ(NombreHistoriques(), 0);
    EXPECT_TRUE(fs::is_directory(racine() + "base/histo/sous"));
}

TEST(Plotanex, UneRacineAbsenteNeDonneRien) {
    EnvironnementEssai env;
    INI(1, "Vantorelle").Value("Path", "PathPlotanex", "", env.chemin("absente") + "/");
    EXPECT_EQ(FichierHisto("FR0000130007"), "");
    EXPECT_EQ(NombreHistoriques(), 0);
    EXPECT_NO_THROW(ViderHistoriques());
    EXPECT_NO_THROW(ReconstruireTout());
    EXPECT_FALSE(fs::exists(env.chemin("absente")));
}

/// A desktop that records what it is asked and starts nothing.
class BureauFactice : public Bureau {
public:
    std::optional<int> démarrer(const std::vector<std::string>& arguments, const std::string& répertoire) override {
        démarrages.push_back({arguments, répertoire});
        return réussir ? std::optional<int>(4242) : std::nullopt;
    }
    void taper(int processus, const std::string& texte) override { saisies.emplace_back(processus, texte); }

    struct Démarrage {
        std::vector<std::string> arguments;
        std::string répertoire;
        friend bool operator==(const Démarrage&, const Démarrage&) = default;
    };
    bool réussir = true;
    std::vector<Démarrage> démarrages;
    std::vector<std::pair<int, std::string>> saisies;
};

class Lancement : public BaseEssai {
protected:
    void TearDown() override { fs::current_path(départ); }
    fs::path départ = fs::current_path();
    BureauFactice bureau;
};

TEST_F(Lancement, PlotanexDemarreDansLaRacineEtRecoitLeCode) {
    écrire("Plotanex", "");
    EXPECT_TRUE(LancerPlotanex("FR0000130007", bureau));
    EXPECT_THAT(bureau.démarrages,
                ElementsAre(BureauFactice::Démarrage{{racine() + "Plotanex", "FR0000130007"}, racine()}));
    EXPECT_THAT(bureau.saisies, ElementsAre(std::pair(4242, std::string("FR0000130007"))));
    EXPECT_EQ(fs::current_path(), fs::path(env.chemin("racine")));
}

TEST_F(Lancement, PlotanexExeAdefautDePlotanex) {
    écrire("Plotanex.exe", "");
    EXPECT_TRUE(LancerPlotanex("FR1", bureau));
    EXPECT_THAT(bureau.démarrages, ElementsAre(BureauFactice::Démarrage{{racine() + "Plotanex.exe", "FR1"}, racine()}));
}

TEST_F(Lancement, SansProgrammeRienNeSePasse) {
    EXPECT_FALSE(LancerPlotanex("FR1", bureau));
    EXPECT_TRUE(bureau.démarrages.empty());

    écrire("Plotanex", "");
    bureau.réussir = false;
    EXPECT_FALSE(LancerPlotanex("FR1", bureau));
    EXPECT_TRUE(bureau.saisies.empty());

    INI(1, "Vantorelle").Value("Path", "PathPlotanex", "", env.chemin("absente") + "/");
    bureau.réussir = true;
    EXPECT_FALSE(LancerPlotanex("FR1", bureau));
    EXPECT_EQ(bureau.démarrages.size(), 1u);
}

TEST(OuvrirDocument, PasseLaCibleAlOuvreurDuBureau) {
    BureauFactice bureau;
    EXPECT_TRUE(OuvrirDocument("https://exemple.org/aide.php", bureau));
    EXPECT_TRUE(OuvrirDocument("/d/base/groupe", bureau));
    bureau.réussir = false;
    EXPECT_FALSE(OuvrirDocument("mailto:x@exemple.org", bureau));
    EXPECT_THAT(bureau.démarrages, ElementsAre(BureauFactice::Démarrage{{"xdg-open", "https://exemple.org/aide.php"}, ""},
                                               BureauFactice::Démarrage{{"xdg-open", "/d/base/groupe"}, ""},
                                               BureauFactice::Démarrage{{"xdg-open", "mailto:x@exemple.org"}, ""}));
}

TEST(BureauSysteme, UnProgrammeIntrouvableNeDemarrePas) {
    BureauSystème bureau;
    EXPECT_EQ(bureau.démarrer({"/nulle/part/Plotanex", "FR1"}, ""), std::nullopt);
    EXPECT_EQ(bureau.démarrer({}, ""), std::nullopt);
}

}  // namespace
}  // namespace vantorelle
