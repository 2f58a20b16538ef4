#pragma once
#include <array>
#include <string>
#include <vector>

#include "main/Traduction.h"

namespace vantorelle {

/// The figure catalogue as texts, one row per figure in code order: the code; the named constant whose value
/// is that code, which a formula writes for the figure (empty for the figures that have none: a constant's
/// number is not always the code of the figure it is named after); the name as the dashboard shows it; the
/// family as a word; the weight; the number of candles ("1", "2 à 5").
std::vector<std::array<std::string, 6>> FiguresDuCatalogue(const Traduction& traduire);

/// The named constants of the formulas as texts, in their order: the name, the value, and the name of the figure
/// of that code as the dashboard shows it (empty when the value is no figure's code).
std::vector<std::array<std::string, 3>> ConstantesDuCatalogue(const Traduction& traduire);

}  // namespace vantorelle
