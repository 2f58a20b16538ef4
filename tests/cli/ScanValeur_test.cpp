#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ScanDemoLancement.h"
#include "demo/BaseDemo.h"

namespace vantorelle::test {
namespace {

/// The lines of a table after its captions.
std::vector<std::string> rangées(const std::string& texte) {
    std::vector<std::string> lues;
    std::istringstream flux(texte.substr(texte.find('\n') + 1));
    for (std::string ligne; std::getline(flux, ligne);) lues.push_back(ligne);
    return lues;
}

// One security: the rows and summary of the scan of a group of it alone, but in the order they come and without
// the group save; the name is the one in All, and a history is required.
TEST(ScanOneSecurity, RowsAsTheyComeWithTheNameOfAll) {
    EnvironnementEssai env;
    const std::filesystem::path demo = env.chemin("demo");
    BaseDémo().Écrire(demo);
    env.écrire("config/Vantorelle.ini", "[Path]\nPathPlotanex=" + demo.string() + "/\nAvecFormules=0\n");
    env.écrire("demo/base/groupe/Seul.txt", "FR0000130007\tAlcyrane\r\n");
    std::filesystem::copy_file(demo / "base/histo/Alcyrane_FR0000130007.txt", demo / "base/histo/X_FR0000000001.txt");
    const auto scanner = [&](const std::string& option, const std::string& cible, const char* format = "tsv") {
        return lancerCli(env, {"scan", option, cible, "--du", "20241202", "--au", "20241231", "--format", format});
    };

    const Résultat groupe = scanner("--groupe", "Seul");
    std::filesystem::remove(demo / "base/groupe/Vantorelle.txt");
    const Résultat valeur = scanner("--valeur", "FR0000130007");
    EXPECT_EQ(std::pair(valeur.statut, valeur.erreurs), std::pair(0, groupe.erreurs));
    EXPECT_FALSE(std::filesystem::exists(demo / "base/groupe/Vantorelle.txt"));
    std::vector<std::string> triées = rangées(groupe.sortie), venues = rangées(valeur.sortie);
    EXPECT_TRUE(std::is_sorted(venues.begin(), venues.end())) << "by date, as they come";
    EXPECT_NE(venues, triées);
    std::sort(triées.begin(), triées.end());
    EXPECT_EQ(venues, triées);

    const std::string json = scanner("--valeur", "FR0000000001", "json").sortie;
    EXPECT_EQ(json.substr(0, json.find('\n')),
              "{\"date\":\"20241202\",\"code\":\"FR0000000001\",\"nom\":\"\",\"chandelier\":\"Bougie noire (=)\","
              "\"cloture\":\"57,69 (=-0,94%)\",\"volatilite\":\"03,05 (=<3,06)\",\"volume\":\"0,524 (=<0,72)\","
              "\"rsi\":\"39,02 (=<53,79)\",\"stoch\":\"64,46 (=<64,89)\",\"ponderation\":\"0\",\"formules\":\"\"}");
    EXPECT_EQ(scanner("--valeur", "FR9999999999"),
              (Résultat{2, "", "vantorelle-cli scan : Pas d'historique pour cette valeur.\n"}));
    EXPECT_EQ(lancerCli(env, {"scan", "--valeur", "FR0000130007", "--groupe", "Seul"}),
              (Résultat{2, "", "vantorelle-cli : --groupe exclut --valeur\n"}));
}

}  // namespace
}  // namespace vantorelle::test
