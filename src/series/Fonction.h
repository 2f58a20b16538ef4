#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "series/Valeur.h"
#include "store/Arr.h"

namespace vantorelle {

class Fonctions;

/// A named numeric series: values at positions 1 to `Longueur`, each empty, a number or a text. Quote series,
/// indicator results and user formulas are all series. Copying is explicit (`Dup`): the value store and the
/// constant list are shared objects.
class Fonction {
public:
    using ListeConstantes = std::vector<std::string>;

    Fonction();
    Fonction(Fonction&&) noexcept = default;
    Fonction& operator=(Fonction&&) noexcept = default;
    Fonction(const Fonction&) = delete;
    Fonction& operator=(const Fonction&) = delete;

    /// The formula text (set for series loaded from the formula file).
    const std::string& Formule() const { return formule_; }
    void Formule(std::string formule) { formule_ = std::move(formule); }

    /// The constant substitutions ("name=value" texts), one list shared by many series.
    const std::shared_ptr<ListeConstantes>& Constantes() const { return constantes_; }
    void Constantes(std::shared_ptr<ListeConstantes> constantes) { constantes_ = std::move(constantes); }

    /// A tolerance carried by every series (1/16 at creation).
    float Tolérance() const { return tolérance_; }
    void Tolérance(float tolérance) { tolérance_ = tolérance; }

    /// The number of values: the `Count` of `Data`.
    std::int32_t Longueur() const { return data_->Count(); }
    /// Sets the `Count` of `Data` (growing the store when needed; shrinking only lowers the count).
    void Longueur(std::int32_t n) { data_->Count(n); }

    /// The series name, by which formulas refer to it.
    const std::string& Nom() const { return nom_; }
    void Nom(std::string nom) { nom_ = std::move(nom); }

    /// The value store itself (shared, not copied).
    const std::shared_ptr<Arr<Valeur>>& Data() const { return data_; }
    void Data(std::shared_ptr<Arr<Valeur>> data) { data_ = std::move(data); }

    /// Value i; ErreurIndice outside the store's capacity.
    const Valeur& Item(std::int32_t i) const { return data_->Item(i); }
    /// Stores value i, growing the store and `Longueur` when i is beyond them.
    void Item(std::int32_t i, Valeur valeur) { data_->Item(i, std::move(valeur)); }

    /// Empties value i; later values keep their positions and `Longueur` is unchanged.
    void Supprimer(std::int32_t i) { data_->Remove(i); }
    /// Reserves room for exactly n values (`Allocate` of the store); `Longueur` is unchanged.
    void Allouer(std::int32_t n) { data_->Allocate(n); }
    /// Appends a value: `Longueur` grows by 1.
    void Ajouter(Valeur valeur) { data_->Add(std::move(valeur)); }

    /// Evaluates `Formule` at every position over the members of `collection`, storing the results as the
    /// values.
    void Calculer(const Fonctions& collection);

    /// For i = 1 to `Longueur`: `Nom`, "(", i, ") : ", the value's text and a line break, joined.
    std::string ToString() const;

    /// A new series with the same `Nom`, `Formule` and `Constantes` list (shared) and a copy of the values;
    /// its `Tolérance` starts at 1/16.
    Fonction Dup() const;

    /// Adds this series to the formula collection under the key `Nom`.
    void AjouterACollection(Fonctions& collection);
    /// Removes the entry with key `Nom` from the formula collection; a missing key is ignored.
    void SupprimerDeCollection(Fonctions& collection);

    /// Relative strength index over n (Wilder smoothing started from zero); unnamed, empty when the series
    /// holds no more than n values.
    Fonction RSI(std::int16_t n) const;
    /// Rate of change over n in percent (100 means unchanged), named "ROC" n.
    Fonction ROC(std::int16_t n) const;
    /// Difference with the value n positions back, named "Momentum" n.
    Fonction Momentum(std::int16_t n) const;
    /// Difference of the moving averages over n1 and n2, named "MACD" n1 "-" n2.
    Fonction MACD(std::int16_t n1, std::int16_t n2) const;
    /// Moving sum of n values divided by n (also for the first n - 1 positions), named "MMA" n.
    Fonction MMA(std::int16_t n) const;
    /// Signed percentage change from the previous value, named "Volatilité" n (n names it only).
    Fonction Volatilité(std::int16_t n) const;
    /// Trend code per position (0 none, 1 falling, 2 rising) from averages over n and n / 2, named
    /// "Tendance" n.
    Fonction Tendance(std::int16_t n) const;
    /// Values début to fin unchanged, when 1 ≤ début ≤ fin ≤ `Longueur`; otherwise an empty series.
    Fonction Intervalle(std::int32_t début, std::int32_t fin) const;

private:
    std::string formule_;
    std::shared_ptr<ListeConstantes> constantes_;
    float tolérance_ = 0.0625f;
    std::shared_ptr<Arr<Valeur>> data_;
    std::string nom_;
};

}  // namespace vantorelle
