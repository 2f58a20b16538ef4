#pragma once
#include <CLI/CLI.hpp>

namespace vantorelle::cli {

/// Each command of the program adds its sub-command to the application; the returned callback runs it
/// after a successful parse and gives the exit status.
using Exécution = std::function<int()>;

Exécution ajouterFigures(CLI::App& app);
Exécution ajouterScan(CLI::App& app);
Exécution ajouterDemo(CLI::App& app);

}  // namespace vantorelle::cli
