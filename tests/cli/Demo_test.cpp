#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "cli/ScanDemoLancement.h"

namespace vantorelle {
namespace {

using test::EnvironnementEssai;
using test::lancerCli;

/// Every file under the folder, by relative path, with its bytes.
std::map<std::string, std::string> contenu(const std::filesystem::path& dossier) {
    std::map<std::string, std::string> fichiers;
    for (const auto& entrée : std::filesystem::recursive_directory_iterator(dossier))
        if (entrée.is_regular_file())
            fichiers[std::filesystem::relative(entrée.path(), dossier).string()] = test::lireOctets(entrée.path().string());
    return fichiers;
}

TEST(Demo, MêmesOctetsÀChaqueFois) {
    EnvironnementEssai env;
    ASSERT_EQ(lancerCli(env, {"demo", env.chemin("demo")}).statut, 0);
    const auto premier = contenu(env.chemin("demo"));
    ASSERT_EQ(lancerCli(env, {"demo", env.chemin("demo")}).statut, 0);
    EXPECT_EQ(contenu(env.chemin("demo")), premier);
    EXPECT_EQ(premier.size(), 40u + 6u + 2u) << "histories, groups, formulas and settings";
    EXPECT_TRUE(premier.contains("base/histo/Alcyrane_FR0000130007.txt"));
}

TEST(Demo, SansDossierStatut2) {
    EnvironnementEssai env;
    const auto r = lancerCli(env, {"demo"});
    EXPECT_EQ(r.statut, 2);
    EXPECT_EQ(r.sortie, "");
    EXPECT_NE(r.erreurs.find("DOSSIER"), std::string::npos) << r.erreurs;
}

TEST(Demo, DossierImpossibleStatut1) {
    EnvironnementEssai env;
    env.écrire("fichier", "ceci n'est pas un dossier");
    const auto r = lancerCli(env, {"demo", env.chemin("fichier")});
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs.rfind("vantorelle-cli demo : ", 0), 0u) << r.erreurs;
}

}  // namespace
}  // namespace vantorelle
