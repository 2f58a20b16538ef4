#pragma once
#include <CLI/CLI.hpp>

#include "analysis/Horloge.h"
#include "cli/MessageUtilisateur.h"
#include "shell/Emplacements.h"

namespace vantorelle::cli {

/// What every command runs with: the program's locations, complete once the options are read, and the clock.
struct Contexte {
    Emplacements emplacements;
    const Horloge& horloge;
};

/// Each command of the program adds its sub-command to the application; the returned callback runs it
/// after a successful parse and gives the exit status, telling the user of a failure by `messageUtilisateur`.
using Exécution = std::function<int()>;

Exécution ajouterFigures(CLI::App& app);
Exécution ajouterScan(CLI::App& app, const Contexte& contexte);
Exécution ajouterDemo(CLI::App& app);
Exécution ajouterCatalogue(CLI::App& app, const Contexte& contexte);

}  // namespace vantorelle::cli
