#pragma once
#include <CLI/CLI.hpp>

#include "analysis/Horloge.h"
#include "cli/MessageUtilisateur.h"
#include "shell/Emplacements.h"

namespace vantorelle::cli {

/// What every command runs with: the program's locations, complete once the options are read, the clock, and
/// the product's site address that VANTORELLE_SITE imposes (empty when it imposes none).
struct Contexte {
    Emplacements emplacements;
    const Horloge& horloge;
    std::string siteImposé;
};

/// Each command of the program adds its sub-command to the application; the returned callback runs it
/// after a successful parse and gives the exit status, telling the user of a failure by `messageUtilisateur`.
using Exécution = std::function<int()>;

Exécution ajouterFigures(CLI::App& app);
Exécution ajouterScan(CLI::App& app, const Contexte& contexte);
Exécution ajouterDemo(CLI::App& app);
Exécution ajouterCatalogue(CLI::App& app, const Contexte& contexte);

}  // namespace vantorelle::cli
