#pragma once
#include <cstdint>
#include <vector>

namespace vantorelle {

class Colonne;

/// For i = 1 to the column's size: the sum of values i down to max(i - n + 1, 1), accumulated in single
/// from i downwards, divided by n in single and rounded with Round2. Element 0 is position 1. n ≥ 1.
std::vector<float> moyennesMobiles(const Colonne& x, std::int16_t n);

}  // namespace vantorelle
