#pragma once
#include <cstdint>

namespace vantorelle {

enum class SorteJeton : std::uint8_t {
    Nombre, Vrai, Faux, Case,
    Plus, Moins, Fois, Divise, DiviseEntier, Puissance,
    Égal, Différent, Inférieur, Supérieur, InférieurOuÉgal, SupérieurOuÉgal,
    Ouvrante, Fermante,
    Mod, Not, And, Or, Xor,
};

/// One token of an expression; `nombre` for a literal, `case_` for a value slot of a compiled formula.
struct Jeton {
    SorteJeton sorte;
    double nombre = 0;
    std::int32_t case_ = 0;
};

}  // namespace vantorelle
