#include "shell/RacineDonnees.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/BureauSysteme.h"
#include "shell/INI.h"
#include "shell/OuvrirDocument.h"
#include "shell/Plotanex.h"
#include "support/BureauFactice.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;
namespace fs = std::filesystem;

/// A data root inside the test's folder, named in the settings.
class DataRoot : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(racine), choisirRacine(racine); }
    void choisirRacine(const std::string& chemin) { INI(e, 1, "Vantorelle").Value("Path", "PathPlotanex", "", chemin); }
    EnvironnementEssai env;
    const Emplacements& e = env.emplacements();
    const std::string racine = env.chemin("racine") + "/";
};

// A history file is "<name>_<code>.txt" in any case; a code's tail finds nothing. Histories are counted and
// emptied in the folder only; under a missing root, emptying and rebuilding do nothing.
TEST_F(DataRoot, HistoryFiles) {
    for (const char* nom : {"Gamma_XX0001.txt", "Alpha_FR0000000001.txt", "Beta_fr0000000002.TXT", "DeltaFR0000000003.txt",
                            "sous/d_4.txt"})
        env.écrire(std::string("racine/base/histo/") + nom, "");
    const std::string histo = racine + "base/histo/";
    EXPECT_EQ(FichierHisto(e, "0001"), "");
    EXPECT_EQ(FichierHisto(e, "XX0001"), histo + "Gamma_XX0001.txt");
    EXPECT_EQ(FichierHisto(e, "FR0000000002"), histo + "Beta_fr0000000002.TXT");
    EXPECT_EQ(FichierHisto(e, "FR0000000003"), "");
    EXPECT_EQ(NombreHistoriques(e), 4);
    ViderHistoriques(e);
    EXPECT_EQ(NombreHistoriques(e), 0);
    EXPECT_TRUE(fs::exists(histo + "sous/d_4.txt"));
    choisirRacine(env.chemin("absente") + "/");
    EXPECT_NO_THROW((ViderHistoriques(e), ReconstruireTout(e)));
}

// All.txt replaced by the other groups' lines, sorted in code-point order (so "é" before "€"), one line per
// code: the first of its code; LF alone is read, and an empty last line is dropped.
TEST_F(DataRoot, RebuildAll) {
    env.écrire("racine/Base/Groupe/All.txt", "ZZ\tAncien\r\n");
    env.écrire("racine/Base/Groupe/CAC.txt", "FR2\tDeux\r\nFR1\tUn\r\n\r\n");
    env.écrire("racine/Base/Groupe/Autre.txt", "FR1\tUn bis\nFR4\t\x80uro\nFR4\t\xE9pargne\nFR5\tCinq\tde trop\n");
    ReconstruireTout(e);
    EXPECT_EQ(lireOctets(racine + "Base/Groupe/All.txt"), "FR1\tUn\r\nFR2\tDeux\r\nFR4\t\xE9pargne\r\nFR5\tCinq\tde trop\r\n");
    // A lone blank line stays; a group in UTF-8 with its mark joins in Windows-1252.
    env.écrire("racine/Base/Groupe/Autre.txt", "\r\n");
    env.écrire("racine/Base/Groupe/CAC.txt", "");
    ReconstruireTout(e);
    EXPECT_EQ(lireOctets(racine + "Base/Groupe/All.txt"), "\r\n");
    env.écrire("racine/Base/Groupe/Autre.txt", "\xEF\xBB\xBF" "FR3\tSoci\xC3\xA9t\xC3\xA9\r\n");
    ReconstruireTout(e);
    EXPECT_EQ(lireOctets(racine + "Base/Groupe/All.txt"), "FR3\tSoci\xE9t\xE9\r\n");
}

// The program starts in the root and is given the code, by argument and then typed; "Plotanex" before
// "Plotanex.exe". Without a program, or when it cannot start, nothing else happens.
TEST_F(DataRoot, LaunchPlotanexAndOpenADocument) {
    BureauFactice bureau;
    EXPECT_FALSE(LancerPlotanex(e, "FR1", bureau));
    env.écrire("racine/Plotanex.exe", ""), env.écrire("racine/Plotanex", "");
    EXPECT_TRUE(LancerPlotanex(e, "FR1", bureau));
    bureau.réussir = false;
    EXPECT_FALSE(LancerPlotanex(e, "FR2", bureau));
    EXPECT_FALSE(OuvrirDocument("https://exemple.org/aide.php", bureau));  // by the desktop's opener
    EXPECT_EQ(bureau.journal, racine + "Plotanex FR1 dans " + racine + "; 4242 FR1; " + racine + "Plotanex FR2 dans " + racine +
                                  "; xdg-open https://exemple.org/aide.php dans ; ");
    BureauSystème système;  // a program that cannot be found does not start
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"/nulle/part/Plotanex", "FR1"}, {}})
        EXPECT_EQ(système.démarrer(arguments, ""), std::nullopt);
}

}  // namespace
}  // namespace vantorelle::test
