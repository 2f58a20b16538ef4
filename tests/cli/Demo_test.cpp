#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

// A new folder, then the demo's own again: the same bytes, a file of the user's left alone, and a printed
// command that scans the base with its own settings and formulas.
TEST(Demo, TheSameBytesEveryTimeOnlyItsOwnFilesAndACommandThatScansIt) {
    EnvironnementEssai env;
    const std::string dossier = env.chemin("demo");
    const std::string commande = "vantorelle-cli scan --config " + dossier + "/Vantorelle.ini --formules " + dossier +
                                 "/Formules.txt --groupe All";
    const auto contenu = [&] {
        EXPECT_EQ(lancerCli(env, {"demo", dossier, "--valeurs", "3"}),
                  (Résultat{0,
                            "Base de démonstration écrite dans " + dossier +
                                " : 3 valeurs (base/histo, base/groupe), Formules.txt et Vantorelle.ini.\nPour "
                                "balayer le groupe All au dernier jour de cours, avec les formules de la base :\n" +
                                commande + "\n",
                            ""}));
        std::map<std::string, std::string> fichiers;  // by relative path
        for (const auto& entrée : std::filesystem::recursive_directory_iterator(dossier))
            if (entrée.is_regular_file())
                fichiers[std::filesystem::relative(entrée.path(), dossier).string()] =
                    lireOctets(entrée.path().string());
        return fichiers;
    };
    auto premier = contenu();
    EXPECT_TRUE(premier.contains("base/histo/Alcyrane_FR0000130007.txt"));
    env.écrire("demo/base/histo/Alcyrane_FR0000130007.txt", "changé");
    premier["notes.txt"] = lireOctets(env.écrire("demo/notes.txt", "à moi"));
    EXPECT_EQ(contenu(), premier);

    std::istringstream mots(commande);
    const Résultat scan = lancerCli(env, {std::next(std::istream_iterator<std::string>(mots)), {}});
    EXPECT_EQ(scan.statut, 0) << scan.erreurs;
    EXPECT_EQ(std::count(scan.sortie.begin(), scan.sortie.end(), '\n'), 1 + 3) << "the captions and a row a security";
    EXPECT_NE(scan.sortie.find("\tRebond | \n"), std::string::npos) << "a formula of the base: " << scan.sortie;
}

TEST(Demo, RefusesAFolderOfOtherFilesAndNamesWhatFailed) {
    EnvironnementEssai env;
    const std::string d = "vantorelle-cli demo : ", occupé = env.chemin("occupé");
    const std::string fichier = env.écrire("fichier", "ceci n'est pas un dossier");
    env.écrire("occupé/lettre.txt", "à garder");
    const std::pair<std::string, Résultat> cas[] = {
        {occupé, {2, "", d + "le dossier « " + occupé + " » n'est pas vide et ne contient pas de base de "
                                                        "démonstration ; choisissez un dossier vide ou nouveau.\n"}},
        {fichier, {2, "", d + "« " + fichier + " » n'est pas un dossier.\n"}},
        {fichier + "/sous", {1, "", d + fichier + "/sous : un élément du chemin n'est pas un dossier\n"}},
    };
    for (const auto& [cible, attendu] : cas) EXPECT_EQ(lancerCli(env, {"demo", cible}), attendu);
    EXPECT_FALSE(std::filesystem::exists(occupé + "/base"));
}

}  // namespace
}  // namespace vantorelle::test
