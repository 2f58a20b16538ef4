#pragma once
#include <cstdint>

#include "analysis/BourseCollection.h"
#include "series/Fonctions.h"

namespace vantorelle {

/// Evaluates formulas 1 to `nombreDeFormules` of `formules` over the security's candles, when it has any:
/// its series are published there for the time of it and taken out again on every way out, errors
/// included; every formula is sized to the candle count before the first is evaluated.
void évaluerLesFormules(BourseCollection& bc, Fonctions& formules, std::int32_t nombreDeFormules);

}  // namespace vantorelle
