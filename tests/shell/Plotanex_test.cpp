#include "shell/RacineDonnees.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/BureauSysteme.h"
#include "shell/INI.h"
#include "shell/OuvrirDocument.h"
#include "shell/Plotanex.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;
namespace fs = std::filesystem;


/// A data root inside the test's folder, named in the settings.
class DataRoot : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(racine), choisirRacine(racine); }
    void choisirRacine(const std::string& chemin) {
        INI(env.emplacements(), 1, "Vantorelle").Value("Path", "PathPlotanex", "", chemin);
    }
    EnvironnementEssai env;
    const std::string racine = env.chemin("racine") + "/";
    const fs::path départ = fs::current_path();
};

// A history file is "<name>_<code>.txt" in any case; a code's tail finds the first in name order. Histories
// are counted and emptied in the folder only.
TEST_F(DataRoot, HistoryFilesAndTheRootWithSlashes) {
    for (const char* nom : {"Gamma_XX0001.txt", "Alpha_FR0000000001.txt", "Beta_fr0000000002.TXT", "DeltaFR0000000003.txt",
                            "sous/d_4.txt"})
        env.écrire(std::string("racine/base/histo/") + nom, "");
    const std::string histo = racine + "base/histo/";
    EXPECT_EQ(FichierHisto(env.emplacements(), "FR0000000001") + "|" + FichierHisto(env.emplacements(), "0001") + "|" + FichierHisto(env.emplacements(), "FR0000000002") + "|" +
                  FichierHisto(env.emplacements(), "FR0000000003"),
              histo + "Alpha_FR0000000001.txt|" + histo + "Alpha_FR0000000001.txt|" + histo + "Beta_fr0000000002.TXT|");
    EXPECT_EQ(CheminBase(env.emplacements()), racine);
    choisirRacine("C:\\Plotanex\\");
    EXPECT_EQ(CheminBase(env.emplacements()), "C:/Plotanex/");
    choisirRacine(racine);
    EXPECT_EQ(NombreHistoriques(env.emplacements()), 4);
    ViderHistoriques(env.emplacements());
    EXPECT_EQ(NombreHistoriques(env.emplacements()), 0);
    EXPECT_TRUE(fs::exists(racine + "base/histo/sous/d_4.txt"));
    choisirRacine(env.chemin("absente") + "/");  // a missing root gives nothing and is not made
    EXPECT_EQ(FichierHisto(env.emplacements(), "FR0000130007") + std::to_string(NombreHistoriques(env.emplacements())), "0");
    EXPECT_NO_THROW((ViderHistoriques(env.emplacements()), ReconstruireTout(env.emplacements())));
    EXPECT_FALSE(fs::exists(env.chemin("absente")));
}

// Sorted in code-point order (so "é" before "€"), one line per code: the first of its code; LF alone is read.
TEST_F(DataRoot, RebuildAll) {
    env.écrire("racine/Base/Groupe/All.txt", "ZZ\tAncien\r\n");
    ReconstruireTout(env.emplacements());
    EXPECT_EQ(lireOctets(racine + "Base/Groupe/All.txt"), "");
    env.écrire("racine/Base/Groupe/CAC.txt", "FR2\tDeux\r\nFR1\tUn\r\n\r\n");
    env.écrire("racine/Base/Groupe/Autre.txt", "FR1\tUn bis\nFR4\t\x80uro\nFR4\t\xE9pargne\nFR5\tCinq\tde trop\n");
    env.écrire("racine/Base/Groupe/Vantorelle.txt", "FR3\tTrois\r\nFR1\tUn\r\n");
    ReconstruireTout(env.emplacements());
    EXPECT_EQ(lireOctets(racine + "Base/Groupe/All.txt"),
              "\r\nFR1\tUn\r\nFR2\tDeux\r\nFR3\tTrois\r\nFR4\t\xE9pargne\r\nFR5\tCinq\tde trop\r\n");
}

/// A desktop that records what it is asked and starts nothing.
struct BureauFactice : Bureau {
    std::optional<int> démarrer(const std::vector<std::string>& arguments, const std::string& répertoire) override {
        démarrages.emplace_back(arguments).push_back("dans " + répertoire);
        return réussir ? std::optional<int>(4242) : std::nullopt;
    }
    void taper(int processus, const std::string& texte) override { saisies.push_back(std::to_string(processus) + texte); }
    bool réussir = true;
    std::vector<std::vector<std::string>> démarrages;
    std::vector<std::string> saisies;
};

// The program starts in the root and is given the code, by argument and typed; "Plotanex.exe" failing
// "Plotanex". Without a program, or when it cannot start, nothing else happens.
TEST_F(DataRoot, LaunchPlotanexAndOpenADocument) {
    BureauFactice bureau;
    EXPECT_FALSE(LancerPlotanex(env.emplacements(), "FR1", bureau));
    env.écrire("racine/Plotanex.exe", "");
    EXPECT_TRUE(LancerPlotanex(env.emplacements(), "FR1", bureau));
    env.écrire("racine/Plotanex", "");
    EXPECT_TRUE(LancerPlotanex(env.emplacements(), "FR0000130007", bureau));
    EXPECT_THAT(bureau.démarrages, ElementsAre(ElementsAre(racine + "Plotanex.exe", "FR1", "dans " + racine),
                                               ElementsAre(racine + "Plotanex", "FR0000130007", "dans " + racine)));
    EXPECT_THAT(bureau.saisies, ElementsAre("4242FR1", "4242FR0000130007"));
    EXPECT_EQ(fs::current_path(), départ);  // the program starts there; this process stays where it is
    bureau.réussir = false;
    EXPECT_FALSE(LancerPlotanex(env.emplacements(), "FR1", bureau));
    choisirRacine(env.chemin("absente") + "/");
    bureau.réussir = true;
    EXPECT_FALSE(LancerPlotanex(env.emplacements(), "FR1", bureau));
    EXPECT_EQ(std::pair(bureau.démarrages.size(), bureau.saisies.size()), std::pair(std::size_t{3}, std::size_t{2}));
    EXPECT_TRUE(OuvrirDocument("https://exemple.org/aide.php", bureau));  // by the desktop's opener
    EXPECT_THAT(bureau.démarrages.back(), ElementsAre("xdg-open", "https://exemple.org/aide.php", "dans "));
    bureau.réussir = false;
    EXPECT_FALSE(OuvrirDocument("/d/base/groupe", bureau));
    BureauSystème système;  // a program that cannot be found does not start
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"/nulle/part/Plotanex", "FR1"}, {}})
        EXPECT_EQ(système.démarrer(arguments, ""), std::nullopt);
}

}  // namespace
}  // namespace vantorelle::test
