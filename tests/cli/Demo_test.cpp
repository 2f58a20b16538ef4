#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

// A new folder, then the demo's own again: its files rewritten, a file of the user's left alone, and a printed
// command that scans the base with its own settings and formulas. Without its marker the folder is refused.
TEST(Demo, WritesOnlyANewFolderOrItsOwnAndPrintsACommandThatScansIt) {
    EnvironnementEssai env;
    const std::string dossier = env.chemin("demo"), ini = dossier + "/Vantorelle.ini";
    const std::string formules = dossier + "/Formules.txt";
    const Résultat écrite{0, "Base de démonstration écrite dans " + dossier + " : 3 valeurs (base/histo, base/groupe), "
                             "Formules.txt et Vantorelle.ini.\nPour balayer le groupe All au dernier jour de cours, "
                             "avec les formules de la base :\nvantorelle-cli scan --config " + ini + " --formules " +
                             formules + " --groupe All\n", ""};
    EXPECT_EQ(lancerCli(env, {"demo", dossier, "--valeurs", "3"}), écrite);
    const std::string historique = dossier + "/base/histo/Alcyrane_FR0000130007.txt", octets = lireOctets(historique);
    env.écrire("demo/base/histo/Alcyrane_FR0000130007.txt", "changé");
    env.écrire("demo/notes.txt", "à moi");
    EXPECT_EQ(lancerCli(env, {"demo", dossier, "--valeurs", "3"}), écrite);
    EXPECT_EQ(lireOctets(historique), octets);
    EXPECT_EQ(lireOctets(dossier + "/notes.txt"), "à moi");

    const Résultat scan = lancerCli(env, {"scan", "--config", ini, "--formules", formules, "--groupe", "All"});
    EXPECT_EQ(scan.statut, 0) << scan.erreurs;

    std::filesystem::remove(dossier + "/.vantorelle-demo");  // the marker the demo leaves in its own folder
    const std::string d = "vantorelle-cli demo : ", fichier = env.écrire("fichier", "ceci n'est pas un dossier");
    const std::pair<std::string, Résultat> refus[] = {
        {dossier, {2, "", d + "le dossier « " + dossier + " » n'est pas vide et ne contient pas de base de "
                                                          "démonstration ; choisissez un dossier vide ou nouveau.\n"}},
        {fichier, {2, "", d + "« " + fichier + " » n'est pas un dossier.\n"}},
        {fichier + "/sous", {1, "", d + fichier + "/sous : un élément du chemin n'est pas un dossier\n"}},
    };
    for (const auto& [cible, attendu] : refus) EXPECT_EQ(lancerCli(env, {"demo", cible}), attendu);
    EXPECT_FALSE(std::filesystem::exists(dossier + "/.vantorelle-demo")) << "a refused folder is left as it is";
}

}  // namespace
}  // namespace vantorelle::test
