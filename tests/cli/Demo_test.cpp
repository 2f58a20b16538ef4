#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

TEST(Demo, TheSameBytesEveryTimeAndStatus1WhenTheFolderCannotBeMade) {
    EnvironnementEssai env;
    const auto contenu = [&] {
        std::map<std::string, std::string> fichiers;  // by relative path
        EXPECT_EQ(lancerCli(env, {"demo", env.chemin("demo")}), (Résultat{0, "", ""}));
        for (const auto& entrée : std::filesystem::recursive_directory_iterator(env.chemin("demo")))
            if (entrée.is_regular_file())
                fichiers[std::filesystem::relative(entrée.path(), env.chemin("demo")).string()] =
                    lireOctets(entrée.path().string());
        return fichiers;
    };
    const auto premier = contenu();
    EXPECT_EQ(contenu(), premier);
    EXPECT_EQ(premier.size(), 40u + 6u + 2u) << "histories, groups, formulas and settings";
    EXPECT_TRUE(premier.contains("base/histo/Alcyrane_FR0000130007.txt"));
    // The rest of the message is the system's.
    const auto r = lancerCli(env, {"demo", env.écrire("fichier", "ceci n'est pas un dossier")});
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs.rfind("vantorelle-cli demo : ", 0), 0u) << r.erreurs;
}

}  // namespace
}  // namespace vantorelle::test
