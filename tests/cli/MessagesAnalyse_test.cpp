#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ScanDemoLancement.h"
#include "demo/BaseDemo.h"
#include "shell/SiteProduit.h"

namespace vantorelle::test {
namespace {

// A bad command line: the message in French on standard error, status 2 and nothing on standard output. The
// parser's own complaints come without the command's name; the options come before the history file.
TEST(CommandLine, BadArgumentsGiveTheMessageAndStatus2WithoutOutput) {
    EnvironnementEssai env;
    BaseDémo().Écrire(env.chemin("demo"));
    env.écrire("config/Vantorelle.ini", "[Path]\nPathPlotanex=" + env.chemin("demo") + "/\n");
    const std::string formules = env.écrire("F.txt", "Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nune ligne sans signe\r\n");
    const std::string p = "vantorelle-cli : ", f = "vantorelle-cli figures : ", s = "vantorelle-cli scan : ";
    const std::pair<std::vector<std::string>, std::string> cas[] = {
        {{}, p + "une commande est obligatoire : figures, scan, demo ou catalogue"},
        {{"frobnicate"}, p + "commande inconnue : « frobnicate » (commandes : figures, scan, demo, catalogue)"},
        // The unknown word is named rather than the option the command then misses.
        {{"--frob=1", "scan"}, p + "option inconnue : « --frob »"},
        {{"figures", "h", "en-trop"}, p + "argument inattendu : « en-trop »"},
        {{"figures"}, p + "FICHIER est obligatoire"},
        {{"scan"}, p + "--groupe ou --valeur est obligatoire"},
        {{"scan", "--groupe"}, p + "--groupe : la valeur manque"},
        {{"figures", "h", "--du", "20240102", "--du", "20240103"}, p + "--du : une seule valeur permise, 2 données"},
        {{"figures", "h", "--confirmation=oui"}, p + "--confirmation : « oui » n'est pas une valeur possible"},
        {{"demo", "d", "--valeurs", "1.5"}, p + "--valeurs : « 1.5 » n'est pas un entier de 1 à 100000"},
        {{"figures", "h", "--periode", "annee"}, p + "--periode : « annee » n'est pas parmi {jour,semaine,mois}"},
        {{"--config", "/", "scan"}, p + "--config : « / » est un dossier, pas un fichier de paramètres"},
        {{"figures", "/nulle/part/A.txt"}, f + "le fichier d'historique « /nulle/part/A.txt » n'existe pas."},
        {{"figures", "h", "--du", "20240213", "--au", "20240124"},
         f + "la première date (20240213) est après la dernière (20240124)."},
        {{"figures", "h", "--tendance", "oui"}, f + "--tendance attend 0 ou 1, pas « oui »."},
        {{"figures", "h", "--periode2", "40000"}, f + "--periode2 : \"40000\" dépasse 32767."},  // as in the settings
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

// French headings, and descriptions in one column though a name holds an accent.
TEST(CommandLine, HelpInFrenchWithItsDescriptionsAligned) {
    EnvironnementEssai env;
    std::string aide = lancerCli(env, {"--help"}).sortie;
    for (const char* commande : {"figures", "demo"}) aide += lancerCli(env, {commande, "--help"}).sortie;
    for (const char* attendu : {"\nCommandes:\n  figures                     Reconnaît",
                                "\n  --periode PÉRIODE:{jour,semaine,mois}\n                              Bougies",
                                "\n  --valeurs N:1 à 100000      Nombre de valeurs"})
        EXPECT_NE(aide.find(attendu), std::string::npos) << attendu;
    for (const char* anglais : {"Usage", "Subcommands", "Positionals", "REQUIRED", "TEXT ", " in [", "Print this help"})
        EXPECT_EQ(aide.find(anglais), std::string::npos) << anglais;
    EXPECT_EQ(lancerCli(env, {"--version"}), (Résultat{0, "vantorelle-cli " + versionProgramme() + "\n", ""}));
}

}  // namespace
}  // namespace vantorelle::test
