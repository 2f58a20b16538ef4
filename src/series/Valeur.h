#pragma once
#include <cstdint>
#include <string>
#include <variant>

#include "store/Monnaie.h"

namespace vantorelle {

/// The kind of a value, in the order the variant holds them.
enum class Genre : std::uint8_t { Vide, Double, Simple, Monnaie, Entier, Long, Booléen, Texte };

/// One value of a series or array: empty, a number of one of the program's kinds, a truth value or a text.
class Valeur {
public:
    using Contenu = std::variant<std::monostate, double, float, Monnaie, std::int16_t, std::int32_t, bool, std::string>;

    Valeur() = default;
    Valeur(double v) : contenu_(v) {}
    Valeur(float v) : contenu_(v) {}
    Valeur(Monnaie v) : contenu_(v) {}
    Valeur(std::int16_t v) : contenu_(v) {}
    Valeur(std::int32_t v) : contenu_(v) {}
    Valeur(bool v) : contenu_(v) {}
    Valeur(std::string v) : contenu_(std::move(v)) {}
    Valeur(const char* v) : contenu_(std::string(v)) {}

    Genre genre() const { return static_cast<Genre>(contenu_.index()); }
    bool estVide() const { return genre() == Genre::Vide; }
    bool estTexte() const { return genre() == Genre::Texte; }
    const Contenu& contenu() const { return contenu_; }

    /// The value as a double: empty is 0, true is -1; a text must read as a number (French or point decimals)
    /// or an ErreurConversion is thrown.
    double enDouble() const {
        // The kinds the series hold are read at once: indicators and cells read millions of them.
        if (const float* v = std::get_if<float>(&contenu_)) return *v;
        if (const std::int16_t* v = std::get_if<std::int16_t>(&contenu_)) return *v;
        if (const double* v = std::get_if<double>(&contenu_)) return *v;
        return enDoubleConverti();
    }
    /// The value converted to single precision, the way an assignment to a single variable converts it.
    float enSimple() const;
    /// The value converted to a 16-bit integer, halves to even; out of range throws ErreurConversion.
    std::int16_t enEntier() const;
    /// The value converted to a 32-bit integer, halves to even; out of range throws ErreurConversion.
    std::int32_t enLong() const;
    /// The text of a string value, or the value's ordinary text form (French number text, "Vrai"/"Faux").
    std::string texte() const;

    friend bool operator==(const Valeur&, const Valeur&) = default;

private:
    double enDoubleConverti() const;
    Contenu contenu_;
};

/// The text form arrays sort and print values by (found by argument-dependent lookup).
std::string texteDe(const Valeur& v);

}  // namespace vantorelle
