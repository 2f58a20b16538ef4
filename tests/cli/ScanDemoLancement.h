#pragma once
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/EnvironnementEssai.h"

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
        std::string résultat(1, '\'');
        for (char c : texte) {
            if (c == '\'') résultat.append("'\\''");
            else résultat.push_back(c);
        }
        résultat.push_back('\'');
        return résultat;
    };
    std::string commande = entreGuillemets(VANTORELLE_CLI);
    for (const std::string& argument : arguments) commande.append(" ").append(entreGuillemets(argument));
    const std::string sortie = env.chemin("sortie.txt"), erreurs = env.chemin("erreurs.txt");
    commande.append(" >").append(entreGuillemets(sortie)).append(" 2>").append(entreGuillemets(erreurs));
    commande.append(" </dev/null");
    const int brut = std::system(commande.c_str());
    return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, lireOctets(sortie), lireOctets(erreurs)};
}

}  // namespace vantorelle::test
