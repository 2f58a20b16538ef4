#pragma once
#include <cstdint>

namespace vantorelle {

/// Currency: a 64-bit fixed-point number with four decimals.
struct Monnaie {
    std::int64_t dixMillièmes = 0;

    friend bool operator==(Monnaie, Monnaie) = default;
    double enDouble() const { return static_cast<double>(dixMillièmes) / 10000.0; }
};

}  // namespace vantorelle
