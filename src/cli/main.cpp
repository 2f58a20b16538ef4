#include <malloc.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>

#include "cli/Commandes.h"
#include "cli/FormatAide.h"
#include "cli/LectureOptions.h"
#include "cli/MessagesAnalyse.h"
#include "shell/SiteProduit.h"

using namespace vantorelle::cli;

namespace {

/// French help, version and errors; the commands added afterwards inherit them.
void franciser(CLI::App& app) {
    app.formatter(std::make_shared<FormatAide>());
    app.set_help_flag("-h,--help", "Affiche cette aide et quitte");
    app.set_version_flag("--version", app.get_name() + " " + vantorelle::versionProgramme(),
                         "Affiche la version et quitte");
    app.failure_message(messageDÉchec);
}

}  // namespace

int main(int argc, char** argv) {
    // Keep freed series memory in the process: a scan loads security after security, and handing large
    // blocks back to the system makes every load fault its pages in again.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    CLI::App app{"Vantorelle : analyse des figures en chandeliers japonais sur les actions de la place de Paris.",
                 "vantorelle-cli"};
    franciser(app);
    app.require_subcommand(1);
    std::string configuration;
    app.add_option("--config", configuration, "Fichier de paramètres à utiliser à la place de Vantorelle.ini")
        ->type_name("FICHIER")
        ->check(fichierParamètresLisible());

    // The one read of the environment: the core is handed the locations and the site address imposed.
    const auto variable = [](const char* nom) { return std::getenv(nom); };
    const char* site = variable("VANTORELLE_SITE");
    Contexte contexte{vantorelle::Emplacements::depuisEnvironnement(variable), vantorelle::horlogeSystème(),
                      site ? site : ""};
    std::map<const CLI::App*, Exécution> exécutions;
    const auto ajouter = [&](Exécution exécution) { exécutions[app.get_subcommands({}).back()] = std::move(exécution); };
    ajouter(ajouterFigures(app));
    ajouter(ajouterScan(app, contexte));
    ajouter(ajouterDemo(app));
    ajouter(ajouterCatalogue(app, contexte));
    for (CLI::App* sous : app.get_subcommands({})) sous->group("Commandes");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help and version on standard output with status 0; a bad command line gets status 2, not CLI11's own.
        return app.exit(e) == 0 ? 0 : 2;
    }
    if (!configuration.empty()) contexte.emplacements.FichierParamètres(configuration);
    try {
        for (CLI::App* sous : app.get_subcommands()) return exécutions.at(sous)();
    } catch (const std::exception& e) {
        std::cerr << app.get_name() << " : " << messageUtilisateur(e) << "\n";
        return 1;
    }
    return 2;
}
