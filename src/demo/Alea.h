#pragma once
#include <cstdint>

namespace vantorelle {

/// A small seeded random generator (xoshiro256**) whose draws are the same on every machine: the demo base
/// and the generated markets must come out byte for byte the same from the same seed.
class Aléa {
public:
    explicit Aléa(std::uint64_t graine) {
        for (std::uint64_t& s : état_) {
            graine += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = graine;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            s = z ^ (z >> 31);
        }
    }

    std::uint64_t suivant() {
        const std::uint64_t résultat = rotation(état_[1] * 5, 7) * 9;
        const std::uint64_t t = état_[1] << 17;
        état_[2] ^= état_[0];
        état_[3] ^= état_[1];
        état_[1] ^= état_[2];
        état_[0] ^= état_[3];
        état_[2] ^= t;
        état_[3] = rotation(état_[3], 45);
        return résultat;
    }

    /// Uniform in [0, 1).
    double uniforme() { return static_cast<double>(suivant() >> 11) * 0x1.0p-53; }

    /// Uniform integer in [0, n).
    std::uint32_t entier(std::uint32_t n) { return static_cast<std::uint32_t>(uniforme() * n); }

    /// Approximately normal with mean 0 and variance 1: the sum of twelve uniforms, which needs no
    /// library function whose last bit could differ between machines.
    double normale() {
        double somme = 0;
        for (int k = 0; k < 12; ++k) somme += uniforme();
        return somme - 6;
    }

private:
    static std::uint64_t rotation(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t état_[4];
};

}  // namespace vantorelle
