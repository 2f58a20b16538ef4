#pragma once
#include <filesystem>

#include "series/Fonctions.h"
#include "store/Avertissement.h"

namespace vantorelle {

/// The formulas of a file that no candle can evaluate: once every formula, series and constant name is
/// replaced by a number, as a scan replaces them by values, their text is no expression. One warning each,
/// with the line, the column in the file's line and what was expected there. The formulas still load and
/// evaluate to "NO_EVAL", as before.
Avertissements vérifierFormules(const Fonctions& formules, const std::filesystem::path& fichier);

}  // namespace vantorelle
