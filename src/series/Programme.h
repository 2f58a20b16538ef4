#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "series/Terme.h"

namespace vantorelle {

enum class Opération : std::uint8_t {
    Nombre, Booléen,
    Case,        // a slot's value without its sign
    CaseSignée,  // a slot's value with its sign
    SigneCase,   // negates the top when the slot's text starts with "-"
    Opposé, Puissance, Produit, Quotient, QuotientEntier, Modulo, Somme, Différence,
    Égal, Différent, Inférieur, Supérieur, InférieurOuÉgal, SupérieurOuÉgal,
    Non, Et, Ou, OuExclusif,
};

/// The value a slot of a compiled formula holds at one position: the number its text reads as, split into
/// the sign that the text starts with and the rest, or a truth value.
struct ValeurCase {
    double grandeur = 0;  // for a truth value: -1 or 0
    bool booléen = false;
    bool négatif = false;
};

/// An expression compiled to postfix instructions, run against the values of its slots.
class Programme {
public:
    void vider();
    void ajouter(Opération op, double nombre = 0, std::int32_t case_ = 0);

    /// The value of the expression, or nothing when an operation fails (division by zero, an overflow, an
    /// operand out of range).
    std::optional<Terme> exécuter(std::span<const ValeurCase> cases = {});
    /// The same at n positions at once, column c of `cases` holding slot c's n values: `résultats[k]` is
    /// the value at position k, unless `échecs[k]` is set.
    void exécuterColonnes(std::span<const ValeurCase* const> cases, std::size_t n, Terme* résultats, bool* échecs);

private:
    struct Instruction {
        Opération op;
        std::int32_t case_;
        double nombre;
    };
    std::vector<Instruction> instructions_;
    std::vector<Terme> pile_;
    std::vector<Terme> colonnes_;  // the stack of exécuterColonnes, one column per level
    std::int32_t hauteur_ = 0;
    std::int32_t hauteurMaximale_ = 0;
};

}  // namespace vantorelle
