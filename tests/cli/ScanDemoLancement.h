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
    std::string sortie, erreurs;
    bool operator==(const Résultat&) const = default;
};

/// A shell command that runs vantorelle-cli with the arguments, its variables pointing at the test's settings,
/// program directory, cache and state; the program replaces the shell, whose process id it keeps.
inline std::string commandeCli(const EnvironnementEssai& env, const std::vector<std::string>& arguments) {
    auto entreGuillemets = [](const std::string& texte) {
        std::string résultat(1, '\'');
        for (char c : texte) c == '\'' ? résultat.append("'\\''") : résultat.append(1, c);
        return résultat.append(1, '\'');
    };
    const Emplacements& e = env.emplacements();
    std::string commande = "VANTORELLE_CONFIG=" + entreGuillemets(e.FichierParamètres().string()) +
                           " VANTORELLE_HOME=" + entreGuillemets(env.programme().string()) +
                           " XDG_CACHE_HOME=" + entreGuillemets(env.chemin("cache")) +
                           " XDG_STATE_HOME=" + entreGuillemets(env.chemin("etat")) + " exec " +
                           entreGuillemets(VANTORELLE_CLI);
    for (const std::string& argument : arguments) commande.append(" ").append(entreGuillemets(argument));
    return commande;
}

/// Runs vantorelle-cli as `commandeCli` does, standard output and standard error kept apart.
inline Résultat lancerCli(const EnvironnementEssai& env, const std::vector<std::string>& arguments) {
    const std::string sortie = env.chemin("sortie.txt"), erreurs = env.chemin("erreurs.txt");
    // The temporary folder's paths hold no quote.
    const std::string redirections = " >'" + sortie + "' 2>'" + erreurs + "' </dev/null";
    const int brut = std::system((commandeCli(env, arguments) + redirections).c_str());
    return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, lireOctets(sortie), lireOctets(erreurs)};
}

}  // namespace vantorelle::test
