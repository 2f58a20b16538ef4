#include "cli/Commandes.h"

namespace vantorelle::cli {

Exécution ajouterDemo(CLI::App& app) {
    app.add_subcommand("demo", "(à venir)");
    return [] { return 0; };
}

}  // namespace vantorelle::cli
