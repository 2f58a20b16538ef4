#include "cli/Commandes.h"

namespace vantorelle::cli {

Exécution ajouterFigures(CLI::App& app) {
    app.add_subcommand("figures", "(à venir)");
    return [] { return 0; };
}

}  // namespace vantorelle::cli
