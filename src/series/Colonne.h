#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "series/Valeur.h"

namespace vantorelle {

class Fonction;

/// Values 1 to `Longueur` of a series read once into a plain array of doubles, for the indicators' loops.
/// Every kind but currency converts exactly; currency values are kept at hand for the steps whose result
/// depends on their kind.
class Colonne {
public:
    /// Reads the series: ErreurIndice when `Longueur` exceeds its store, ErreurConversion for a text that is
    /// not a number.
    explicit Colonne(const Fonction& série);

    std::int32_t taille() const { return static_cast<std::int32_t>(nombres_.size()); }
    /// Value i (1-based) as a double; an empty value is 0.
    double operator[](std::int32_t i) const { return nombres_[static_cast<std::size_t>(i) - 1]; }
    /// All values, position 1 first.
    std::span<const double> nombres() const { return nombres_; }
    /// The values as stored, position 1 first.
    std::span<const Valeur> valeurs() const { return valeurs_; }
    /// True when some value is currency.
    bool avecMonnaie() const { return avecMonnaie_; }

private:
    std::vector<double> nombres_;
    std::span<const Valeur> valeurs_;
    bool avecMonnaie_ = false;
};

}  // namespace vantorelle
