#include <iostream>
#include <memory>

#include "cli/Commandes.h"
#include "main/BaseDemo.h"

namespace vantorelle::cli {

Exécution ajouterDemo(CLI::App& app) {
    auto dossier = std::make_shared<std::string>();
    CLI::App* demo = app.add_subcommand(
        "demo",
        "Écrit une base de démonstration complète dans DOSSIER : une quarantaine de valeurs fictives avec douze ans "
        "de cours quotidiens (base/histo), cinq groupes (base/groupe), un fichier de formules (Formules.txt) et un "
        "fichier de paramètres qui pointe sur cette base (Vantorelle.ini). Toujours les mêmes octets.");
    demo->add_option("DOSSIER", *dossier, "Dossier de la base (créé au besoin)")->required();
    return [dossier] {
        try {
            BaseDémo().Écrire(*dossier);
        } catch (const std::exception& e) {
            std::cerr << "vantorelle-cli demo : " << e.what() << "\n";
            return 1;
        }
        return 0;
    };
}

}  // namespace vantorelle::cli
