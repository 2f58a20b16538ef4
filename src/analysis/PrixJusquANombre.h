#pragma once
#include <cstdint>
#include <vector>

#include "analysis/BourseCollection.h"
#include "store/Arrondi.h"

namespace vantorelle {

/// The prices of one series for candles 1 to `Nombre` as a plain array (index 0 unused): the collection's
/// copy, or, when the copy stops before `Nombre` (a price series holds fewer candles or an unreadable value),
/// the copy completed through the series itself, which then fails the way any reader of those candles fails.
inline const float* prixJusquÀNombre(const BourseCollection& bourse, const Fonction& série, const float* copie,
                                     std::int32_t n, std::vector<float>& complément) {
    if (n >= bourse.Nombre) return copie;
    complément.assign(copie, copie + n + 1);
    for (std::int32_t i = n + 1; i <= bourse.Nombre; ++i) complément.push_back(série.Item(i).enSimple());
    return complément.data();
}

// A step on two singles, or a single and a small integer, is done in single: the exact result rounded once to
// a float. Taken in double, the result is exact enough for that one rounding to give the same float.
inline float simple(double v) { return versSimple(v); }

}  // namespace vantorelle
