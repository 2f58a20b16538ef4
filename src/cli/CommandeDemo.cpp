#include <iostream>
#include <memory>

#include "cli/Commandes.h"
#include "demo/BaseDemo.h"

namespace vantorelle::cli {

Exécution ajouterDemo(CLI::App& app) {
    auto dossier = std::make_shared<std::string>();
    auto paramètres = std::make_shared<ParamètresDémo>();
    CLI::App* demo = app.add_subcommand(
        "demo",
        "Écrit une base de démonstration complète dans DOSSIER : une quarantaine de valeurs fictives avec douze ans "
        "de cours quotidiens (base/histo), cinq groupes (base/groupe), un fichier de formules (Formules.txt) et un "
        "fichier de paramètres qui pointe sur cette base (Vantorelle.ini). Toujours les mêmes octets.");
    demo->add_option("DOSSIER", *dossier, "Dossier de la base (créé au besoin)")->required();
    demo->add_option("--valeurs", paramètres->valeurs, "Nombre de valeurs (40 par défaut)")
        ->check(CLI::Range(1, 100000))
        ->type_name("N");
    demo->add_option("--annees", paramètres->années, "Années de cours jusqu'au 31 décembre 2024 (12 par défaut)")
        ->check(CLI::Range(1, 100))
        ->type_name("N");
    return [dossier, paramètres] {
        try {
            BaseDémo(*paramètres).Écrire(*dossier);
        } catch (const std::exception& e) {
            std::cerr << "vantorelle-cli demo : " << e.what() << "\n";
            return 1;
        }
        return 0;
    };
}

}  // namespace vantorelle::cli
