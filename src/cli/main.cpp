#include <malloc.h>

#include <cstdlib>
#include <iostream>
#include <map>

#include "cli/Commandes.h"
#include "cli/MessagesAnalyse.h"

using namespace vantorelle::cli;

namespace {

/// French captions for CLI11's help text.
void franciser(CLI::App& app) {
    auto f = app.get_formatter();
    f->label("Usage", "Utilisation");
    f->label("OPTIONS", "OPTIONS");
    f->label("SUBCOMMAND", "COMMANDE");
    f->label("SUBCOMMANDS", "COMMANDES");
    f->label("REQUIRED", "OBLIGATOIRE");
    f->label("TEXT", "TEXTE");
    f->label("INT", "ENTIER");
    f->label("FLOAT", "NOMBRE");
    f->label("Positionals", "Arguments");
    f->label("Options", "Options");
    f->label("Subcommands", "Commandes");
    app.set_help_flag("-h,--help", "Affiche cette aide et quitte");
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
        ->type_name("FICHIER");

    // The one read of the environment: the core is handed the locations.
    Contexte contexte{
        vantorelle::Emplacements::depuisEnvironnement([](const char* nom) { return std::getenv(nom); }),
        vantorelle::horlogeSystème()};
    std::map<const CLI::App*, Exécution> exécutions;
    const auto ajouter = [&](Exécution exécution) { exécutions[app.get_subcommands({}).back()] = std::move(exécution); };
    ajouter(ajouterFigures(app));
    ajouter(ajouterScan(app, contexte));
    ajouter(ajouterDemo(app));
    for (CLI::App* sous : app.get_subcommands({})) franciser(*sous);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << app.get_name() << " : " << messageEnFrançais(e.what()) << "\n";
        return 2;
    }
    if (!configuration.empty()) contexte.emplacements.FichierParamètres(configuration);
    for (CLI::App* sous : app.get_subcommands()) return exécutions.at(sous)();
    return 2;
}
