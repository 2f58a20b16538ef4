#include "cli/Commandes.h"

namespace vantorelle::cli {

Exécution ajouterScan(CLI::App& app) {
    app.add_subcommand("scan", "(à venir)");
    return [] { return 0; };
}

}  // namespace vantorelle::cli
