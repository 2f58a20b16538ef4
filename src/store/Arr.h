#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "store/AllocateurGrandsBlocs.h"
#include "store/Erreur.h"
#include "store/MStringSortRoutines.h"

namespace vantorelle {

/// The string form of a text value is the text itself.
inline const std::string& texteDe(const std::string& texte) { return texte; }

/// A growable array of values indexed from 1, with a count separate from its capacity.
///
/// The capacity is the logical one (100 at creation, written position + 100 on growth, exact after
/// `Allocate`) and decides which positions exist; the values live in a vector that grows geometrically, so
/// a long run of appends stays linear. Positions within the capacity that were never written read as empty.
template <class T>
class Arr {
public:
    Arr() = default;
    Arr(const Arr& autre) : valeurs_(autre.valeurs_), capacité_(autre.capacité_), count_(autre.count_) {}
    Arr(Arr&& autre) noexcept
        : valeurs_(std::move(autre.valeurs_)), capacité_(autre.capacité_), count_(autre.count_) {}
    // An array given new content must not show a version a cache may already have seen.
    Arr& operator=(const Arr& autre) {
        if (this != &autre) remplacerPar(Arr(autre));
        return *this;
    }
    Arr& operator=(Arr&& autre) noexcept {
        if (this != &autre) remplacerPar(std::move(autre));
        return *this;
    }

    /// Allocates the array's size, copies its values to positions 1 to n and sets `Count` to n.
    void FromArray(Tableau<T> valeurs) {
        const auto n = static_cast<std::int32_t>(valeurs.size());
        Allocate(n);
        if (n > 0) valeurs_ = std::move(valeurs);
        count_ = n;
        ++version_;
    }

    /// A new array holding values 1 to `Count`, with capacity `Count`.
    Arr Clone() const {
        Arr copie;
        copie.Allocate(count_);
        for (std::int32_t i = 1; i <= count_; ++i) copie.valeurs_.push_back(Item(i));
        copie.count_ = count_;
        return copie;
    }

    std::int32_t Count() const { return count_; }

    /// Sets the count; raising it allocates exactly n positions first. Lowering it keeps the values beyond.
    void Count(std::int32_t n) {
        if (n < 0) throw ErreurIndice();
        if (n > count_) {
            Allocate(n);
            valeurs_.resize(static_cast<std::size_t>(n));
        }
        count_ = n;
        ++version_;
    }

    /// Appends a value at position `Count` + 1.
    void Add(T valeur) { Item(count_ + 1, std::move(valeur)); }

    /// Empties value i; nothing moves and `Count` is unchanged.
    void Remove(std::int32_t i) {
        vérifier(i);
        if (static_cast<std::size_t>(i) <= valeurs_.size()) valeurs_[static_cast<std::size_t>(i) - 1] = T{};
        ++version_;
    }

    /// Sets the capacity to exactly max(n, 1) positions, dropping the values beyond; `Count` is unchanged.
    void Allocate(std::int32_t n) {
        capacité_ = std::max(n, std::int32_t{1});
        const auto capacité = static_cast<std::size_t>(capacité_);
        if (valeurs_.size() > capacité) {
            valeurs_.resize(capacité);
        } else {
            valeurs_.reserve(capacité);
            // Positions up to the count that come back into the capacity read empty.
            valeurs_.resize(std::max(valeurs_.size(), static_cast<std::size_t>(std::min(count_, capacité_))));
        }
        ++version_;
    }

    /// Makes room in memory for n values, to be added without moving the others; the capacity is unchanged.
    void réserver(std::size_t n) { valeurs_.reserve(n); }

    /// The capacity: positions 1 to it exist.
    std::int32_t Capacité() const { return capacité_; }

    /// Value i; ErreurIndice outside 1..capacity.
    const T& Item(std::int32_t i) const {
        vérifier(i);
        if (static_cast<std::size_t>(i) > valeurs_.size()) return vide();
        return valeurs_[static_cast<std::size_t>(i) - 1];
    }

    /// Stores value i, growing the capacity to i + 100 when i is beyond it, and `Count` to i.
    void Item(std::int32_t i, T valeur) {
        if (i < 1 || i > std::numeric_limits<std::int32_t>::max() - 100) throw ErreurIndice();
        if (i > capacité_) capacité_ = i + 100;
        if (static_cast<std::size_t>(i) > valeurs_.size()) valeurs_.resize(static_cast<std::size_t>(i));
        valeurs_[static_cast<std::size_t>(i) - 1] = std::move(valeur);
        if (i > count_) count_ = i;
        ++version_;
    }

    /// For i = 1 to `Count`: i, " : ", the value's text and a line break, joined.
    std::string ToString() const {
        std::string texte;
        for (std::int32_t i = 1; i <= count_; ++i) {
            texte += std::to_string(i);
            texte += " : ";
            texte += texteDe(Item(i));
            texte += "\r\n";
        }
        return texte;
    }

    /// Sorts values 1 to `Count` by their text, ascending or descending, always in binary order; the second
    /// flag is accepted and ignored.
    void Sort(bool ascendant, [[maybe_unused]] bool casse = false) {
        if (count_ > capacité_) throw ErreurIndice();
        std::span<T> plage(valeurs_.data(), static_cast<std::size_t>(count_));
        if constexpr (std::is_same_v<T, std::string>) {
            MStringSortRoutines::SortStringArray(plage, ascendant, true);
        } else {
            struct Élément {
                std::string texte;
                T valeur;
            };
            std::vector<Élément> éléments;
            éléments.reserve(plage.size());
            for (T& v : plage) {
                std::string texte(texteDe(v));
                éléments.push_back({std::move(texte), std::move(v)});
            }
            MStringSortRoutines::trier(std::span<Élément>(éléments), ascendant,
                                       [](const Élément& x, const Élément& y) {
                                           return MStringSortRoutines::Compare(x.texte, y.texte, true);
                                       });
            for (std::size_t k = 0; k < plage.size(); ++k) plage[k] = std::move(éléments[k].valeur);
        }
        ++version_;
    }

    /// Counter bumped by every change of the content, so a cache can tell the data changed.
    std::uint64_t version() const { return version_; }

    /// Values 1 to min(`Count`, capacity), for loops that read many values.
    std::span<const T> valeurs() const {
        return {valeurs_.data(), static_cast<std::size_t>(std::min(count_, capacité_))};
    }

    /// Values 1 to min(`Count`, capacity), to be changed in place; counts as a change.
    std::span<T> valeursModifiables() {
        ++version_;
        return {valeurs_.data(), static_cast<std::size_t>(std::min(count_, capacité_))};
    }

private:
    static const T& vide() {
        static const T valeurVide{};
        return valeurVide;
    }

    void vérifier(std::int32_t i) const {
        if (i < 1 || i > capacité_) throw ErreurIndice();
    }

    void remplacerPar(Arr&& autre) {
        const std::uint64_t version = std::max(version_, autre.version_) + 1;
        valeurs_ = std::move(autre.valeurs_);
        capacité_ = autre.capacité_;
        count_ = autre.count_;
        version_ = version;
    }

    // Positions 1 to valeurs_.size() are stored; min(count_, capacité_) <= size <= capacité_.
    Tableau<T> valeurs_;
    std::int32_t capacité_ = 100;
    std::int32_t count_ = 0;
    std::uint64_t version_ = 0;
};

}  // namespace vantorelle
