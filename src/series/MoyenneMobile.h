#pragma once
#include <cstdint>
#include <vector>

namespace vantorelle {

class Colonne;

/// For i = 1 to the column's size: the sum of values i down to max(i - n + 1, 1), accumulated in single
/// from i downwards, divided by n in single and rounded with Round2. Element 0 is position 1. n ≥ 1.
std::vector<float> moyennesMobiles(const Colonne& x, std::int16_t n);

struct MoyennesMobiles {
    std::vector<float> longue;  ///< over n values
    std::vector<float> courte;  ///< over m values; empty when m is 0
};

/// The averages over n and over m values (0 ≤ m ≤ n) in one pass: each sum over m values is the start of the
/// sum over n, taken in the same order, so it is the same single sum.
MoyennesMobiles moyennesMobiles(const Colonne& x, std::int16_t n, std::int16_t m);

}  // namespace vantorelle
