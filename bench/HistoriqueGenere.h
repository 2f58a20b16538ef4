#pragma once
// The generated daily histories of the benchmarks: random walks, the same on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "analysis/BourseCollection.h"

namespace vantorelle::bancs {

/// Draws in [0, 1) from a linear congruential generator: the same sequence for the same seed everywhere.
class Tirage {
public:
    explicit Tirage(std::uint32_t graine) : graine_(graine) {}
    double operator()() {
        graine_ = graine_ * 1664525u + 1013904223u;
        return static_cast<double>(graine_ >> 8) / 16777216.0;
    }

private:
    std::uint32_t graine_;
};

/// A price rounded to the cent, as a single.
inline float auCentime(double prix) { return static_cast<float>(std::round(prix * 100) / 100); }

/// One candle of a walk, before rounding.
struct BougieTirée {
    double ouverture, haut, bas, clôture;
    double volume;  // in shares, below 5 million
};

/// A random walk from 50: each candle opens within 1 % of the last close and closes within 2.5 % of its
/// opening, with shadows up to 2 %.
class MarcheAléatoire {
public:
    BougieTirée suivante() {
        BougieTirée b{};
        b.ouverture = clôture_ * (1 + (tirage_() - 0.5) * 0.02);
        b.clôture = clôture_ = b.ouverture * (1 + (tirage_() - 0.5) * 0.05);
        b.haut = std::max(b.ouverture, b.clôture) * (1 + tirage_() * 0.02);
        b.bas = std::min(b.ouverture, b.clôture) * (1 - tirage_() * 0.02);
        b.volume = tirage_() * 5e6;
        return b;
    }

private:
    Tirage tirage_{12345};
    double clôture_ = 50;
};

/// n candles of the walk, prices in cents, date keys counting from "19980101".
inline BourseCollection historiqueAléatoire(std::int32_t n) {
    BourseCollection bourse;
    bourse.Allouer(n);
    MarcheAléatoire marche;
    for (std::int32_t i = 0; i < n; ++i) {
        const BougieTirée b = marche.suivante();
        bourse.Ajouter(std::to_string(19980101 + i), auCentime(b.ouverture), auCentime(b.haut), auCentime(b.bas),
                       auCentime(b.clôture), Monnaie{static_cast<std::int64_t>(b.volume) * 10000});
    }
    return bourse;
}

}  // namespace vantorelle::bancs
