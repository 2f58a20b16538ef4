#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/Commandes.h"
#include "demo/BaseDemo.h"
#include "store/EcritureAtomique.h"

namespace vantorelle::cli {

namespace {

namespace fs = std::filesystem;

const std::string nomCommande = "vantorelle-cli demo : ";

/// Marks a folder as a demo base written by the command, which it may then write again.
constexpr const char* marqueur = ".vantorelle-demo";

/// Why the demo must not be written into `dossier`, or nothing when it is new, empty or a demo base.
std::optional<std::string> refus(const fs::path& dossier) {
    if (!fs::exists(dossier)) return std::nullopt;
    if (!fs::is_directory(dossier)) return "« " + dossier.string() + " » n'est pas un dossier.";
    if (fs::is_empty(dossier) || fs::exists(dossier / marqueur)) return std::nullopt;
    return "le dossier « " + dossier.string() +
           " » n'est pas vide et ne contient pas de base de démonstration ; choisissez un dossier vide ou nouveau.";
}

/// A path as a shell reads it back: quoted unless it holds only letters, digits and "/._-".
std::string pourLeShell(const std::string& chemin) {
    if (chemin.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-") ==
        std::string::npos)
        return chemin;
    std::string cité = "'";
    for (const char c : chemin) c == '\'' ? cité += "'\\''" : cité += c;
    return cité + "'";
}

/// What was written, and the command that scans it with its own settings and formulas: a plain scan reads the
/// user's settings and the formulas of the program's folder.
std::string compteRendu(const fs::path& dossier, const BaseDémo& base) {
    const fs::path absolu = fs::absolute(dossier).lexically_normal();
    return "Base de démonstration écrite dans " + absolu.string() + " : " + std::to_string(base.Valeurs().size()) +
           " valeurs (base/histo, base/groupe), Formules.txt et Vantorelle.ini.\n"
           "Pour balayer le groupe All au dernier jour de cours, avec les formules de la base :\n"
           "vantorelle-cli scan --config " + pourLeShell((absolu / "Vantorelle.ini").string()) + " --formules " +
           pourLeShell((absolu / "Formules.txt").string()) + " --groupe All\n";
}

}  // namespace

Exécution ajouterDemo(CLI::App& app) {
    auto dossier = std::make_shared<std::string>();
    auto paramètres = std::make_shared<ParamètresDémo>();
    CLI::App* demo = app.add_subcommand(
        "demo",
        "Écrit une base de démonstration complète dans DOSSIER : une quarantaine de valeurs fictives avec douze ans "
        "de cours quotidiens (base/histo), cinq groupes (base/groupe), un fichier de formules (Formules.txt) et un "
        "fichier de paramètres qui pointe sur cette base (Vantorelle.ini). Toujours les mêmes octets. DOSSIER doit "
        "être nouveau, vide ou tenir une base de démonstration écrite avant, dont seuls les fichiers sont réécrits.");
    demo->add_option("DOSSIER", *dossier, "Dossier de la base (créé au besoin)")->required();
    demo->add_option("--valeurs", paramètres->valeurs, "Nombre de valeurs (40 par défaut)")
        ->check(CLI::Range(1, 100000).description("1 à 100000"))
        ->type_name("N");
    demo->add_option("--annees", paramètres->années, "Années de cours jusqu'au 31 décembre 2024 (12 par défaut)")
        ->check(CLI::Range(1, 100).description("1 à 100"))
        ->type_name("N");
    return [dossier, paramètres] {
        try {
            if (const std::optional<std::string> raison = refus(*dossier)) {
                std::cerr << nomCommande << *raison << "\n";
                return 2;
            }
            // Marked first, so that a base left half written can be written again.
            fs::create_directories(*dossier);
            écrireAtomiquement(fs::path(*dossier) / marqueur,
                               "Base de démonstration écrite par vantorelle-cli demo, qui peut la réécrire.\n");
            const BaseDémo base(*paramètres);
            base.Écrire(*dossier);
            std::cout << compteRendu(*dossier, base);
        } catch (const std::exception& e) {
            std::cerr << nomCommande << messageUtilisateur(e) << "\n";
            return 1;
        }
        return 0;
    };
}

}  // namespace vantorelle::cli
