#pragma once
#include <cmath>
#include <limits>

namespace vantorelle {

/// Rounds to the nearest integer, halves going to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline double arrondiPair(double v) {
    // Adding and removing 2^52 leaves no fraction bits, so the addition itself rounds to an integer, halves
    // to even (the default rounding mode, which this program never changes). Beyond 2^52 v is whole already.
    constexpr double deuxPuissance52 = 4503599627370496.0;
    if (!(std::fabs(v) < deuxPuissance52)) return v;
    const double décalage = std::copysign(deuxPuissance52, v);
    return (v + décalage) - décalage;
}

/// The conversion of a value beyond the single range: the largest single when it still rounds to it, else
/// ErreurConversion ("Dépassement de capacité"); infinities and NaN pass through.
float versSimpleHorsLimites(double v);

/// Converts to single precision as an assignment to a single variable does: nearest float, and a finite value
/// beyond the single range throws ErreurConversion ("Dépassement de capacité").
inline float versSimple(double v) {
    if (std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max())) return static_cast<float>(v);
    return versSimpleHorsLimites(v);
}

/// Rounds to 2 decimals: v × 100 in double, to the nearest integer with halves to even, ÷ 100, stored as a
/// single (1.115 gives 1.12, 0.125 gives 0.12). A result too large for a single throws ErreurConversion.
inline float Round2(double v) { return versSimple(arrondiPair(v * 100.0) / 100.0); }

/// Rounds to 3 decimals the same way as Round2, kept in double (the volume in millions).
inline double Round3(double v) { return arrondiPair(v * 1000.0) / 1000.0; }

}  // namespace vantorelle
