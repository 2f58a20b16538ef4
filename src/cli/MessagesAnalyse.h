#pragma once
#include <CLI/CLI.hpp>

#include <string>

namespace vantorelle::cli {

/// The line a parse error prints, as CLI11's failure message: the program's name and the French text. A word
/// the parser could not place is named rather than what it then missed: an unknown command or option, or an
/// argument too many.
std::string messageDÉchec(const CLI::App* application, const CLI::Error& erreur);

}  // namespace vantorelle::cli
