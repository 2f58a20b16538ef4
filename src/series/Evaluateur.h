#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "series/Jeton.h"
#include "series/Programme.h"
#include "series/Terme.h"

namespace vantorelle {

/// Evaluates the text of an expression with the classic Basic rules: numbers with "." decimals and an
/// optional exponent, `True`/`False`/`Vrai`/`Faux` in any case, `^`, unary signs, `*`, `/`, `\`, `Mod`, `+`,
/// `-`, the six comparisons, `Not`, `And`, `Or`, `Xor` and parentheses (see Analyseur for the precedence).
///
/// Numbers are doubles. A truth value counts as -1 (true) or 0 (false) wherever a number is needed, so
/// `Vrai = -1` holds; a comparison gives a truth value, and so do `Not`, `And`, `Or` and `Xor` on truth
/// values, while on numbers they work bit by bit on 32-bit integers. `\` and `Mod` round their operands to
/// integers, halves to even. Unary `+` leaves its operand as it is; unary `-` makes a number.
class Evaluateur {
public:
    /// The value of `texte`, or nothing when it is not a valid expression or its evaluation fails.
    std::optional<Terme> évaluer(std::string_view texte);

private:
    // Kept between calls so that a run of evaluations allocates nothing.
    std::vector<Jeton> jetons_;
    Programme programme_;
};

}  // namespace vantorelle
