#include "store/Arrondi.h"

#include "store/Erreur.h"

namespace vantorelle {

float versSimpleHorsLimites(double v) {
    if (!std::isfinite(v)) return static_cast<float>(v);
    // Up to half a unit above the largest single the value still rounds to it; from there on it overflows.
    constexpr double plusGrand = std::numeric_limits<float>::max();
    if (std::fabs(v) >= plusGrand + std::ldexp(1.0, 103)) throw ErreurConversion("Dépassement de capacité");
    return static_cast<float>(std::copysign(plusGrand, v));
}

}  // namespace vantorelle
