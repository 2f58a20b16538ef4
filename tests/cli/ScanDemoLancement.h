#pragma once
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "shell/EnvironnementEssai.h"

namespace vantorelle::test {

/// What a run of the command-line program gave.
struct Résultat {
    int statut;
    std::string sortie;
    std::string erreurs;
};

/// Runs vantorelle-cli with the arguments, in the test's environment (its settings and program directory),
/// standard output and standard error kept apart.
inline Résultat lancerCli(const EnvironnementEssai& env, const std::vector<std::string>& arguments) {
    auto entreGuillemets = [](const std::string& texte) {
        std::string résultat = "'";
        for (char c : texte) résultat += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return résultat + "'";
    };
    std::string commande = entreGuillemets(VANTORELLE_CLI);
    for (const std::string& argument : arguments) commande += " " + entreGuillemets(argument);
    const std::string sortie = env.chemin("sortie.txt"), erreurs = env.chemin("erreurs.txt");
    commande += " >" + entreGuillemets(sortie) + " 2>" + entreGuillemets(erreurs) + " </dev/null";
    const int brut = std::system(commande.c_str());
    return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, lireOctets(sortie), lireOctets(erreurs)};
}

}  // namespace vantorelle::test
