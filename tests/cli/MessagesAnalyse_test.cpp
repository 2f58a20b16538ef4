#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ScanDemoLancement.h"
#include "demo/BaseDemo.h"

namespace vantorelle::test {
namespace {

// A bad command line: the message in French on standard error, status 2 and nothing on standard output. The
// parser's own complaints come without the command's name; the options come before the history file.
TEST(CommandLine, BadArgumentsGiveTheMessageAndStatus2WithoutOutput) {
    EnvironnementEssai env;
    BaseDémo().Écrire(env.chemin("demo"));
    env.écrire("config/Vantorelle.ini", "[Path]\nPathPlotanex=" + env.chemin("demo") + "/\n");
    const std::string formules = env.écrire("F.txt", "Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nune ligne sans signe\r\n");
    const std::string f = "vantorelle-cli figures : ", s = "vantorelle-cli scan : ", entier = " attend un entier de ";
    const std::string tolérance = f + "--tolerance attend un nombre positif ou nul (0,0625 ou 0.0625), pas « ";
    const std::pair<std::vector<std::string>, std::string> cas[] = {
        {{}, "vantorelle-cli : une commande est obligatoire : figures, scan ou demo"},
        {{"figures"}, "vantorelle-cli : FICHIER est obligatoire"},
        {{"figures", "h", "--inconnu"}, "vantorelle-cli : argument inattendu : --inconnu"},
        {{"scan", "--groupe", "Finance", "--periode", "annee"},
         "vantorelle-cli : --periode : « annee » n'est pas parmi {jour,semaine,mois}"},
        {{"figures", "/nulle/part/A.txt"}, f + "le fichier d'historique « /nulle/part/A.txt » n'existe pas."},
        {{"figures", "h", "--tolerance", "un peu"}, tolérance + "un peu »."},
        {{"figures", "h", "--tolerance", "-0,1"}, tolérance + "-0,1 »."},
        {{"figures", "h", "--du", "20240213", "--au", "20240124"},
         f + "la première date (20240213) est après la dernière (20240124)."},
        {{"figures", "h", "--periode", "annee"}, f + "--periode attend jour, semaine ou mois, pas « annee »."},
        {{"figures", "h", "--tendance", "oui"}, f + "--tendance attend 0 ou 1, pas « oui »."},
        {{"figures", "h", "--periode-indicateurs=40000"},
         f + "--periode-indicateurs" + entier + "1 à 32767, pas « 40000 »."},
        {{"figures", "h", "--periode2", "0"}, f + "--periode2" + entier + "1 à 32767, pas « 0 »."},
        {{"figures", "h", "--taille-marubozu", "1,5"}, f + "--taille-marubozu" + entier + "0 à 32767, pas « 1,5 »."},
        {{"scan", "--groupe", "X", "--du", "2024"}, s + "--du attend une date aaaammjj, pas « 2024 »."},
        {{"scan", "--groupe", "X", "--au", "20240230"}, s + "--au attend une date aaaammjj, pas « 20240230 »."},
        {{"scan", "--groupe", "Inconnu"},
         s + "le groupe « Inconnu » n'existe pas (" + env.chemin("demo") + "/base/groupe/Inconnu.txt)."},
        {{"scan", "--groupe", "Finance", "--formules", formules},
         s + formules + " : ligne 2 : pas de signe \"=\" entre le nom et la formule"},
    };
    for (const auto& [arguments, message] : cas)
        EXPECT_EQ(lancerCli(env, arguments), (Résultat{2, "", message + "\n"}));
}

}  // namespace
}  // namespace vantorelle::test
