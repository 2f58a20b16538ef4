#pragma once
#include <cstdint>

#include "series/Fonction.h"

namespace vantorelle {

/// A series' trend and moving average over the same period.
struct TendanceEtMoyenne {
    Fonction tendance;  ///< `Tendance(n)`
    Fonction moyenne;   ///< `MMA(n)`
};

/// `série.Tendance(n)` and `série.MMA(n)` at once: the trend's long average is the moving average.
TendanceEtMoyenne tendanceEtMoyenne(const Fonction& série, std::int16_t n);

}  // namespace vantorelle
