#pragma once
#include <string>

#include "main/CompteursStat.h"
#include "main/Traduction.h"

namespace vantorelle {

/// The status summary of a generation (`StatusEcrire`): the bearish, bullish and neutral figures and the
/// closes up and down, for example "3 figures baissières, 5 figures haussières, 2 figures neutres,
/// 6 clôtures en hausse, 4 clôtures en baisse".
std::string StatusEcrire(const CompteursStat& compteurs, const Traduction& traduire);

}  // namespace vantorelle
