#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

/// The quotes of the day scanned, 2 January 2024.
const std::string UnJour = "20240102\t10\t12\t9\t10\t1000\r\n";

/// The exit status, the number of rows and the warning lines of standard error.
using Dit = std::tuple<int, std::ptrdiff_t, std::vector<std::string>>;

/// Writes the settings and the files (paths under the data root, `base/`), and scans the group G on the day.
Dit scanner(const EnvironnementEssai& env, const std::map<std::string, std::string>& fichiers,
            std::vector<std::string> options) {
    env.écrire("config/Vantorelle.ini", "[Path]\nPathPlotanex=" + env.chemin("base") + "/\nAvecFormules=0\n");
    for (const auto& [chemin, octets] : fichiers) env.écrire("base/" + chemin, octets);
    options.insert(options.begin(), {"scan", "--groupe", "G", "--du", "20240102", "--au", "20240102"});
    const Résultat r = lancerCli(env, options);
    std::vector<std::string> avertissements;
    std::istringstream erreurs(r.erreurs);
    for (std::string ligne; std::getline(erreurs, ligne);)
        if (ligne.starts_with("avertissement") || ligne.ends_with("avertissement(s).")) avertissements.push_back(ligne);
    return {r.statut, std::count(r.sortie.begin(), r.sortie.end(), '\n') - 1, avertissements};  // less the captions
}

// What the scan skips is told once per file and kind; a file of the user's is not replaced.
TEST(Avertissements, WhatTheScanSkipsIsToldAndTheUsersFilesKept) {
    EnvironnementEssai env;
    // The warnings of the files under the data root, and of the group file's lines.
    const std::string racine = env.chemin("base") + "/", a = "avertissement : " + racine;
    const std::string g = a + "base/groupe/G.txt : ligne ";
    const std::tuple<std::map<std::string, std::string>, std::vector<std::string>, Dit> cas[] = {
        {{{"base/groupe/G.txt", "B\tBeta\r\n"}}, {"--silencieux"}, {0, 0, {}}},  // nothing told
        // A byte-order mark before the first code; a code finds only the names that end with "_", the code and
        // ".txt", first in byte order; formulas in UTF-8, with a constant, one that cannot parse.
        {{{"base/groupe/G.txt", "\xEF\xBB\xBF" "FR0000130007\tZ\r\n0007\tX\r\n*\tY\r\n"},
          {"base/histo/Alcyrane_FR0000130007.txt", UnJour}, {"base/histo/b_fr0000130007.TXT", UnJour},
          {"F.txt", "Hausse=Clôture>Clôture[-1] Or Chandeliers=Marteau\nCassée=(Clôture>2\n"}},
         {"--formules", racine + "F.txt"},
         {0, 1, {a + "F.txt : ligne 2 : formule « Cassée », colonne 18 : on attend une parenthèse fermante",
                 a + "base/histo/Alcyrane_FR0000130007.txt : 2 historiques pour le code « FR0000130007 » : celui-ci "
                     "est lu, pas « b_fr0000130007.TXT »",
                 g + "2 : 2 valeur(s) sans historique (la première ici : « 0007 »)", "3 avertissement(s)."}}},
        // Lines that are not a code and a name (blank ones aside), a security repeated, one without a history; the
        // report keeps a file of the user's that has the name of one of its images.
        {{{"base/groupe/G.txt", "A\tAlpha\r\nmauvaise\r\n\tSans code\r\nA\tAlpha bis\r\nB\tBeta\tde trop\r\n\r\n"},
          {"base/histo/Alpha_A.txt", UnJour}, {"hs.gif", "à moi"}},
         {"--html", racine + "r.html"},
         {0, 1, {g + "2 : 3 ligne(s) qui ne sont pas un code et un nom séparés par une tabulation (la première ici)",
                 g + "4 : 1 ligne(s) d'une valeur déjà lue plus haut, scannée une seule fois (la première ici : « A »)",
                 g + "3 : 1 valeur(s) sans historique (la première ici : «  »)",
                 a + "hs.gif : un fichier de ce nom, qui n'est pas l'image de la légende, est gardé tel quel",
                 "4 avertissement(s)."}}},
    };
    for (const auto& [fichiers, options, attendu] : cas) {
        std::filesystem::remove_all(racine);
        EXPECT_EQ(scanner(env, fichiers, options), attendu);
    }
    EXPECT_EQ(lireOctets(racine + "hs.gif"), "à moi") << "the last case's image";
}

}  // namespace
}  // namespace vantorelle::test
