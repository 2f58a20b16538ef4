#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ScanDemoLancement.h"
#include "analysis/Jour.h"

namespace vantorelle::test {
namespace {

/// Four weekdays of quotes from 2 January 2024, rising and falling in turn.
std::string quatreJours() {
    std::string texte;
    for (int k = 0; k < 4; ++k) {
        const int c = 10 + k % 2;
        texte += Jour::de(2024, 1, 2 + k).texte() + "\t10\t12\t9\t" + std::to_string(c) + "\t1000\r\n";
    }
    return texte;
}

/// The warning lines of standard error, and the number of rows.
struct Dit {
    std::vector<std::string> avertissements;
    std::size_t lignes;
    int statut;
    bool operator==(const Dit&) const = default;
};

std::ostream& operator<<(std::ostream& flux, const Dit& d) {
    flux << d.statut << ", " << d.lignes << " rows";
    for (const std::string& a : d.avertissements) flux << "\n  " << a;
    return flux;
}

class AvertissementsTest : public ::testing::Test {
protected:
    void SetUp() override {
        env_.écrire("config/Vantorelle.ini", "[Path]\nPathPlotanex=" + racine() + "\nAvecFormules=0\n");
    }
    std::string racine() const { return env_.chemin("base") + "/"; }

    /// Writes the files (paths under the data root) and scans the group G over the four days.
    Dit scanner(const std::map<std::string, std::string>& fichiers, std::vector<std::string> options = {}) {
        for (const auto& [chemin, octets] : fichiers) env_.écrire("base/" + chemin, octets);
        std::vector<std::string> arguments{"scan", "--groupe", "G", "--du", "20240102", "--au", "20240105"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const Résultat r = lancerCli(env_, arguments);
        Dit dit{{}, 0, r.statut};
        std::istringstream erreurs(r.erreurs);
        for (std::string ligne; std::getline(erreurs, ligne);)
            if (ligne.starts_with("avertissement") || ligne.ends_with("avertissement(s)."))
                dit.avertissements.push_back(ligne);
        for (const char c : r.sortie) dit.lignes += c == '\n';
        if (dit.lignes > 0) --dit.lignes;  // the captions
        return dit;
    }

    EnvironnementEssai env_;
};

TEST_F(AvertissementsTest, WhatTheScanSkipsIsSaidOncePerFileAndKind) {
    const std::string groupe = racine() + "base/groupe/G.txt", histo = racine() + "base/histo/";
    const std::string jours = quatreJours();
    const struct {
        const char* nom;
        std::map<std::string, std::string> fichiers;
        std::vector<std::string> options;
        Dit attendu;
    } cas[] = {
        {"group lines",
         {{"base/groupe/G.txt", "A\tAlpha\r\nmauvaise\r\n\tSans code\r\nA\tAlpha bis\r\nB\tBeta\tde trop\r\n\r\n"},
          {"base/histo/Alpha_A.txt", jours}},
         {},
         {{"avertissement : " + groupe + " : ligne 2 : 3 ligne(s) qui ne sont pas un code et un nom séparés par "
                                         "une tabulation (la première ici)",
           "avertissement : " + groupe + " : ligne 4 : 1 ligne(s) d'une valeur déjà lue plus haut, scannée une "
                                         "seule fois (la première ici : « A »)",
           "avertissement : " + groupe + " : ligne 3 : 1 valeur(s) sans historique (la première ici : «  »)",
           "3 avertissement(s)."},
          4, 0}},
        // A code finds only the names that end with "_", the code and ".txt", first in byte order.
        {"codes",
         {{"base/groupe/G.txt", "0007\tX\r\n*\tY\r\nFR0000130007\tZ\r\n"},
          {"base/histo/Alcatel_FR0000130007.txt", jours}, {"base/histo/b_fr0000130007.TXT", jours}},
         {},
         {{"avertissement : " + histo + "Alcatel_FR0000130007.txt : 2 historiques pour le code « FR0000130007 » : "
                                        "celui-ci est lu, pas « b_fr0000130007.TXT »",
           "avertissement : " + groupe + " : ligne 1 : 2 valeur(s) sans historique (la première ici : « 0007 »)",
           "2 avertissement(s)."},
          4, 0}},
        {"silent", {{"base/groupe/G.txt", "A\tAlpha\r\nB\tBeta\r\n"}, {"base/histo/Alpha_A.txt", jours}},
         {"--silencieux"}, {{}, 4, 0}},
        // A byte-order mark before the first code; formulas in UTF-8, one that cannot parse.
        {"encodings",
         {{"base/groupe/G.txt", "\xEF\xBB\xBF" "A\tAlpha\r\n"}, {"base/histo/Alpha_A.txt", jours},
          {"F.txt", "Hausse=Clôture>Clôture[-1]\nCassée=(Clôture>2\n"}},
         {"--formules", racine() + "F.txt"},
         {{"avertissement : " + racine() + "F.txt : ligne 2 : formule « Cassée », colonne 18 : on attend une "
                                           "parenthèse fermante",
           "1 avertissement(s)."},
          4, 0}},
    };
    for (const auto& c : cas) {
        std::filesystem::remove_all(racine());
        EXPECT_EQ(scanner(c.fichiers, c.options), c.attendu) << c.nom;
    }
    const Résultat r = lancerCli(env_, {"scan", "--groupe", "G", "--du", "20240102", "--au", "20240105", "--formules",
                                        racine() + "F.txt"});
    EXPECT_NE(r.sortie.find("\tHausse | \n"), std::string::npos) << "the UTF-8 formula reads the closes";
}

// A file the user made read-only stays as it is: the group save is the closing step's error, the report's
// images are kept with a warning.
TEST_F(AvertissementsTest, ReadOnlyFilesAreNotReplaced) {
    const std::string sauvegarde = env_.écrire("base/base/groupe/Vantorelle.txt", "ancien\r\n");
    ::chmod(sauvegarde.c_str(), 0444);
    const Dit dit = scanner({{"base/groupe/G.txt", "A\tAlpha\r\n"}, {"base/histo/Alpha_A.txt", quatreJours()}});
    EXPECT_EQ(dit, (Dit{{}, 4, 1}));
    EXPECT_EQ(lireOctets(sauvegarde), "ancien\r\n");
    struct stat état {};
    ASSERT_EQ(::stat(sauvegarde.c_str(), &état), 0);
    EXPECT_EQ(état.st_mode & 0777, 0444u);

    ::chmod(sauvegarde.c_str(), 0644);
    const std::string image = env_.écrire("rapport/hs.gif", "pas une image"), page = env_.chemin("rapport/r.html");
    const Dit avecRapport = scanner({}, {"--html", page});
    EXPECT_EQ(avecRapport.avertissements,
              (std::vector<std::string>{"avertissement : " + image + " : un fichier de ce nom, qui n'est pas "
                                                                     "l'image de la légende, est gardé tel quel",
                                        "1 avertissement(s)."}));
    EXPECT_EQ(lireOctets(image), "pas une image");
    EXPECT_TRUE(std::filesystem::exists(page));
}

}  // namespace
}  // namespace vantorelle::test
