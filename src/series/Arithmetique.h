#pragma once
#include <cstdint>

#include "series/Valeur.h"
#include "store/Arrondi.h"

namespace vantorelle {

// How a step said to be "in single precision" treats the kind of its other operand, after the classic Basic
// rule for mixed kinds (every other step of the indicators is done in double):
//  - a single, a 16-bit integer, a truth value (-1 or 0) or an empty value (0): the operation is done in
//    single, that is the exact result rounded to the nearest float;
//  - a double, a 32-bit integer or a numeric text: it is done in double, the result then stored as a single;
//  - currency: it is done in 4-decimal fixed point (the single first rounded to 4 decimals, halves to even),
//    the result then stored as a single.
// For the first two cases the float is the exact result rounded once: a double holds the exact sum, product
// or quotient of a float and any such operand closely enough that rounding it again to a float changes
// nothing. That is what lets the indicators work on plain arrays of doubles.

/// The single sum s + x, x of any kind; a result beyond the single range throws ErreurConversion.
float sommeSimple(float s, const Valeur& x);

/// The single sum s + x, x the exact value of an operand of any kind but currency.
inline float sommeSimple(float s, double x) { return versSimple(static_cast<double>(s) + x); }

/// The single product s × n of a single and a 16-bit integer.
inline float produitSimple(float s, std::int16_t n) { return versSimple(static_cast<double>(s) * n); }

/// The single quotient s / n of a single and a 16-bit integer.
inline float quotientSimple(float s, std::int16_t n) { return versSimple(static_cast<double>(s) / n); }

}  // namespace vantorelle
